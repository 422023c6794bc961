#pragma once

#include <QLabel>

// One day of the month grid: its number, and when asked a small mark for a
// day with events, a thin frame for today and the keyboard's focus frame.
// Without any of them it paints as a plain label.
class DayCell : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    void setMarks(bool hasEvents, bool isToday);
    void setFocusFrame(bool shown);

    bool hasEventMark() const { return hasEvents_; }
    bool hasTodayFrame() const { return isToday_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool hasEvents_ = false;
    bool isToday_ = false;
    bool focusFrame_ = false;
};
