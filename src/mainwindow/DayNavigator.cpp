#include "mainwindow/DayNavigator.h"

#include "appstate/AppState.h"
#include "datelogic/MonthLayout.h"
#include "dialogs/GeneralDialog.h"
#include "eventdata/DateText.h"
#include "mainwindow/CalendarView.h"
#include "mainwindow/MonthGrid.h"
#include "platform/Clock.h"

#include <QComboBox>
#include <QDate>
#include <QScopedValueRollback>

DayNavigator::DayNavigator(AppState &state, const Clock &clock, CalendarView &calendar, QComboBox &month,
                           QComboBox &year)
    : QObject(&calendar), state_(state), clock_(clock), calendar_(calendar), month_(month), year_(year)
{
    connect(&month_, &QComboBox::currentIndexChanged, this, &DayNavigator::monthChosen);
    connect(&year_, &QComboBox::currentIndexChanged, this, &DayNavigator::monthChosen);
    const MonthGrid *grid = calendar_.grid();
    connect(grid, &MonthGrid::dayPressed, this, &DayNavigator::dayPressed);
    connect(grid, &MonthGrid::dayDoubleClicked, this, &DayNavigator::dayDoubleClicked);
    connect(grid, &MonthGrid::dayRequested, this, &DayNavigator::dayRequested);
    connect(grid, &MonthGrid::addRequested, this, &DayNavigator::addRequested);
}

void DayNavigator::showToday()
{
    const QDate today = clock_.today();
    month_.addItems(monthNames());
    for (int year = today.year(); year <= today.year() + ShownYearsAhead; ++year)
        year_.addItem(QString::number(year));
    year_.setCurrentText(QString::number(today.year()));
    month_.setCurrentText(monthName(today.month()));
    state_.displayedDay = QString::number(today.day());
    showDisplayedDay();
}

void DayNavigator::showDisplayedDay()
{
    calendar_.showDay(state_.displayedDay.toInt(), monthNumber(monthText()), yearText().toInt());
    emit dayShown(calendar_.hasEvents());
}

QString DayNavigator::monthText() const
{
    return month_.currentText();
}

QString DayNavigator::yearText() const
{
    return year_.currentText();
}

CalendarDay DayNavigator::displayedDay() const
{
    return {state_.displayedDay.toInt(), monthNumber(monthText()), yearText().toInt()};
}

// A month chosen in the lists keeps the displayed day, or takes the month's
// last day when it is shorter.
void DayNavigator::monthChosen()
{
    if (state_.navigating)
        return;
    const int length = daysInMonth(monthNumber(monthText()), yearText().toInt());
    if (state_.displayedDay.toInt() > length)
        state_.displayedDay = twoDigits(length);
    showDisplayedDay();
}

void DayNavigator::dayPressed(int cell, Qt::MouseButton button, const QPoint &globalPos)
{
    const GridCell pressed = calendar_.grid()->cell(cell);
    const bool right = button == Qt::RightButton;
    if (button != Qt::LeftButton && !(right && pressed.inMonth))
        return;
    // A grey day belongs to the month before (high numbers) or after (low ones).
    if (!pressed.inMonth && !moveMonth(pressed.day < 15 ? 1 : -1))
        return;
    state_.displayedDay = twoDigits(pressed.day);
    showDisplayedDay();
    if (right && calendar_.grid()->cell(cell).inMonth)
        emit menuRequested(globalPos);
}

void DayNavigator::dayDoubleClicked(int cell)
{
    if (calendar_.grid()->cell(cell).inMonth)
        emit addRequested();
}

// A key's day in another month moves there as a click on a grey day does.
void DayNavigator::dayRequested(const QDate &day)
{
    const CalendarDay shown = displayedDay();
    const int direction = (day.year() - shown.year) * 12 + day.month() - shown.month;
    if (direction != 0 && !moveMonth(direction))
        return;
    state_.displayedDay = twoDigits(day.day());
    showDisplayedDay();
}

bool DayNavigator::moveMonth(int direction)
{
    const QScopedValueRollback navigating(state_.navigating, true);
    const QDate moved = QDate(yearText().toInt(), monthNumber(monthText()), 1).addMonths(direction);
    if (!isShownYear(moved.year(), clock_.today().year())) {
        showDateOutOfRange();
        return false;
    }
    month_.setCurrentText(monthName(moved.month()));
    year_.setCurrentText(QString::number(moved.year()));
    return true;
}

void DayNavigator::showDateOutOfRange()
{
    const int currentYear = clock_.today().year();
    GeneralDialog::ask(calendar_.window(),
                       {MessageKind::Ok, QStringLiteral("Date out of range"),
                        QStringLiteral("The calendar can show dates between January %1 and December %2.")
                            .arg(currentYear)
                            .arg(currentYear + ShownYearsAhead),
                        1615});
}

void DayNavigator::goToNextEvent()
{
    goToEvent(findNextEvent, QStringLiteral("Next event"), QStringLiteral("No future event(s) found."));
}

void DayNavigator::goToPreviousEvent()
{
    goToEvent(findPreviousEvent, QStringLiteral("Previous event"), QStringLiteral("No earlier event(s) found."));
}

void DayNavigator::goToEvent(EventFinder find, const QString &title, const QString &noneFound)
{
    if (const std::optional<CalendarDay> found = find(state_, displayedDay(), clock_.today().year()))
        showFoundDay(found->day, found->month, found->year);
    else
        GeneralDialog::ask(calendar_.window(), {MessageKind::Ok, title, noneFound, 1595});
}

void DayNavigator::showFoundDay(int day, int month, int year)
{
    const QScopedValueRollback navigating(state_.navigating, true);
    state_.displayedDay = twoDigits(day);
    month_.setCurrentText(monthName(month));
    year_.setCurrentText(QString::number(year));
    showDisplayedDay();
}
