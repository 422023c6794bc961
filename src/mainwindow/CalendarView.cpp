#include "mainwindow/CalendarView.h"

#include "eventdata/EventTable.h"
#include "settings/Settings.h"
#include "datelogic/MonthLayout.h"
#include "datelogic/EventSearch.h"
#include "widgets/ControlTable.h"
#include "widgets/ElidedText.h"
#include "widgets/PlainText.h"
#include "widgets/Twips.h"
#include "eventdata/TimeText.h"
#include "mainwindow/CategoryPictures.h"
#include "mainwindow/MonthGrid.h"
#include "platform/Clock.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>

#include <algorithm>

namespace {

constexpr int EventIndexRole = Qt::UserRole;
const auto NotAvailable = QStringLiteral("n/a");

// A detail shown shortened to its label, whole in the tool tip.
void setDetail(QLabel *label, const QString &text)
{
    label->setText(elideWithDots(text, label->fontMetrics(), label->width()));
    label->setToolTip(plainToolTip(text));
}

} // namespace

CalendarView::CalendarView(const EventTable &events, const Settings &settings, const Clock &clock, QWidget *parent)
    : QWidget(parent), events_(events), settings_(settings), clock_(clock), pictures_(new CategoryPictures(this)),
      grid_(new MonthGrid(this)), menuPopupEvent_(new QMenu(this))
{
    setObjectName(QStringLiteral("pictureCalendar"));
    grid_->setGeometry(twipsRect(3960, 0, 2775, 1995));
    pictures_->move(twipsToPixels(6480), twipsToPixels(2260));
    using enum ControlKind;
    // clang-format off
    const ControlSet controls(this, {
        {Heading, u"labelDateToday", {}, 75, 75, 3735, 255},
        // Seen when the list is hidden, on a day without events.
        {Label, u"labelNoMatchingEvents", u"No matching events found for this day.", 120, 320, 3735, 255},
        {ListBox, u"listboxEvents", {}, 80, 330, 3735, 1590},
        {Heading, u"labelTitle0", u"Title", 120, 2040, 975, 255},
        {TextLabel, u"labelTitle1", {}, 1200, 2040, 4455, 255},
        {Heading, u"labelComments0", u"Description", 120, 2280, 975, 255},
        {TextLabel, u"labelComments1", {}, 1200, 2280, 5175, 255},
        {TextLabel, u"labelTime", {}, 5960, 2040, 735, 255},
    });
    // clang-format on
    labelDateToday_ = controls.get<QLabel>(u"labelDateToday");
    labelTitle_ = controls.get<QLabel>(u"labelTitle1");
    labelComments_ = controls.get<QLabel>(u"labelComments1");
    labelTime_ = controls.get<QLabel>(u"labelTime");
    listboxEvents_ = controls.get<QListWidget>(u"listboxEvents");
    listboxEvents_->setAccessibleName(QStringLiteral("Events of the day"));
    setTabOrder(grid_, listboxEvents_); // the lists of the month, its days, then the day's events
    watchEventList();
    buildEventMenu();
}

void CalendarView::watchEventList()
{
    listboxEvents_->installEventFilter(this);
    listboxEvents_->viewport()->installEventFilter(this);
    connect(listboxEvents_, &QListWidget::currentRowChanged, this, &CalendarView::showDetails);
    connect(listboxEvents_, &QListWidget::itemDoubleClicked, this, &CalendarView::editRequested);
}

void CalendarView::buildEventMenu()
{
    menuPopupEvent_->setObjectName(QStringLiteral("menuPopupEvent"));
    QAction *edit = menuPopupEvent_->addAction(QStringLiteral("&Edit..."), this, &CalendarView::editRequested);
    edit->setObjectName(QStringLiteral("menuPopupEventEdit"));
    menuPopupEvent_->setDefaultAction(edit);
    menuPopupEvent_->addAction(QStringLiteral("&Remove"), this, &CalendarView::removeRequested)
        ->setObjectName(QStringLiteral("menuPopupEventRemove"));
}

void CalendarView::showDay(const QDate &day)
{
    fillList(day);
    resetDetails();
    if (hasEvents())
        listboxEvents_->setCurrentRow(0);
    drawMonth(day.year(), day.month(), day.day());
}

void CalendarView::fillList(const QDate &day)
{
    const std::vector<int> indexes = eventsOnDay(events_, day);
    const QSignalBlocker blocker(listboxEvents_);
    listboxEvents_->clear();
    for (const int index : indexes) {
        auto *item = new QListWidgetItem(events_.events[index].title, listboxEvents_);
        item->setData(EventIndexRole, index);
    }
    listboxEvents_->setVisible(!indexes.empty());
}

void CalendarView::resetDetails()
{
    setDetail(labelTitle_, NotAvailable);
    labelTitle_->setToolTip({});
    setDetail(labelComments_, NotAvailable);
    labelComments_->setToolTip({});
    labelTime_->clear();
    labelTime_->setToolTip({});
    pictures_->showCategoryImage(QStringLiteral("None"));
}

void CalendarView::showDetails()
{
    const int index = selectedEventIndex();
    if (index < 0)
        return;
    const Event &event = events_.events[index];
    setDetail(labelTitle_, event.title);
    setDetail(labelComments_, event.description);
    const QString time = timeText(event.time, settings_.uses12HourClock());
    labelTime_->setText(time);
    labelTime_->setToolTip(time);
    pictures_->showCategoryImage(event.category);
}

void CalendarView::drawMonth(int year, int month, int day)
{
    grid_->drawMonthGrid(year, month, day);
    markDays();
    labelDateToday_->setText(dateHeading(year, month, day));
}

void CalendarView::markDays()
{
    grid_->showMarks(dayMarks(grid_->layout(), events_, clock_.today()), settings_.markDays == 1);
}

bool CalendarView::hasEvents() const
{
    return listboxEvents_->count() > 0;
}

int CalendarView::selectedEventIndex() const
{
    const QListWidgetItem *item = listboxEvents_->currentItem();
    return item ? item->data(EventIndexRole).toInt() : -1;
}

bool CalendarView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == listboxEvents_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit editRequested();
            return true;
        }
        if (key == Qt::Key_Delete) {
            emit removeRequested();
            return true;
        }
    }
    // A right click opens the menu for the selected entry without selecting another.
    if (watched == listboxEvents_->viewport() && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
        menuPopupEvent_->popup(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
