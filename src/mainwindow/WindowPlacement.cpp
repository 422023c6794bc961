#include "mainwindow/WindowPlacement.h"

#include "widgets/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace WindowPlacement {

namespace {

qint16 clampedTwips(int pixels)
{
    const qint64 twips = qint64(pixels) * TwipsPerPixel;
    return qint16(std::clamp<qint64>(twips, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

// How far a point lies outside a rectangle, 0 inside it.
qint64 distanceSquared(const QRect &rect, const QPoint &point)
{
    const qint64 dx = point.x() < rect.left() ? rect.left() - point.x() : std::max(0, point.x() - rect.right());
    const qint64 dy = point.y() < rect.top() ? rect.top() - point.y() : std::max(0, point.y() - rect.bottom());
    return dx * dx + dy * dy;
}

} // namespace

Twips toTwips(const QPoint &topLeft)
{
    return {clampedTwips(topLeft.x()), clampedTwips(topLeft.y())};
}

QPoint fromTwips(qint16 left, qint16 top, const QSize &windowSize, const std::vector<QRect> &screens,
                 int captionHeight)
{
    const QPoint stored(twipsToPixels(left), twipsToPixels(top));
    const QRect window(stored, windowSize);
    if (screens.empty())
        return stored;
    // The caption above the window must stay reachable: the window's top edge
    // has to lie on a screen.
    const QRect topStrip(window.topLeft(), QSize(window.width(), std::min(window.height(), 24)));
    for (const QRect &screen : screens) {
        if (screen.intersects(topStrip) && window.top() >= screen.top() + captionHeight)
            return stored;
    }
    const QRect nearest = *std::min_element(screens.begin(), screens.end(), [&](const QRect &a, const QRect &b) {
        return distanceSquared(a, stored) < distanceSquared(b, stored);
    });
    const int x = std::clamp(stored.x(), nearest.left(), std::max(nearest.left(), nearest.right() - window.width() + 1));
    const int highest = nearest.top() + captionHeight;
    const int y = std::clamp(stored.y(), highest, std::max(highest, nearest.bottom() - window.height() + 1));
    return {x, y};
}

QPoint fromTwips(qint16 left, qint16 top, const QSize &windowSize, int captionHeight)
{
    std::vector<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.push_back(screen->availableGeometry());
    return fromTwips(left, top, windowSize, screens, captionHeight);
}

} // namespace WindowPlacement
