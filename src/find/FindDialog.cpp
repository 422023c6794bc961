#include "find/FindDialog.h"

#include "appstate/AppState.h"
#include "datelogic/MonthLayout.h"
#include "widgets/PlainText.h"
#include "widgets/ProgramFont.h"
#include "widgets/Twips.h"
#include "eventdata/DateText.h"
#include "help/Help.h"
#include "platform/Clock.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int ButtonsTop = 2220;

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &place, QWidget *buddy)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setBuddy(buddy);
    return label;
}

// No button is the default: Enter in the search box must not jump.
QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, int left)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setGeometry(twipsRect(left, ButtonsTop, 1095, 345));
    return button;
}

QComboBox *addFilter(QWidget *parent, const QString &name, const QString &spokenName, const QRect &place,
                     const QStringList &entries)
{
    auto *filter = new QComboBox(parent);
    filter->setObjectName(name);
    filter->setAccessibleName(spokenName);
    filter->setGeometry(place);
    filter->addItem(QString());
    filter->addItems(entries);
    filter->setCurrentIndex(-1);
    return filter;
}

} // namespace

FindDialog::FindDialog(const AppState &state, const Clock &clock, Help &help, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state), clock_(clock), help_(help)
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
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("Text"));
    text_->setGeometry(twipsRect(240, 360, 2055, 315));
    addLabel(this, QStringLiteral("labelExpression"), QStringLiteral("Search &expression and filters"),
             twipsRect(120, 120, 4455, 255), text_);

    comboMonth_ = addFilter(this, QStringLiteral("comboMonth"), QStringLiteral("Month"), twipsRect(2400, 360, 1335, 315),
                            monthNames());
    QStringList years;
    const int currentYear = clock_.today().year();
    for (int year = currentYear; year <= currentYear + ShownYearsAhead; ++year)
        years << QString::number(year);
    comboYear_ = addFilter(this, QStringLiteral("comboYear"), QStringLiteral("Year"), twipsRect(3840, 360, 855, 315),
                           years);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("List"));
    list_->setAccessibleName(QStringLiteral("Search results"));
    list_->setGeometry(twipsRect(240, 1080, 4455, 1035));
    addLabel(this, QStringLiteral("labelResults"), QStringLiteral("Search &result(s)"), twipsRect(120, 840, 4455, 255),
             list_);

    connect(text_, &QLineEdit::textChanged, this, &FindDialog::search);
    connect(comboMonth_, &QComboBox::activated, this, &FindDialog::search);
    connect(comboYear_, &QComboBox::activated, this, &FindDialog::search);
    connect(list_, &QListWidget::currentRowChanged, this, &FindDialog::resultSelected);
    connect(list_, &QListWidget::itemDoubleClicked, this, &FindDialog::jumpToResult);

    QPushButton *ok = addButton(this, QStringLiteral("commandOK"), QStringLiteral("&OK"), 1200);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (list_->count() == 0)
            reject();
        else
            jumpToResult();
    });
    connect(addButton(this, QStringLiteral("commandCancel"), QStringLiteral("&Cancel"), 2400), &QPushButton::clicked,
            this, &QDialog::reject);
    connect(addButton(this, QStringLiteral("commandHelp"), QStringLiteral("&Help"), 3600), &QPushButton::clicked,
            help_.addHelpKey(this, HelpContext::Find), &QAction::trigger);
}

void FindDialog::search()
{
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const int index : findEvents(state_, text_->text(), comboMonth_->currentText(), comboYear_->currentText())) {
        auto *item = new QListWidgetItem(state_.events[index].title, list_);
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
    result_ = findResultAt(state_, item->data(Qt::UserRole).toInt());
    list_->setToolTip(plainToolTip(result_->tooltip));
}

void FindDialog::jumpToResult()
{
    if (!result_ || list_->selectedItems().isEmpty())
        return;
    const int year = result_->jumpYear(clock_.today());
    if (!isShownYear(year, clock_.today().year())) {
        emit jumpRefused();
        return;
    }
    emit jumpRequested(result_->dayText.toInt(), monthNumber(result_->monthName), year);
    accept();
}
