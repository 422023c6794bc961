#include "notewindows/NoteLayout.h"

#include "widgets/Twips.h"

#include <gtest/gtest.h>

// Below its threshold (twips, passed only when strictly above) a part
// keeps its last place; above it, it follows the size.
TEST(NoteLayout, PartsFollowTheSizeOnlyAboveTheirThresholds)
{
    const NoteLayout first = firstNoteLayout();
    // clang-format off
    const struct { const char *name; int width, height; bool widthFollows, heightFollows, captionFollows; } rows[] = {
        {"just above the caption threshold", 750, 1455, true, true, true},
        {"at the caption threshold", 735, 1455, true, true, false},
        {"narrow, just high enough", 255, 270, false, true, false},
        {"low, just wide enough", 270, 255, true, false, false},
    };
    // clang-format on
    for (const auto &row : rows) {
        const QSize size(twipsToPixels(row.width), twipsToPixels(row.height));
        const NoteLayout layout = noteLayout(size, first);
        EXPECT_EQ(layout.content.topLeft(), first.content.topLeft()) << row.name;
        EXPECT_EQ(layout.content.width() != first.content.width(), row.widthFollows) << row.name;
        EXPECT_EQ(layout.content.height() != first.content.height(), row.heightFollows) << row.name;
        for (const auto part : {&NoteLayout::caption, &NoteLayout::remove, &NoteLayout::help, &NoteLayout::close})
            EXPECT_EQ(layout.*part != first.*part, row.captionFollows) << row.name;
    }
    const QSize created(twipsToPixels(2805), twipsToPixels(1455));
    const NoteLayout wide = noteLayout(created, first);
    EXPECT_EQ(noteLayout(QSize(17, 17), wide), wide); // the last place, not the first
    // The text box ends above the bottom border, which would otherwise not size the note.
    EXPECT_FALSE(noteResizeEdges(wide.content.bottomLeft(), created) & Qt::BottomEdge);
}
