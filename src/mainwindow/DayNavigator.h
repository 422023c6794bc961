#pragma once

#include "datelogic/EventSearch.h"

#include <QObject>
#include <QString>

class CalendarView;
class Clock;
class EventTable;
class QComboBox;
class QDate;
class QPoint;
struct AppState;

// Moves the displayed day: the month and year lists, clicks and keys in the
// grid, the next and previous event and a day found by Find. Every move into
// another month goes through the same range check.
class DayNavigator : public QObject {
    Q_OBJECT
public:
    DayNavigator(AppState &state, const Clock &clock, CalendarView &calendar, QComboBox &month, QComboBox &year);

    // Fills the lists with the months and the shown years and shows today.
    void showToday();
    // Shows the displayed day again, after its events changed.
    void showDisplayedDay();
    void goToNextEvent();
    void goToPreviousEvent();
    void showFoundDay(int day, int month, int year);
    void showDateOutOfRange();
    QString monthText() const;
    QString yearText() const;

signals:
    void dayShown(bool hasEvents);
    void addRequested();
    void menuRequested(const QPoint &globalPos);

private:
    using EventFinder = std::optional<CalendarDay> (*)(const EventTable &, CalendarDay, int);

    void monthChosen();
    void dayPressed(int cell, Qt::MouseButton button, const QPoint &globalPos);
    void dayDoubleClicked(int cell);
    void dayRequested(const QDate &day);
    bool moveMonth(int direction);
    CalendarDay displayedDay() const;
    void goToEvent(EventFinder find, const QString &title, const QString &noneFound);

    AppState &state_;
    const Clock &clock_;
    CalendarView &calendar_;
    QComboBox &month_;
    QComboBox &year_;
};
