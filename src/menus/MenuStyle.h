#pragma once

#include <QProxyStyle>

class QFontMetrics;
class QStyleOptionMenuItem;

// Draws the program's pop-up menus itself: 16 x 16 icons, its own check and
// mark glyphs and a highlight across the whole item in the system's
// highlight colour, with items measured by the program's own rules.
class MenuStyle : public QProxyStyle {
    Q_OBJECT

public:
    static constexpr int IconSize = 16;
    static constexpr int SystemMenuHeight = 19; // a menu bar's height at 96 dpi
    static constexpr int SystemCheckWidth = 13; // the system's check mark width at 96 dpi

    MenuStyle();

    // A separator is half a menu high; a pop-up item is as wide as its text
    // with room for the icon and the check column.
    static QSize measure(const QString &text, bool separator, const QFontMetrics &metrics);
    // Where a pop-up item's text goes: measure() leaves exactly its width.
    static QRect textArea(const QRect &item);
    // The font an item is measured and drawn in: the default item's is bold.
    static QFont itemFont(const QStyleOptionMenuItem &item);

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override;
};
