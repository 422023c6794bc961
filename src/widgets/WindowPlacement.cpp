#include "widgets/WindowPlacement.h"

#include "widgets/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace WindowPlacement {

namespace {

constexpr int GrabHeight = 12; // pixels: the rows of a caption bar
constexpr int GrabWidth = 40;  // pixels of them that make it grabbable

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

bool canBeGrabbed(const QRect &window, const QRect &screen, int captionHeight)
{
    const QRect grip(window.topLeft(), QSize(window.width(), std::min(window.height(), GrabHeight)));
    const QRect shown = screen.intersected(grip);
    return shown.height() == grip.height() && shown.width() >= std::min(GrabWidth, grip.width())
           && window.top() >= screen.top() + captionHeight;
}

} // namespace

Twips toTwips(const QPoint &topLeft)
{
    return {clampedTwips(topLeft.x()), clampedTwips(topLeft.y())};
}

QPoint keepOnScreen(const QRect &window, const std::vector<QRect> &screens, int captionHeight)
{
    if (screens.empty())
        return window.topLeft();
    for (const QRect &screen : screens) {
        if (canBeGrabbed(window, screen, captionHeight))
            return window.topLeft();
    }
    const QRect nearest = *std::min_element(screens.begin(), screens.end(), [&](const QRect &a, const QRect &b) {
        return distanceSquared(a, window.topLeft()) < distanceSquared(b, window.topLeft());
    });
    const int x =
        std::clamp(window.x(), nearest.left(), std::max(nearest.left(), nearest.right() - window.width() + 1));
    const int highest = nearest.top() + captionHeight;
    const int y = std::clamp(window.y(), highest, std::max(highest, nearest.bottom() - window.height() + 1));
    return {x, y};
}

QPoint fromTwips(qint16 left, qint16 top, const QSize &windowSize, const std::vector<QRect> &screens, int captionHeight)
{
    return keepOnScreen(QRect(QPoint(twipsToPixels(left), twipsToPixels(top)), windowSize), screens, captionHeight);
}

QPoint fromTwips(qint16 left, qint16 top, const QSize &windowSize, int captionHeight)
{
    return fromTwips(left, top, windowSize, availableScreens(), captionHeight);
}

std::vector<QRect> availableScreens()
{
    std::vector<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.push_back(screen->availableGeometry());
    return screens;
}

} // namespace WindowPlacement
