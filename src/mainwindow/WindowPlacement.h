#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>

#include <vector>

// Stored window positions are 16-bit twips; windows stand in pixels on
// screens that may have changed since the position was stored.
namespace WindowPlacement {

struct Twips {
    qint16 left;
    qint16 top;
};

// Clamped into the 16-bit range, so a far-right window on a wide desktop
// still stores a usable position.
Twips toTwips(const QPoint &topLeft);

// The stored position of the window's inside in pixels, moved onto the
// nearest of the screens when the window, or the caption of captionHeight
// above it, would lie off all of them.
QPoint fromTwips(qint16 left, qint16 top, const QSize &windowSize, const std::vector<QRect> &screens,
                 int captionHeight = 0);
// The same on the current screens.
QPoint fromTwips(qint16 left, qint16 top, const QSize &windowSize, int captionHeight);

} // namespace WindowPlacement
