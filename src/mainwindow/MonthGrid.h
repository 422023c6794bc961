#pragma once

#include "datelogic/MonthLayout.h"

#include <QWidget>

#include <array>

class QLabel;

// The month as a grid of day cells under the weekday headings. Grey cells
// belong to the previous or next month; the selected day is bold. The grid
// only draws and reports clicks: what a click does is the main window's.
class MonthGrid : public QWidget {
    Q_OBJECT

public:
    explicit MonthGrid(QWidget *parent = nullptr);

    void drawMonthGrid(int year, int month, int day);

    // The day number a cell shows and whether it belongs to the drawn month.
    const GridCell &cell(int index) const { return layout_.cell(index); }
    QLabel *dayLabel(int index) const { return cells_.at(index); }

signals:
    void dayPressed(int cell, Qt::MouseButton button, const QPoint &globalPos);
    void dayDoubleClicked(int cell);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MonthLayout layout_{2000, 1};
    std::array<QLabel *, MonthLayout::CellCount> cells_{};
};
