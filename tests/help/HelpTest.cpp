#include "help/Help.h"
#include "help/HelpFile.h"
#include "help/HelpViewer.h"

#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct HelpFiles : ::testing::Test { // help files that vanish with the fixture
    QString write(const QByteArray &content)
    {
        QFile file(dir_.filePath(QStringLiteral("tarrow%1.hlp").arg(++count_)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        return file.fileName();
    }
    QTemporaryDir dir_;
    int count_ = 0;
};

} // namespace

TEST(ShippedHelpFile, HasATopicForEveryWindowAndListsThemInTheContents)
{
    const HelpFile help = HelpFile::load(QStringLiteral(TARROW_HELP_FILE));
    const auto topic = [&help](int context) { return help.topic(context).value_or(HelpTopic{}); };
    const QString contents = topic(HelpContext::Contents).text;
    for (int context : {HelpContext::GettingStarted, HelpContext::Settings, HelpContext::EventDialog,
                        HelpContext::Find, HelpContext::Note})
        EXPECT_TRUE(topic(context).text.size() > 200 && contents.contains(topic(context).title)) << context;
    for (const char *file : {"calendar.dat", "notes.dat", "tarrow.ini"}) // every data file the program writes
        EXPECT_TRUE(topic(HelpContext::GettingStarted).text.contains(QLatin1String(file))) << file;
}

TEST(HelpFileParse, TopicsStartOnlyAtWellFormedHeaders)
{
    const struct { const char *name; QString text, topics; } rows[] = { // "context|title|text # ..."
        {"text before the first header", "stray\n\n[1000 First]\nOne.\n\nTwo.\n\n", "1000|First|One.\n\nTwo."},
        {"contents, spaced title", "[contents Contents]\n[1040   Spaced  ]\nText", "0|Contents| # 1040|Spaced|Text"},
        {"lowest, highest, line ends", "[1 Lo]\r\nOne\r\n\r\nTwo\n[2147483647 Hi]", "1|Lo|One\n\nTwo # 2147483647|Hi|"},
        {"no header", "Just some text\n[no header]\n", ""},
        {"bad title or number", "[1 T]\n[2]\n[3 ]\n[x L]\n[0 Z]\n[-5 N]", "1|T|[2]\n[3 ]\n[x L]\n[0 Z]\n[-5 N]"},
        {"beyond the largest number", "[1 T]\n[2147483648 B]\n[4294967296 W]", "1|T|[2147483648 B]\n[4294967296 W]"},
        {"not alone on its line", "[1 T]\n[1040 T] text\n [1050 I]", "1|T|[1040 T] text\n [1050 I]"},
    };
    for (const auto &row : rows) {
        QStringList topics;
        for (const HelpFile help = HelpFile::parse(row.text); const HelpTopic &topic : help.topics())
            topics << QStringLiteral("%1|%2|%3").arg(topic.context).arg(topic.title, topic.text);
        EXPECT_EQ(topics.join(" # "), row.topics) << row.name;
    }
    EXPECT_FALSE(HelpFile::load(QStringLiteral("/nonexistent/tarrow.hlp")).isValid());
}

// A FIFO would block the open, a huge file the memory: both are refused.
TEST_F(HelpFiles, OnlyARegularFileUpToTheLimitIsRead)
{
    const QString fifo = write("") + QStringLiteral(".fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(HelpFile::load(fifo).isValid());
    const QString atLimit = write("[1000 Topic]\nText\n");
    ASSERT_TRUE(QFile::resize(atLimit, HelpFile::MaxFileBytes)); // sparse: no disk used
    EXPECT_TRUE(HelpFile::load(atLimit).isValid());
    ASSERT_TRUE(QFile::resize(atLimit, HelpFile::MaxFileBytes + 1));
    EXPECT_FALSE(HelpFile::load(atLimit).isValid());
}

TEST_F(HelpFiles, ViewerShowsTheFileTextLiterallyWithParagraphsAndLists)
{
    HelpViewer viewer(write("[1000 A <b>caf\xc3\xa9</b>]\nUse <i>this</i> &amp; that\nand more.\n\n"
                            "Intro:\n- first <item>\n  goes on\n- second\n"));
    viewer.showTopic(1000);
    const QTextDocument *shown = viewer.findChild<QTextBrowser *>(QStringLiteral("textTopic"))->document();
    EXPECT_TRUE(shown->toPlainText().contains(QStringLiteral("A <b>caf\u00e9</b>"))) << "as UTF-8, not as markup";
    EXPECT_TRUE(shown->toPlainText().contains("Use <i>this</i> &amp; that and more.")) << "lines of a paragraph joined";
    QStringList items, plain;
    for (QTextBlock block = shown->begin(); block.isValid(); block = block.next())
        (block.textList() ? items : plain).append(block.text());
    EXPECT_EQ(items, QStringList({"first <item> goes on", "second"})); // "Intro:" stays a paragraph
}

TEST(Help, ViewerMovesToTheAskingWindowAndGoesWithIt)
{
    Help help(QStringLiteral(TARROW_HELP_FILE));
    help.showHelpContents();
    HelpViewer *viewer = help.viewer();
    auto *dialog = new QDialog;
    dialog->setWindowModality(Qt::ApplicationModal); // only its own windows take input: the viewer joins it
    dialog->show();
    help.showHelpTopic(new QWidget(dialog), HelpContext::Settings);
    ASSERT_EQ(help.viewer(), viewer);
    EXPECT_TRUE(viewer->parentWidget() == dialog && viewer->isWindow() && viewer->isVisible());
    help.showHelpContents(); // asked from no window, it leaves the dialog
    EXPECT_TRUE(viewer->parentWidget() == nullptr && viewer->isVisible());
    help.showHelpTopic(dialog, HelpContext::Settings);
    delete dialog;
    EXPECT_EQ(help.viewer(), nullptr); // it went with the dialog that owned it
}
