#include "widgets/ElidedText.h"

#include <QtWidgets>

#include <gtest/gtest.h>

TEST(ElidedText, KeepsTheLongestPrefixThatFitsWithTheDots)
{
    const QFontMetrics metrics(QApplication::font());
    const QString text = QStringLiteral("Bring the insurance card and the forms");
    const int whole = metrics.horizontalAdvance(text);
    EXPECT_EQ(elideWithDots(text, metrics, whole), text);
    // One pixel short, room for the dots only, and exactly for a prefix with them.
    const int dots = metrics.horizontalAdvance("...");
    for (const int width : {whole - 1, dots, metrics.horizontalAdvance(text.left(9)) + dots}) {
        const QString shown = elideWithDots(text, metrics, width);
        const QString kept = shown.chopped(3);
        EXPECT_TRUE(shown.endsWith("...") && text.startsWith(kept)) << width;
        EXPECT_LE(metrics.horizontalAdvance(shown), width);
        EXPECT_GT(metrics.horizontalAdvance(text.left(kept.size() + 1) + "..."), width);
    }
}
