#include "mainwindow/WindowPlacement.h"

#include <gtest/gtest.h>

using namespace WindowPlacement;

TEST(WindowPlacement, PositionsBeyondSixteenBitsAreClamped)
{
    const Twips far = toTwips(QPoint(3000, -2500));
    EXPECT_EQ(far.left, 32767);
    EXPECT_EQ(far.top, -32768);
    const Twips near = toTwips(QPoint(100, 40));
    EXPECT_EQ(near.left, 1500);
    EXPECT_EQ(near.top, 600);
}

TEST(WindowPlacement, StoredPositionOnAScreenIsKept)
{
    const std::vector<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    EXPECT_EQ(fromTwips(1500, 600, QSize(480, 260), screens), QPoint(100, 40));
    EXPECT_EQ(fromTwips(30000, 3000, QSize(480, 260), screens), QPoint(2000, 200)); // second screen
    // Partly off the right edge, but the caption can still be grabbed.
    EXPECT_EQ(fromTwips(27000, 0, QSize(480, 260), {QRect(0, 0, 1920, 1080)}), QPoint(1800, 0));
}

TEST(WindowPlacement, OffScreenPositionMovesOntoTheNearestScreen)
{
    const std::vector<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    // Stored while a wider monitor was attached.
    EXPECT_EQ(fromTwips(32000, 1500, QSize(480, 260), {QRect(0, 0, 1280, 1024)}), QPoint(1280 - 480, 100));
    // Above every screen, or only the caption above it.
    EXPECT_EQ(fromTwips(1500, -3000, QSize(480, 260), screens), QPoint(100, 0));
    EXPECT_EQ(fromTwips(1500, -75, QSize(480, 260), screens), QPoint(100, 0));
    // Room is left for the window manager's caption above the window.
    EXPECT_EQ(fromTwips(1500, 200, QSize(480, 260), screens, 20), QPoint(100, 20));
    EXPECT_EQ(fromTwips(1500, 600, QSize(480, 260), screens, 20), QPoint(100, 40));
    // Without screens the stored place is all there is.
    EXPECT_EQ(fromTwips(1500, 600, QSize(480, 260), {}), QPoint(100, 40));
}
