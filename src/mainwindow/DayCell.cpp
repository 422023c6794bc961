#include "mainwindow/DayCell.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

// In logical pixels, so that they scale with the screen and stay sharp.
constexpr qreal MarkDiameter = 4.0;
constexpr qreal MarkInset = 2.0;
constexpr qreal FrameWidth = 1.0;

} // namespace

void DayCell::setMarks(bool hasEvents, bool isToday)
{
    if (hasEvents == hasEvents_ && isToday == isToday_)
        return;
    hasEvents_ = hasEvents;
    isToday_ = isToday;
    update();
}

void DayCell::setFocusFrame(bool shown)
{
    if (shown == focusFrame_)
        return;
    focusFrame_ = shown;
    update();
}

void DayCell::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasEvents_ && !isToday_ && !focusFrame_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor highlight = palette().color(QPalette::Highlight);
    // The cells overlap by a pixel: the next one covers the last column and row.
    const QRectF bounds = QRectF(rect()).adjusted(0, 0, -1, -1);
    if (hasEvents_) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(highlight);
        painter.drawEllipse(
            QRectF(bounds.right() - MarkInset - MarkDiameter, bounds.top() + MarkInset, MarkDiameter, MarkDiameter));
    }
    if (isToday_) {
        painter.setPen(QPen(highlight, FrameWidth));
        painter.setBrush(Qt::NoBrush);
        const qreal half = FrameWidth / 2;
        painter.drawRect(bounds.adjusted(half, half, -half, -half));
    }
    if (focusFrame_) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = bounds.toRect().adjusted(1, 1, -1, -1); // inside today's frame
        option.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
