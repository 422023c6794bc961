#pragma once

#include "datelogic/EventSearch.h"

#include <QDate>
#include <QObject>

class CalendarView;
class Clock;
struct EventTable;
class QComboBox;
class QPoint;

// Owns the shown day and moves it: the month and year lists (views of the
// shown day), clicks and keys in the grid, the next and previous event and a
// day found by Find. Every move into another month goes through the same
// range check.
class DayNavigator : public QObject {
    Q_OBJECT
public:
    DayNavigator(const EventTable &events, const Clock &clock, CalendarView &calendar, QComboBox &month,
                 QComboBox &year);

    // Fills the lists with the months and the shown years and shows today.
    void showToday();
    // Shows the day, its month in the lists and its events.
    void showDay(const QDate &day);
    // Shows the shown day again, after its events changed.
    void showDisplayedDay();
    QDate shownDay() const { return shown_; }
    void goToNextEvent();
    void goToPreviousEvent();
    void showDateOutOfRange();

signals:
    void dayShown(bool hasEvents);
    void addRequested();
    void menuRequested(const QPoint &globalPos);

private:
    using EventFinder = std::optional<QDate> (*)(const EventTable &, const QDate &, int);

    void monthChosen();
    void dayPressed(int cell, Qt::MouseButton button, const QPoint &globalPos);
    void dayDoubleClicked(int cell);
    bool moveTo(const QDate &day);
    void goToEvent(EventFinder find, const QString &title, const QString &noneFound);

    const EventTable &events_;
    const Clock &clock_;
    CalendarView &calendar_;
    QComboBox &month_;
    QComboBox &year_;
    QDate shown_;
};
