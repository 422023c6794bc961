#include "help/Help.h"
#include "help/HelpFile.h"
#include "help/HelpViewer.h"
#include "KeyPress.h"
#include "TestSupport.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

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

// A FIFO would block the open, a huge file the memory: both are refused, as is a missing file.
TEST(HelpFile, OnlyARegularFileUpToTheLimitIsRead)
{
    DataFolderFixture dir;
#ifndef Q_OS_WIN // Windows has no FIFOs in folders
    const QString fifo = dir.file("tarrow.fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(HelpFile::load(fifo).isValid());
#endif
    EXPECT_FALSE(HelpFile::load(dir.file("missing.hlp")).isValid());
    dir.write("tarrow.hlp", "[1000 Topic]\nText\n");
    const QString atLimit = dir.file("tarrow.hlp");
    ASSERT_TRUE(QFile::resize(atLimit, HelpFile::MaxFileBytes)); // sparse: no disk used
    EXPECT_TRUE(HelpFile::load(atLimit).isValid());
    ASSERT_TRUE(QFile::resize(atLimit, HelpFile::MaxFileBytes + 1));
    EXPECT_FALSE(HelpFile::load(atLimit).isValid());
}

TEST(HelpViewer, ShowsTheFileTextLiterallyWithParagraphsAndLists)
{
    DataFolderFixture dir;
    dir.write("tarrow.hlp", "[contents Index]\n[1000 A <b>caf\xc3\xa9</b>]\nUse <i>this</i> &amp; that\nand more.\n\n"
                            "Intro:\n- first <item>\n  goes on\n- second\n");
    HelpViewer viewer(dir.file("tarrow.hlp"));
    viewer.showTopic(1000);
    const QTextDocument *shown = viewer.findChild<QTextBrowser *>("textTopic")->document();
    EXPECT_TRUE(shown->toPlainText().contains("A <b>caf\u00e9</b>")) << "as UTF-8, not as markup";
    EXPECT_TRUE(shown->toPlainText().contains("Use <i>this</i> &amp; that and more.")) << "lines of a paragraph joined";
    QStringList items, plain;
    for (QTextBlock block = shown->begin(); block.isValid(); block = block.next())
        (block.textList() ? items : plain).append(block.text());
    EXPECT_EQ(items, QStringList({"first <item> goes on", "second"})); // "Intro:" stays a paragraph
}

TEST(HelpViewer, AnUnknownTopicShowsTheContents)
{
    DataFolderFixture dir;
    dir.write("tarrow.hlp", "[contents Index]\n[1000 Topic]\nText\n");
    HelpViewer viewer(dir.file("tarrow.hlp"));
    viewer.showTopic(1234);
    EXPECT_EQ(viewer.findChild<QListWidget *>("listTopics")->currentItem()->text(), "Index");
}

TEST(Help, ViewerMovesToTheAskingWindowAndGoesWithIt)
{
    Help help(TARROW_HELP_FILE);
    help.showHelpContents();
    HelpViewer *viewer = help.viewer();
    auto *dialog = new QDialog;
    dialog->setWindowModality(Qt::ApplicationModal); // only its own windows take input: the viewer joins it
    dialog->show();
    help.showHelpTopic(new QWidget(dialog), HelpTopic::Settings);
    ASSERT_EQ(help.viewer(), viewer);
    EXPECT_TRUE(viewer->parentWidget() == dialog && viewer->isWindow() && viewer->isVisible());
    help.showHelpContents(); // asked from no window, it leaves the dialog
    EXPECT_TRUE(viewer->parentWidget() == nullptr && viewer->isVisible());
    help.showHelpTopic(dialog, HelpTopic::Settings);
    delete dialog;
    EXPECT_EQ(help.viewer(), nullptr); // it went with the dialog that owned it
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
