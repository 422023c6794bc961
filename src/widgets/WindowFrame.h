#pragma once

#include <QMargins>
#include <QStyle>
#include <QWidget>

// What the window system puts around a window's inside: the caption and the
// borders. Windows whose whole size is given are laid out before their real
// frame is known (and offscreen there is none), so the style's measures of a
// title bar and a frame stand in for it.
inline QMargins frameAllowance(const QWidget *window)
{
    const QStyle *style = window->style();
    const int border = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, window);
    return {border, style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window) + border, border, border};
}
