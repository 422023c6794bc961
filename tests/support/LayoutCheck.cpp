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
#include <QTextDocument>
#include <QToolBar>

namespace {

QString nameOf(const QWidget *widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// Qt lays out the insides of these itself.
bool isControl(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QAbstractScrollArea *>(widget)
           || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QLineEdit *>(widget)
           || qobject_cast<const QToolBar *>(widget) || qobject_cast<const QMenuBar *>(widget)
           || qobject_cast<const QLabel *>(widget);
}

bool isRichText(const QLabel &label)
{
    return label.textFormat() == Qt::RichText
           || (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()));
}

// A label shows its ampersands as access keys only when it has a buddy.
int labelTextFlags(const QLabel &label)
{
    return int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0)
           | (label.buddy() ? Qt::TextShowMnemonic : 0);
}

// Where a control shows, in its parent: a label only where its text or picture is.
QRect occupied(const QWidget *widget)
{
    const auto *label = qobject_cast<const QLabel *>(widget);
    if (!label || isRichText(*label))
        return widget->geometry();
    const QStyle *style = label->style();
    if (const QPixmap picture = label->pixmap(); !picture.isNull())
        return style->itemPixmapRect(label->contentsRect(), int(label->alignment()), picture).translated(label->pos());
    if (label->text().isEmpty())
        return {};
    return style->itemTextRect(label->fontMetrics(), label->contentsRect(), labelTextFlags(*label), true, label->text())
        .translated(label->pos());
}

QStyleOptionButton buttonOption(const QAbstractButton &button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    if (const auto *push = qobject_cast<const QPushButton *>(&button)) {
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
    }
    return option;
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
        const QStyle::SubElement contents = qobject_cast<const QCheckBox *>(button)      ? QStyle::SE_CheckBoxContents
                                            : qobject_cast<const QRadioButton *>(button) ? QStyle::SE_RadioButtonContents
                                                                                         : QStyle::SE_PushButtonContents;
        const QStyleOptionButton option = buttonOption(*button);
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

class Walk {
public:
    explicit Walk(const AllowedOverlaps &allowed) : allowed_(allowed) {}

    void check(const QWidget *parent)
    {
        QList<const QWidget *> shown;
        for (const QObject *child : parent->children()) {
            const auto *widget = qobject_cast<const QWidget *>(child);
            if (widget && !widget->isWindow() && widget->isVisible())
                shown << widget;
        }
        for (const QWidget *widget : shown) {
            checkOne(parent, widget);
            if (!isControl(widget))
                check(widget);
        }
        for (qsizetype i = 0; i < shown.size(); ++i) {
            for (qsizetype j = i + 1; j < shown.size(); ++j)
                checkOverlap(shown[i], shown[j]);
        }
    }

    QStringList faults;

private:
    void checkOne(const QWidget *parent, const QWidget *widget)
    {
        if (!QRect(QPoint(), parent->size()).contains(widget->geometry()))
            faults << QStringLiteral("%1 reaches outside %2").arg(nameOf(widget), nameOf(parent));
        const auto [text, place] = textAndPlace(widget);
        if (text.width() > place.width() || text.height() > place.height())
            faults << QStringLiteral("the text of %1 needs %2 but has %3")
                          .arg(nameOf(widget), sizeText(text), sizeText(place));
    }

    void checkOverlap(const QWidget *a, const QWidget *b)
    {
        const QString first = nameOf(a);
        const QString second = nameOf(b);
        if (allowed_.contains({first, second}) || allowed_.contains({second, first}))
            return;
        if (occupied(a).intersects(occupied(b)))
            faults << QStringLiteral("%1 and %2 lie over each other").arg(first, second);
    }

    const AllowedOverlaps &allowed_;
};

} // namespace

QStringList layoutFaults(const QWidget &window, const AllowedOverlaps &allowed)
{
    Walk walk(allowed);
    walk.check(&window);
    return walk.faults;
}
