#include "notewindows/NoteMark.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

NoteMark::NoteMark(Shape shape, QWidget *parent) : QWidget(parent), shape_(shape)
{
    setCursor(Qt::PointingHandCursor);
}

void NoteMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn in a 9 x 9 box whatever the widget's size.
    painter.scale(width() / 9.0, height() / 9.0);
    painter.setPen(QPen(QColor(32, 32, 96), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (shape_) {
    case Shape::Remove:
        painter.drawRect(QRectF(2, 3, 5, 5.5));
        painter.drawLine(QPointF(1, 2), QPointF(8, 2));
        painter.drawLine(QPointF(3.5, 1), QPointF(5.5, 1));
        break;
    case Shape::Help: {
        QPainterPath hook;
        hook.moveTo(2.6, 3);
        hook.cubicTo(2.6, 0.5, 6.8, 0.5, 6.6, 3);
        hook.cubicTo(6.5, 4.5, 4.5, 4.5, 4.5, 6.2);
        painter.drawPath(hook);
        painter.drawPoint(QPointF(4.5, 8.2));
        break;
    }
    case Shape::Close:
        painter.drawLine(QPointF(1.5, 1.5), QPointF(7.5, 7.5));
        painter.drawLine(QPointF(7.5, 1.5), QPointF(1.5, 7.5));
        break;
    }
}

void NoteMark::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
}

void NoteMark::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool clickedHere = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (clickedHere)
        emit clicked();
}
