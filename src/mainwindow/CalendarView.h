#pragma once

#include <QWidget>

class CategoryPictures;
class QDate;
class Clock;
class MonthGrid;
class QLabel;
class QListWidget;
class QMenu;
struct EventTable;
struct Settings;

// The calendar area of the main window: the heading of the displayed date,
// the list of that day's events with the details of the selected one, and
// the month grid.
class CalendarView : public QWidget {
    Q_OBJECT

public:
    CalendarView(const EventTable &events, const Settings &settings, const Clock &clock, QWidget *parent = nullptr);

    // Lists the events of the day, selects the first and draws its month.
    void showDay(const QDate &day);

    // Marks the drawn month's days anew, for a new day or a changed setting.
    void markDays();

    bool hasEvents() const;
    // The event of the selected entry, -1 when nothing is selected.
    int selectedEventIndex() const;

    MonthGrid *grid() const { return grid_; }
    // The day list's pop-up menu, for the window to draw as its other menus.
    QMenu *eventMenu() const { return menuPopupEvent_; }

signals:
    void editRequested();
    void removeRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchEventList();
    void buildEventMenu();
    void fillList(const QDate &day);
    void resetDetails();
    void showDetails();
    void drawMonth(int year, int month, int day);

    const EventTable &events_;
    const Settings &settings_;
    const Clock &clock_;
    QLabel *labelDateToday_ = nullptr;
    QListWidget *listboxEvents_ = nullptr;
    QLabel *labelTitle_ = nullptr;
    QLabel *labelComments_ = nullptr;
    QLabel *labelTime_ = nullptr;
    CategoryPictures *pictures_;
    MonthGrid *grid_;
    QMenu *menuPopupEvent_;
};
