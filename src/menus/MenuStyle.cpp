#include "menus/MenuStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace {

constexpr int TextGap = 5;
constexpr int IconColumn = MenuStyle::IconSize + 2;
// What the measure leaves right of the text: a second icon column less the
// system's check mark width.
constexpr int RightGap = IconColumn - (MenuStyle::SystemCheckWidth - 1);
const QString ShortcutGap = QStringLiteral("    ");

// The shown text and the shortcut of an item, as the menu hands them over.
QString shownText(const QStyleOptionMenuItem &item)
{
    return QString(item.text).replace(QLatin1Char('\t'), ShortcutGap);
}

void drawCheckGlyph(QPainter *painter, const QRectF &box, bool asCheck, const QColor &colour)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (asCheck) {
        QPainterPath tick;
        tick.moveTo(box.left() + box.width() * 0.2, box.top() + box.height() * 0.55);
        tick.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.75);
        tick.lineTo(box.left() + box.width() * 0.8, box.top() + box.height() * 0.28);
        painter->setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(tick);
    } else {
        painter->setPen(Qt::NoPen);
        painter->setBrush(colour);
        painter->drawEllipse(box.center(), box.width() * 0.18, box.height() * 0.18);
    }
    painter->restore();
}

} // namespace

// Fusion underneath: the same look on every platform, and it leaves the
// drawing of whole items to us.
MenuStyle::MenuStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QSize MenuStyle::measure(const QString &text, bool separator, const QFontMetrics &metrics)
{
    // A separator takes no width of its own; one pixel keeps Qt from taking
    // the item for an empty one and leaving it out.
    if (separator)
        return {1, SystemMenuHeight / 2};
    const QSize textSize = metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, text);
    const int height = std::max(textSize.height(), SystemMenuHeight);
    return {IconColumn + TextGap + textSize.width() + RightGap, height};
}

QRect MenuStyle::textArea(const QRect &item)
{
    return item.adjusted(IconColumn + TextGap, 0, -RightGap, 0);
}

QFont MenuStyle::itemFont(const QStyleOptionMenuItem &item)
{
    QFont font = item.font;
    if (item.menuItemType == QStyleOptionMenuItem::DefaultItem)
        font.setBold(true);
    return font;
}

QSize MenuStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                  const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (type != CT_MenuItem || !item)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    return measure(shownText(*item), item->menuItemType == QStyleOptionMenuItem::Separator,
                   QFontMetrics(itemFont(*item)));
}

int MenuStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (metric == PM_SmallIconSize)
        return IconSize;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void MenuStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                            const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (element != CE_MenuItem || !item) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QRect area = item->rect;
    const QPalette &palette = item->palette;
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        const int middle = area.center().y();
        painter->setPen(palette.color(QPalette::Dark));
        painter->drawLine(area.left() + 2, middle, area.right() - 2, middle);
        painter->setPen(palette.color(QPalette::Light));
        painter->drawLine(area.left() + 2, middle + 1, area.right() - 2, middle + 1);
        return;
    }

    const bool enabled = item->state.testFlag(State_Enabled);
    const bool selected = enabled && item->state.testFlag(State_Selected);
    if (selected)
        painter->fillRect(area, palette.color(QPalette::Highlight)); // the whole item, icon column included
    const QColor textColour = !enabled   ? palette.color(QPalette::Disabled, QPalette::Text)
                              : selected ? palette.color(QPalette::HighlightedText)
                                         : palette.color(QPalette::Text);

    const QRect iconBox(area.left() + 1, area.top() + (area.height() - IconSize) / 2, IconSize, IconSize);
    if (item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked)
        drawCheckGlyph(painter, iconBox, item->checkType == QStyleOptionMenuItem::NonExclusive, textColour);
    else if (!item->icon.isNull())
        item->icon.paint(painter, iconBox, Qt::AlignCenter, enabled ? QIcon::Normal : QIcon::Disabled);

    const QRect textBox = textArea(area);
    const QStringList parts = item->text.split(QLatin1Char('\t'));
    painter->setPen(textColour);
    painter->setFont(itemFont(*item));
    const int flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    painter->drawText(textBox, flags | Qt::AlignLeft, parts.value(0));
    if (parts.size() > 1)
        painter->drawText(textBox, flags | Qt::AlignRight, parts.value(1));
}
