#include "mainwindow/DayNavigator.h"

#include "datelogic/MonthLayout.h"
#include "messages/GeneralDialog.h"
#include "eventdata/DateText.h"
#include "mainwindow/CalendarView.h"
#include "mainwindow/MonthGrid.h"
#include "platform/Clock.h"

#include <QComboBox>
#include <QSignalBlocker>

DayNavigator::DayNavigator(const EventTable &events, const Clock &clock, CalendarView &calendar, QComboBox &month,
                           QComboBox &year)
    : QObject(&calendar), events_(events), clock_(clock), calendar_(calendar), month_(month), year_(year)
{
    connect(&month_, &QComboBox::currentIndexChanged, this, &DayNavigator::monthChosen);
    connect(&year_, &QComboBox::currentIndexChanged, this, &DayNavigator::monthChosen);
    const MonthGrid *grid = calendar_.grid();
    connect(grid, &MonthGrid::dayPressed, this, &DayNavigator::dayPressed);
    connect(grid, &MonthGrid::dayDoubleClicked, this, &DayNavigator::dayDoubleClicked);
    connect(grid, &MonthGrid::dayRequested, this, [this](const QDate &day) { moveTo(day); });
    connect(grid, &MonthGrid::addRequested, this, &DayNavigator::addRequested);
}

void DayNavigator::showToday()
{
    const QDate today = clock_.today();
    {
        const QSignalBlocker monthBlocker(month_), yearBlocker(year_);
        month_.addItems(monthNames());
        year_.addItems(shownYearTexts(today.year()));
    }
    showDay(today);
}

void DayNavigator::showDay(const QDate &day)
{
    shown_ = day;
    {
        const QSignalBlocker monthBlocker(month_), yearBlocker(year_);
        month_.setCurrentText(monthName(day.month()));
        year_.setCurrentText(QString::number(day.year()));
    }
    showDisplayedDay();
}

void DayNavigator::showDisplayedDay()
{
    calendar_.showDay(shown_);
    emit dayShown(calendar_.hasEvents());
}

// A month chosen in the lists keeps the shown day, or takes the month's last
// day when it is shorter.
void DayNavigator::monthChosen()
{
    shown_ = dayInMonth(year_.currentText().toInt(), month_.currentIndex() + 1, shown_.day());
    showDisplayedDay();
}

void DayNavigator::dayPressed(int cell, Qt::MouseButton button, const QPoint &globalPos)
{
    const GridCell pressed = calendar_.grid()->cell(cell);
    const bool right = button == Qt::RightButton;
    if (button != Qt::LeftButton && !(right && pressed.inMonth))
        return;
    if (!moveTo(calendar_.grid()->layout().date(cell)))
        return;
    if (right)
        emit menuRequested(globalPos);
}

void DayNavigator::dayDoubleClicked(int cell)
{
    if (calendar_.grid()->cell(cell).inMonth)
        emit addRequested();
}

// A day in another month, a grey day or one a key reaches, moves there when
// the month is among the shown years.
bool DayNavigator::moveTo(const QDate &day)
{
    if (!isShownYear(day.year(), clock_.today().year())) {
        showDateOutOfRange();
        return false;
    }
    showDay(day);
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
    if (const std::optional<QDate> found = find(events_, shown_, clock_.today().year()))
        showDay(*found);
    else
        GeneralDialog::ask(calendar_.window(), {MessageKind::Ok, title, noneFound, 1595});
}
