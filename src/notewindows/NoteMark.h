#pragma once

#include <QWidget>

// One of the small marks at the right end of a note's caption bar, drawn as
// lines so that it stays sharp at any scale. Like a button it acts on a left
// release over itself after a left press on itself; it takes every press, so
// a press on a mark never drags the note.
class NoteMark : public QWidget {
    Q_OBJECT

public:
    enum class Shape { Remove, Help, Close };

    NoteMark(Shape shape, QWidget *parent);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Shape shape_;
    bool pressed_ = false;
};
