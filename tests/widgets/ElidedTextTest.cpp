#include "widgets/ElidedText.h"

#include <QApplication>
#include <QFontMetrics>

#include <gtest/gtest.h>

TEST(ElidedText, KeepsTheLongestPrefixThatFitsWithTheDots)
{
    const QFontMetrics metrics(QApplication::font());
    const QString text = QStringLiteral("Bring the insurance card and the forms");
    const int whole = metrics.horizontalAdvance(text);
    const struct { const char *name; int width; bool shortened; } rows[] = {
        {"wider than the text", whole + 1, false},
        {"exactly the text", whole, false},
        {"one pixel short", whole - 1, true},
        {"room for the dots only", metrics.horizontalAdvance(QStringLiteral("...")), true},
    };
    for (const auto &row : rows) {
        const QString shown = elideWithDots(text, metrics, row.width);
        EXPECT_EQ(shown == text, !row.shortened) << row.name;
        if (!row.shortened)
            continue;
        ASSERT_TRUE(shown.endsWith("...")) << row.name;
        const QString kept = shown.chopped(3);
        EXPECT_TRUE(text.startsWith(kept)) << row.name;
        EXPECT_LE(metrics.horizontalAdvance(shown), row.width) << row.name;
        EXPECT_GT(metrics.horizontalAdvance(text.left(kept.size() + 1) + "..."), row.width) << row.name;
    }
}
