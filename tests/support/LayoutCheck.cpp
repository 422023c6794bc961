#include "LayoutCheck.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QToolBar>

#include <cstdio>
namespace {

QString nameOf(const QWidget *widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

// Qt lays out the insides of these itself.
bool isControl(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QAbstractScrollArea *>(widget)
           || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QLineEdit *>(widget)
           || qobject_cast<const QToolBar *>(widget) || qobject_cast<const QMenuBar *>(widget)
           || qobject_cast<const QLabel *>(widget);
}

// Where a control shows, in its parent: a plain label only where its text or
// picture is, its ampersands shown as access keys only when it has a buddy.
QRect occupied(const QWidget *widget)
{
    const auto *label = qobject_cast<const QLabel *>(widget);
    if (!label || label->textFormat() == Qt::RichText)
        return widget->geometry();
    const QStyle *style = label->style();
    const int align = int(label->alignment());
    if (const QPixmap picture = label->pixmap(); !picture.isNull())
        return style->itemPixmapRect(label->contentsRect(), align, picture).translated(label->pos());
    if (label->text().isEmpty())
        return {};
    const int flags = align | (label->wordWrap() ? Qt::TextWordWrap : 0) | (label->buddy() ? Qt::TextShowMnemonic : 0);
    return style->itemTextRect(label->fontMetrics(), label->contentsRect(), flags, true, label->text())
        .translated(label->pos());
}

// The size a control's text needs and the place it has for it; both empty
// for controls without a text of their own.
std::pair<QSize, QSize> textAndPlace(const QWidget *widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    const QStyle *style = widget->style();
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->wordWrap())
            return {{label->width(), label->heightForWidth(label->width())}, label->size()};
        return {label->sizeHint(), label->size()};
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (qobject_cast<const QCheckBox *>(button))
            contents = QStyle::SE_CheckBoxContents;
        else if (qobject_cast<const QRadioButton *>(button))
            contents = QStyle::SE_RadioButtonContents;
        else if (const auto *push = qobject_cast<const QPushButton *>(button)) { // a default button's frame is wider
            if (push->isDefault())
                option.features |= QStyleOptionButton::DefaultButton;
            if (push->autoDefault())
                option.features |= QStyleOptionButton::AutoDefaultButton;
        }
        { QStyleOptionButton plain; plain.initFrom(button); plain.text = button->text();
          if (style->subElementRect(contents, &plain, button) != style->subElementRect(contents, &option, button)) std::fprintf(stderr, "HIT featdiff %s\n", qPrintable(button->objectName()));
          if (!button->icon().isNull()) std::fprintf(stderr, "HIT icon %s\n", qPrintable(button->objectName())); }
        return {metrics.size(Qt::TextShowMnemonic, button->text()),
                style->subElementRect(contents, &option, button).size()};
    }
    if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        QSize text(0, metrics.height());
        for (int i = 0; i < combo->count(); ++i)
            text = text.expandedTo(metrics.size(Qt::TextSingleLine, combo->itemText(i)));
        return {text, style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).size()};
    }
    if (const auto *box = qobject_cast<const QLineEdit *>(widget)) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        return {{0, metrics.height()}, style->subElementRect(QStyle::SE_LineEditContents, &option, box).size()};
    }
    return {};
}

void walk(const QWidget *parent, const AllowedOverlaps &allowed, QStringList &faults)
{
    QList<const QWidget *> shown;
    for (const QObject *child : parent->children()) {
        const auto *widget = qobject_cast<const QWidget *>(child);
        if (widget && !widget->isWindow() && widget->isVisible())
            shown << widget;
    }
    const auto sizeText = [](QSize size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()); };
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QWidget *widget = shown[i];
        const QString name = nameOf(widget);
        if (!QRect(QPoint(), parent->size()).contains(widget->geometry()))
            faults << name + " reaches outside " + nameOf(parent);
        const auto [text, place] = textAndPlace(widget);
        if (text.width() > place.width() || text.height() > place.height())
            faults << "the text of " + name + " needs " + sizeText(text) + " but has " + sizeText(place);
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            const QString other = nameOf(shown[j]);
            if (!allowed.contains({name, other}) && !allowed.contains({other, name})
                && occupied(widget).intersects(occupied(shown[j])))
                faults << name + " and " + other + " lie over each other";
        }
        if (!isControl(widget))
            walk(widget, allowed, faults);
    }
}

} // namespace

QStringList layoutFaults(const QWidget &window, const AllowedOverlaps &allowed)
{
    QStringList faults;
    walk(&window, allowed, faults);
    return faults;
}
