#include "notewindows/NoteLayout.h"

#include "widgets/Twips.h"

#include <gtest/gtest.h>

// A part that follows the size keeps its distance to the note's right and
// bottom edges; below its threshold (twips, passed only when strictly above)
// it keeps its last place.
TEST(NoteLayout, PartsFollowTheSizeOnlyAboveTheirThresholds)
{
    const NoteLayout first = firstNoteLayout();
    const QSize created(twipsToPixels(2805), twipsToPixels(1455));
    const NoteLayout wide = noteLayout(created, first);
    const auto fromRight = [](const QSize &size, const QRect &part) { return size.width() - part.right(); };
    const auto fromBottom = [](const QSize &size, const QRect &part) { return size.height() - part.bottom(); };
    const struct {
        const char *name;
        int width, height;
        bool textWidthFollows, textHeightFollows, captionFollows;
    } rows[] = {
        {"just above the caption threshold", 750, 1455, true, true, true},
        {"at the caption threshold", 735, 1455, true, true, false},
        {"just above the text threshold", 270, 270, true, true, false},
        {"at the text threshold", 255, 255, false, false, false},
        {"narrow but high", 255, 1455, false, true, false},
        {"wide but low", 2805, 255, true, false, true},
    };
    for (const auto &row : rows) {
        const QSize size(twipsToPixels(row.width), twipsToPixels(row.height));
        const NoteLayout layout = noteLayout(size, first);
        EXPECT_EQ(layout.content.topLeft(), first.content.topLeft()) << row.name;
        if (row.textWidthFollows)
            EXPECT_EQ(fromRight(size, layout.content), fromRight(created, wide.content)) << row.name;
        else
            EXPECT_EQ(layout.content.width(), first.content.width()) << row.name;
        if (row.textHeightFollows)
            EXPECT_EQ(fromBottom(size, layout.content), fromBottom(created, wide.content)) << row.name;
        else
            EXPECT_EQ(layout.content.height(), first.content.height()) << row.name;
        const QRect *parts[] = {&layout.caption, &layout.remove, &layout.help, &layout.close};
        const QRect *wideParts[] = {&wide.caption, &wide.remove, &wide.help, &wide.close};
        const QRect *firstParts[] = {&first.caption, &first.remove, &first.help, &first.close};
        for (int i = 0; i < 4; ++i) {
            if (row.captionFollows)
                EXPECT_NEAR(fromRight(size, *parts[i]), fromRight(created, *wideParts[i]), 1) << row.name << i;
            else
                EXPECT_EQ(*parts[i], *firstParts[i]) << row.name << i;
        }
    }
    EXPECT_LT(wide.caption.right(), wide.remove.left()); // remove, help, close at the bar's right end
    EXPECT_LT(wide.remove.right(), wide.help.left());
    EXPECT_LT(wide.help.right(), wide.close.left());
    EXPECT_LE(wide.close.right(), created.width());
    EXPECT_EQ(noteLayout(QSize(17, 17), wide), wide); // the last place, not the first
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
        {"first pixel of the right border", {96, 30}, Qt::RightEdge},
        {"just inside the right border", {95, 30}, {}},
        {"top border", {50, 0}, Qt::TopEdge},
        {"last pixel of the top border", {50, 3}, Qt::TopEdge},
        {"just below the top border", {50, 4}, {}},
        {"first pixel of the bottom border", {50, 56}, Qt::BottomEdge},
        {"just above the bottom border", {50, 55}, {}},
        {"top left corner", {0, 0}, Qt::LeftEdge | Qt::TopEdge},
        {"bottom right corner", {99, 59}, Qt::RightEdge | Qt::BottomEdge},
    };
    for (const auto &row : rows)
        EXPECT_EQ(noteResizeEdges(row.point, size), row.edges) << row.name;
}
