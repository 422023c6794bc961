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

// Where a window whose inside would stand at window goes. It stays there
// while it can be grabbed: the top rows of its inside lie on one screen,
// at least 40 pixels of them across (all of a narrower window), with room
// for the caption of captionHeight above. Otherwise it moves onto the
// nearest screen, whole where it fits. Without screens it stays.
QPoint keepOnScreen(const QRect &window, const std::vector<QRect> &screens, int captionHeight = 0);

// The stored position of the window's inside in pixels, kept on the screens.
QPoint fromTwips(qint16 left, qint16 top, const QSize &windowSize, const std::vector<QRect> &screens,
                 int captionHeight = 0);
// The same on the current screens.
QPoint fromTwips(qint16 left, qint16 top, const QSize &windowSize, int captionHeight);

// The room for windows on each of the current screens.
std::vector<QRect> availableScreens();

} // namespace WindowPlacement
