#include "notewindows/NoteLayout.h"

#include "widgets/Twips.h"

#include <gtest/gtest.h>

// Sizes in twips; each threshold is passed when the size is strictly above it.
TEST(NoteLayout, PartsFollowTheSizeOnlyAboveTheirThresholds)
{
    const NoteLayout first = firstNoteLayout();
    const struct {
        const char *name;
        int width;
        int height;
        bool textWidthFollows;
        bool textHeightFollows;
        bool captionFollows;
    } rows[] = {
        {"as created", 2805, 1455, true, true, true},
        {"just above the caption threshold", 750, 1455, true, true, true},
        {"at or below the caption threshold", 735, 1455, true, true, false},
        {"just above the text threshold", 270, 270, true, true, false},
        {"at or below the text threshold", 255, 255, false, false, false},
        {"narrow but high", 255, 1455, false, true, false},
        {"wide but low", 2805, 255, true, false, true},
    };
    for (const auto &row : rows) {
        const QSize size(twipsToPixels(row.width), twipsToPixels(row.height));
        const NoteLayout layout = noteLayout(size, first);
        const int w = size.width() * TwipsPerPixel;
        const int h = size.height() * TwipsPerPixel;
        EXPECT_EQ(layout.content.topLeft(), first.content.topLeft()) << row.name;
        EXPECT_EQ(layout.content.width(), row.textWidthFollows ? twipsToPixels(w - 240) : first.content.width())
            << row.name;
        // The bottom sizing border stays free of the text box.
        EXPECT_EQ(layout.content.height(), row.textHeightFollows ? twipsToPixels(h - 240) - 4 : first.content.height())
            << row.name;
        const NoteLayout captionKept{first.caption, first.remove, first.help, first.close, layout.content};
        if (!row.captionFollows) {
            EXPECT_EQ(layout, captionKept) << row.name;
            continue;
        }
        EXPECT_EQ(layout.caption.width(), twipsToPixels(w - 740)) << row.name;
        EXPECT_EQ(layout.remove.left(), twipsToPixels(w - 660)) << row.name;
        EXPECT_EQ(layout.help.left(), twipsToPixels(w - 480)) << row.name;
        EXPECT_EQ(layout.close.left(), twipsToPixels(w - 320)) << row.name;
        // The marks sit at the right end of the bar: remove, help, close.
        EXPECT_LT(layout.caption.right(), layout.remove.left()) << row.name;
        EXPECT_LT(layout.remove.right(), layout.help.left()) << row.name;
        EXPECT_LT(layout.help.right(), layout.close.left()) << row.name;
        EXPECT_LE(layout.close.right(), size.width()) << row.name;
    }
}

TEST(NoteLayout, BelowAThresholdAPartKeepsItsLastPlaceNotTheFirst)
{
    const QSize wide(twipsToPixels(3000), twipsToPixels(1500));
    const NoteLayout last = noteLayout(wide, firstNoteLayout());
    const NoteLayout small = noteLayout(QSize(17, 17), last);
    EXPECT_EQ(small, last);
}

TEST(NoteLayout, TheBordersSizeTheNote)
{
    const QSize size(100, 60);
    const struct {
        const char *name;
        QPoint point;
        Qt::Edges edges;
    } rows[] = {
        {"left border", {0, 30}, Qt::LeftEdge},
        {"last pixel of the left border", {3, 30}, Qt::LeftEdge},
        {"just inside the left border", {4, 30}, {}},
        {"right border", {99, 30}, Qt::RightEdge},
        {"first pixel of the right border", {96, 30}, Qt::RightEdge},
        {"just inside the right border", {95, 30}, {}},
        {"top border", {50, 0}, Qt::TopEdge},
        {"just below the top border", {50, 4}, {}},
        {"bottom border", {50, 59}, Qt::BottomEdge},
        {"just above the bottom border", {50, 55}, {}},
        {"top left corner", {0, 0}, Qt::LeftEdge | Qt::TopEdge},
        {"bottom right corner", {99, 59}, Qt::RightEdge | Qt::BottomEdge},
    };
    for (const auto &row : rows)
        EXPECT_EQ(noteResizeEdges(row.point, size), row.edges) << row.name;
}
