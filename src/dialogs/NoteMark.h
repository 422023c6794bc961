#pragma once

#include <QWidget>

// One of the small marks at the right end of a note's caption bar, drawn as
// lines so that it stays sharp at any scale.
class NoteMark : public QWidget {
    Q_OBJECT

public:
    enum class Shape { Remove, Help, Close };

    NoteMark(Shape shape, QWidget *parent);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Shape shape_;
};
