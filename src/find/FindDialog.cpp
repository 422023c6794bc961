#include "find/FindDialog.h"

#include "eventdata/EventTable.h"
#include "datelogic/MonthLayout.h"
#include "widgets/ControlTable.h"
#include "widgets/PlainText.h"
#include "widgets/ProgramFont.h"
#include "widgets/Twips.h"
#include "eventdata/DateText.h"
#include "help/Help.h"
#include "platform/Clock.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// A filter starts with an empty entry (no filter) and nothing chosen.
void fillFilter(QComboBox *filter, const QStringList &entries)
{
    filter->addItem(QString());
    filter->addItems(entries);
    filter->setCurrentIndex(-1);
}

} // namespace

FindDialog::FindDialog(const EventTable &events, const Clock &clock, Help &help, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      events_(events), clock_(clock), help_(help)
{
    setObjectName(QStringLiteral("formFind"));
    setWindowTitle(QStringLiteral("Find event"));
    setFont(programFont());
    setFixedSize(twipsToPixels(4815), twipsToPixels(2670));
    buildWindow();
    search();
}

void FindDialog::buildWindow()
{
    using enum ControlKind;
    // clang-format off
    const ControlSet controls(this, {
        {LineEdit, u"Text", {}, 240, 360, 2055, 315},
        {Label, u"labelExpression", u"Search &expression and filters", 120, 120, 4455, 255},
        {ComboBox, u"comboMonth", {}, 2400, 360, 1335, 315},
        {ComboBox, u"comboYear", {}, 3840, 360, 855, 315},
        {ListBox, u"List", {}, 240, 1080, 4455, 1035},
        {Label, u"labelResults", u"Search &result(s)", 120, 840, 4455, 255},
        {Button, u"commandOK", u"&OK", 1200, 2220, 1095, 345},
        {Button, u"commandCancel", u"&Cancel", 2400, 2220, 1095, 345},
        {Button, u"commandHelp", u"&Help", 3600, 2220, 1095, 345},
    });
    // clang-format on
    text_ = controls.get<QLineEdit>(u"Text");
    comboMonth_ = controls.get<QComboBox>(u"comboMonth");
    comboYear_ = controls.get<QComboBox>(u"comboYear");
    list_ = controls.get<QListWidget>(u"List");
    comboMonth_->setAccessibleName(QStringLiteral("Month"));
    comboYear_->setAccessibleName(QStringLiteral("Year"));
    list_->setAccessibleName(QStringLiteral("Search results"));
    controls.get<QLabel>(u"labelExpression")->setBuddy(text_);
    controls.get<QLabel>(u"labelResults")->setBuddy(list_);
    fillFilter(comboMonth_, monthNames());
    fillFilter(comboYear_, shownYearTexts(clock_.today().year()));

    connect(text_, &QLineEdit::textChanged, this, &FindDialog::search);
    connect(comboMonth_, &QComboBox::activated, this, &FindDialog::search);
    connect(comboYear_, &QComboBox::activated, this, &FindDialog::search);
    connect(list_, &QListWidget::currentRowChanged, this, &FindDialog::resultSelected);
    connect(list_, &QListWidget::itemDoubleClicked, this, &FindDialog::jumpToResult);

    connectButtons(controls);
}

void FindDialog::connectButtons(const ControlSet &controls)
{
    auto *ok = controls.get<QPushButton>(u"commandOK");
    auto *cancel = controls.get<QPushButton>(u"commandCancel");
    auto *helpButton = controls.get<QPushButton>(u"commandHelp");
    connect(ok, &QPushButton::clicked, this, [this] {
        if (list_->count() == 0)
            reject();
        else
            jumpToResult();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, help_.addHelpKey(this, HelpTopic::Find), &QAction::trigger);
    // No button is the default, so Enter in the search box does not jump. A
    // dialog would make its first auto-default button the default one, so
    // these take Enter themselves, and only while they have the focus.
    for (QPushButton *button : {ok, cancel, helpButton}) {
        button->setAutoDefault(false);
        button->installEventFilter(this);
    }
}

bool FindDialog::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<QPushButton *>(watched);
    if (button && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            button->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FindDialog::search()
{
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const int index : findEvents(events_, text_->text(), comboMonth_->currentText(), comboYear_->currentText())) {
        auto *item = new QListWidgetItem(events_.events[index].title, list_);
        item->setData(Qt::UserRole, index);
    }
    list_->setEnabled(list_->count() > 0);
    if (list_->count() > 0) {
        list_->setCurrentRow(0);
        resultSelected();
    }
}

void FindDialog::resultSelected()
{
    const QListWidgetItem *item = list_->currentItem();
    if (!item)
        return;
    result_ = findResultAt(events_, item->data(Qt::UserRole).toInt());
    list_->setToolTip(plainToolTip(result_->tooltip));
}

void FindDialog::jumpToResult()
{
    if (!result_ || list_->selectedItems().isEmpty())
        return;
    const QDate day = result_->jumpDate(clock_.today());
    if (!day.isValid() || !isShownYear(day.year(), clock_.today().year())) {
        emit jumpRefused();
        return;
    }
    emit jumpRequested(day);
    accept();
}
