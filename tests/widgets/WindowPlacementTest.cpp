#include "widgets/WindowPlacement.h"

#include <gtest/gtest.h>

using namespace WindowPlacement;

TEST(WindowPlacement, PositionsBeyondSixteenBitsAreClamped)
{
    const struct {
        const char *name;
        QPoint pixels;
        qint16 left;
        qint16 top;
    } rows[] = {
        {"inside the range", {100, 40}, 1500, 600},
        {"at both ends", {2184, -2184}, 32760, -32760},
        {"just beyond both ends", {2185, -2185}, 32767, -32768},
        {"far beyond", {3000, -2500}, 32767, -32768},
    };
    for (const auto &row : rows) {
        const Twips twips = toTwips(row.pixels);
        EXPECT_EQ(twips.left, row.left) << row.name;
        EXPECT_EQ(twips.top, row.top) << row.name;
    }
}

// Two screens side by side, a window of 480 x 260.
TEST(WindowPlacement, AWindowStaysWhileItCanBeGrabbedAndMovesOntoTheNearestScreenOtherwise)
{
    const std::vector<QRect> two{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const QSize size(480, 260);
    const struct {
        const char *name;
        QPoint stored;
        std::vector<QRect> screens;
        int captionHeight;
        QPoint placed;
    } rows[] = {
        {"on the first screen", {100, 40}, two, 0, {100, 40}},
        {"on the second screen", {2000, 200}, two, 0, {2000, 200}},
        {"top left corner", {0, 0}, two, 0, {0, 0}},
        {"40 pixels show on the right", {1880, 100}, {QRect(0, 0, 1920, 1080)}, 0, {1880, 100}},
        {"39 pixels show on the right", {1881, 100}, {QRect(0, 0, 1920, 1080)}, 0, {1440, 100}},
        {"40 pixels show on the left", {-440, 100}, two, 0, {-440, 100}},
        {"39 pixels show on the left", {-441, 100}, two, 0, {0, 100}},
        {"top rows just on the bottom", {100, 1068}, two, 0, {100, 1068}},
        {"top rows just off the bottom", {100, 1069}, two, 0, {100, 820}},
        {"one row above the top", {100, -1}, two, 0, {100, 0}},
        {"far above", {100, -200}, two, 0, {100, 0}},
        {"stored with a wider monitor", {2133, 100}, {QRect(0, 0, 1280, 1024)}, 0, {800, 100}},
        {"room for the caption", {100, 20}, two, 20, {100, 20}},
        {"one row short of the caption", {100, 19}, two, 20, {100, 20}},
        {"no screens", {5000, 5000}, {}, 0, {5000, 5000}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(keepOnScreen(QRect(row.stored, size), row.screens, row.captionHeight), row.placed) << row.name;
}

TEST(WindowPlacement, AWindowNarrowerThanTheGripNeedsToShowWhole)
{
    const std::vector<QRect> one{QRect(0, 0, 1920, 1080)};
    EXPECT_EQ(keepOnScreen(QRect(QPoint(1890, 10), QSize(30, 30)), one), QPoint(1890, 10));
    EXPECT_EQ(keepOnScreen(QRect(QPoint(1891, 10), QSize(30, 30)), one), QPoint(1890, 10));
}

TEST(WindowPlacement, StoredTwipsArePixelsKeptOnScreen)
{
    EXPECT_EQ(fromTwips(1500, 600, QSize(480, 260), {QRect(0, 0, 1920, 1080)}), QPoint(100, 40));
    EXPECT_EQ(fromTwips(1500, -3000, QSize(480, 260), {QRect(0, 0, 1920, 1080)}), QPoint(100, 0));
}
