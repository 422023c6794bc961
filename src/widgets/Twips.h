#pragma once

#include <QRect>

// Window layouts are written in twips, the program's own unit; Qt places
// widgets in logical pixels at 96 dpi, which is 15 twips each.
constexpr int TwipsPerPixel = 15;

// Rounds to the nearest pixel so that 4870 twips is 325 pixels, not 324.
inline constexpr int twipsToPixels(int twips)
{
    return (twips * 2 + (twips < 0 ? -TwipsPerPixel : TwipsPerPixel)) / (2 * TwipsPerPixel);
}

// A widget's place given in twips.
inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}
