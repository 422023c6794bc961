#include "help/Help.h"
#include "help/HelpFile.h"
#include "help/HelpViewer.h"
#include "KeyPress.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

TEST(HelpFile, TopicsStartOnlyAtWellFormedHeaders)
{
    const struct {
        const char *name;
        QString text, topics;
    } rows[] = {
        // "context|title|text # ..."
        {"text before the first header", "stray\n\n[1000 First]\nOne.\n\nTwo.\n\n", "1000|First|One.\n\nTwo."},
        {"contents, spaced title", "[contents Contents]\n[1040   Spaced  ]\nText", "0|Contents| # 1040|Spaced|Text"},
        {"lowest, highest, line ends", "[1 Lo]\r\nOne\r\n\r\nTwo\n[2147483647 Hi]", "1|Lo|One\n\nTwo # 2147483647|Hi|"},
        {"no header", "Just some text\n[no header]\n", ""},
        {"bad title or number", "[1 T]\n[2]\n[3 ]\n[x L]\n[0 Z]\n[-5 N]", "1|T|[2]\n[3 ]\n[x L]\n[0 Z]\n[-5 N]"},
        {"beyond the largest number", "[1 T]\n[2147483648 B]", "1|T|[2147483648 B]"},
        {"not alone on its line", "[1 T]\n[1040 T] text\n [1050 I]", "1|T|[1040 T] text\n [1050 I]"},
    };
    for (const auto &row : rows) {
        QStringList topics;
        for (const HelpFile help = HelpFile::parse(row.text); const HelpPage &topic : help.topics())
            topics << QStringLiteral("%1|%2|%3").arg(topic.context).arg(topic.title, topic.text);
        EXPECT_EQ(topics.join(" # "), row.topics) << row.name;
    }
}

TEST(HelpViewer, EscapeClosesItFromEitherPart)
{
    Help help(TARROW_HELP_FILE);
    for (const char *part : {"listTopics", "textTopic"}) {
        help.showHelpContents();
        const QPointer<HelpViewer> viewer = help.viewer();
        ASSERT_TRUE(showActive(*viewer)) << part;
        pressOn(*viewer, part, Qt::Key_Escape);
        EXPECT_TRUE(!viewer || !viewer->isVisible()) << part;
        help.closeHelp();
    }
}
