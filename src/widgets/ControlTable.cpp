#include "widgets/ControlTable.h"

#include "widgets/AccessKeyWinner.h"
#include "widgets/LimitedTextEdit.h"
#include "widgets/TextLimit.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>

namespace {

QWidget *makeLabel(QWidget *parent, const Control &control)
{
    auto *label = new QLabel(control.caption.toString(), parent);
    if (control.kind == ControlKind::TextLabel || control.kind == ControlKind::Image)
        label->setTextFormat(Qt::PlainText); // user's text shows as typed
    if (control.kind == ControlKind::Heading) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }
    return label;
}

QLineEdit *makeLineEdit(QWidget *parent, const Control &control)
{
    auto *box = new QLineEdit(parent);
    if (control.maxLength > 0)
        limitLength(box, control.maxLength);
    // The validator judges the whole text, so pasted text is held to digits
    // as much as typed text is.
    if (control.kind == ControlKind::DigitBox)
        box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    return box;
}

QWidget *makeTextBox(QWidget *parent, const Control &control)
{
    if (control.maxLength > 0)
        return new LimitedTextEdit(control.maxLength, parent);
    return new QPlainTextEdit(parent);
}

QWidget *makeWidget(QWidget *parent, const Control &control)
{
    switch (control.kind) {
    case ControlKind::Label:
    case ControlKind::Heading:
    case ControlKind::TextLabel:
    case ControlKind::Image:
        return makeLabel(parent, control);
    case ControlKind::Button: {
        auto *button = new QPushButton(control.caption.toString(), parent);
        // Enter presses the focused button, as on Windows: a dialog makes it
        // the default button while it has the focus, and the window's own
        // default again when the focus moves on.
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(control.caption.toString(), parent);
    case ControlKind::LineEdit:
    case ControlKind::DigitBox:
        return makeLineEdit(parent, control);
    case ControlKind::TextBox:
        return makeTextBox(parent, control);
    case ControlKind::ComboBox:
        return new QComboBox(parent);
    case ControlKind::ListBox:
        return new QListWidget(parent);
    case ControlKind::RadioButton:
        return new QRadioButton(control.caption.toString(), parent);
    case ControlKind::Frame:
        return new QFrame(parent);
    case ControlKind::Pages:
        return new QStackedWidget(parent);
    case ControlKind::Line: {
        auto *line = new QFrame(parent);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    }
    }
    return nullptr;
}

QWidget *makeControl(QWidget *parent, const Control &control)
{
    QWidget *widget = makeWidget(parent, control);
    widget->setObjectName(control.name.toString());
    widget->setGeometry(twipsRect(control.left, control.top, control.width, control.height));
    if (!control.toolTip.isEmpty()) {
        widget->setToolTip(control.toolTip.toString());
        // A control without a caption is spoken by what its tip says.
        if (control.caption.isEmpty())
            widget->setAccessibleName(control.toolTip.toString());
    }
    if (auto *pages = qobject_cast<QStackedWidget *>(parent))
        pages->addWidget(widget);
    return widget;
}

} // namespace

ControlSet::ControlSet(QWidget *parent, std::initializer_list<Control> table)
{
    made_.reserve(table.size());
    for (const Control &control : table) {
        QWidget *holder = control.parent.isEmpty() ? parent : find(control.parent);
        made_.emplace_back(control.name, makeControl(holder, control));
    }
    settleKeyClashes(table);
}

// The rows and the made controls stand in the same order.
void ControlSet::settleKeyClashes(std::initializer_list<Control> table) const
{
    const auto keyOf = [](const Control &control) { return QKeySequence::mnemonic(control.caption.toString()); };
    for (const Control &winner : table) {
        if (winner.keyClash == KeyClash::TakesTurns)
            find(winner.name)->setProperty(TakesTurnsProperty, true); // Qt's shortcuts take turns by themselves
        if (winner.keyClash != KeyClash::Wins)
            continue;
        QList<QWidget *> sharers;
        for (size_t row = 0; row < made_.size(); ++row) {
            const Control &other = table.begin()[row];
            if (other.name != winner.name && keyOf(other) == keyOf(winner))
                sharers << made_[row].second;
        }
        new AccessKeyWinner(find(winner.name), sharers);
    }
}

QWidget *ControlSet::find(QStringView name) const
{
    for (const auto &[madeName, widget] : made_) {
        if (madeName == name)
            return widget;
    }
    Q_ASSERT_X(false, "ControlSet", "no control of that name in the window's table");
    return nullptr;
}
