#pragma once

#include "datelogic/DayMark.h"
#include "datelogic/MonthLayout.h"

#include <QDate>
#include <QWidget>

#include <array>

class DayCell;
class QLabel;

// The month as a grid of day cells under the weekday headings. Grey cells
// belong to the previous or next month; the selected day is bold. The grid
// only draws and reports clicks and keys: what they do is the main window's.
class MonthGrid : public QWidget {
    Q_OBJECT

public:
    explicit MonthGrid(QWidget *parent = nullptr);

    void drawMonthGrid(int year, int month, int day);
    // The cells' names for screen readers, and when shown, the marks of days
    // with events and of today.
    void showMarks(const DayMarks &marks, bool shown);

    // The day number a cell shows and whether it belongs to the drawn month.
    const GridCell &cell(int index) const { return layout_.cell(index); }
    const MonthLayout &layout() const { return layout_; }

signals:
    void dayPressed(int cell, Qt::MouseButton button, const QPoint &globalPos);
    void dayDoubleClicked(int cell);
    // A key asks to select another day, which may lie in another month.
    void dayRequested(const QDate &day);
    // Enter on the selected day.
    void addRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The selected day's cell; -1 when the day is not in the drawn month.
    int selectedCell() const;
    void showFocusFrame();

    MonthLayout layout_{2000, 1};
    QDate selected_;
    std::array<DayCell *, MonthLayout::CellCount> cells_{};
};
