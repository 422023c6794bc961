#include "LayoutCheck.h"

#include <QtWidgets>

QString controlName(const QWidget *widget)
{
    return widget->objectName().isEmpty() ? widget->metaObject()->className() : widget->objectName();
}

namespace {

// Where a control shows, in its parent: a plain label only where its text or picture is, its ampersands shown as access
// keys only when it has a buddy.
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

// The size a control's text needs and the place it has for it; both empty for controls without a text of their own.
std::pair<QSize, QSize> textAndPlace(const QWidget *widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    const QStyle *style = widget->style();
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        const int width = label->width();
        return {label->wordWrap() ? QSize(width, label->heightForWidth(width)) : label->sizeHint(), label->size()};
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const auto contents = qobject_cast<const QCheckBox *>(button)      ? QStyle::SE_CheckBoxContents
                              : qobject_cast<const QRadioButton *>(button) ? QStyle::SE_RadioButtonContents
                                                                           : QStyle::SE_PushButtonContents;
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

} // namespace

QStringList layoutFaults(const QWidget &window, const QList<QPair<QString, QString>> &allowed)
{
    QList<const QWidget *> shown;
    for (const QWidget *widget : window.findChildren<const QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!widget->isWindow() && widget->isVisible())
            shown << widget;
    }
    QStringList faults;
    const auto sizeText = [](QSize size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()); };
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QWidget *widget = shown[i];
        const QString name = controlName(widget);
        if (!window.rect().contains(widget->geometry()))
            faults << name + " reaches outside " + controlName(&window);
        const auto [text, place] = textAndPlace(widget);
        if (text.width() > place.width() || text.height() > place.height())
            faults << "the text of " + name + " needs " + sizeText(text) + " but has " + sizeText(place);
        for (const QWidget *other : shown.mid(i + 1)) {
            const QString otherName = controlName(other);
            if (!allowed.contains({name, otherName}) && !allowed.contains({otherName, name})
                && occupied(widget).intersects(occupied(other)))
                faults << name + " and " + otherName + " lie over each other";
        }
        // Qt lays out the insides of these itself.
        if (!qobject_cast<const QAbstractScrollArea *>(widget) && !qobject_cast<const QToolBar *>(widget)
            && !qobject_cast<const QMenuBar *>(widget))
            faults << layoutFaults(*widget, allowed);
    }
    return faults;
}
