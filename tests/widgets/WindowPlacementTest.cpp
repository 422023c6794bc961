#include "widgets/WindowPlacement.h"

#include <gtest/gtest.h>

using namespace WindowPlacement;

TEST(WindowPlacement, PositionsBeyondSixteenBitsAreClamped)
{
    // clang-format off
    const struct { const char *name; QPoint pixels, twips; } rows[] = {
        {"at both ends", {2184, -2184}, {32760, -32760}},
        {"just beyond both ends", {2185, -2185}, {32767, -32768}},
    };
    // clang-format on
    for (const auto &row : rows) {
        const Twips twips = toTwips(row.pixels);
        EXPECT_EQ(QPoint(twips.left, twips.top), row.twips) << row.name;
    }
}

// Two screens side by side; windows of 480 x 260 unless narrower.
TEST(WindowPlacement, AWindowStaysWhileItCanBeGrabbedAndMovesOntoTheNearestScreenOtherwise)
{
    const std::vector<QRect> one{QRect(0, 0, 1920, 1080)};
    const std::vector<QRect> two{one[0], QRect(1920, 0, 1280, 1024)};
    const struct {
        const char *name;
        QPoint stored, placed;
        std::vector<QRect> screens;
        int captionHeight = 0, width = 480;
        // clang-format off
    } rows[] = {
        {"on the second screen", {2000, 200}, {2000, 200}, two},
        {"40 pixels show on the right", {1880, 100}, {1880, 100}, one},
        {"39 pixels show on the right", {1881, 100}, {1440, 100}, one},
        {"40 pixels show on the left", {-440, 100}, {-440, 100}, two},
        {"39 pixels show on the left", {-441, 100}, {0, 100}, two},
        {"top rows just on the bottom", {100, 1068}, {100, 1068}, two},
        {"top rows just off the bottom", {100, 1069}, {100, 820}, two},
        {"one row above the top", {100, -1}, {100, 0}, two},
        {"right of the second screen", {3300, 100}, {2720, 100}, two},
        {"room for the caption", {100, 20}, {100, 20}, two, 20},
        {"one row short of the caption", {100, 19}, {100, 20}, two, 20},
        {"no screens", {5000, 5000}, {5000, 5000}, {}},
        {"narrower than the grip, whole", {1890, 10}, {1890, 10}, one, 0, 30},
        {"narrower than the grip, a pixel off", {1891, 10}, {1890, 10}, one, 0, 30},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(keepOnScreen(QRect(row.stored, QSize(row.width, 260)), row.screens, row.captionHeight), row.placed)
            << row.name;
    // Stored in twips, placed as pixels.
    EXPECT_EQ(fromTwips(1500, -3000, QSize(480, 260), one), QPoint(100, 0));
}
