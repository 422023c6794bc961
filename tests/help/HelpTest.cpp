#include "help/Help.h"
#include "help/HelpFile.h"
#include "help/HelpViewer.h"

#include <QDialog>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextList>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// Help files written for one test; they vanish with the fixture.
class HelpFiles : public ::testing::Test {
protected:
    QString missing() const { return dir_.filePath(QStringLiteral("none/tarrow.hlp")); }

    QString write(const QByteArray &content)
    {
        const QString path = dir_.filePath(QStringLiteral("tarrow%1.hlp").arg(++count_));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

private:
    QTemporaryDir dir_;
    int count_ = 0;
};

QListWidget *topicList(const HelpViewer &viewer)
{
    return viewer.findChild<QListWidget *>(QStringLiteral("listTopics"));
}

QTextBrowser *topicText(const HelpViewer &viewer)
{
    return viewer.findChild<QTextBrowser *>(QStringLiteral("textTopic"));
}

} // namespace

TEST(ShippedHelpFile, HasATopicForEveryWindowAndListsThemInTheContents)
{
    const HelpFile help = HelpFile::load(QStringLiteral(TARROW_HELP_FILE));
    ASSERT_TRUE(help.isValid());
    const std::optional<HelpTopic> contents = help.topic(HelpContext::Contents);
    ASSERT_TRUE(contents);
    for (int context : {HelpContext::GettingStarted, HelpContext::Settings, HelpContext::EventDialog,
                        HelpContext::Find, HelpContext::Note}) {
        const std::optional<HelpTopic> topic = help.topic(context);
        ASSERT_TRUE(topic) << context;
        EXPECT_GT(topic->text.size(), 200) << context;
        EXPECT_TRUE(contents->text.contains(topic->title)) << topic->title.toStdString();
    }
    // Every data file the program writes is named where the getting started topic explains them.
    for (const char *file : {"calendar.dat", "notes.dat", "tarrow.ini"})
        EXPECT_TRUE(help.topic(HelpContext::GettingStarted)->text.contains(QLatin1String(file))) << file;
}

TEST_F(HelpFiles, ReadsTopicsAndSkipsTextBeforeTheFirstHeader)
{
    const HelpFile help = HelpFile::load(write("stray line\n\n[1000 First topic]\nOne.\n\nTwo.\n\n"
                                               "[contents Contents]\n[1040   Spaced title  ]\nCaf\xc3\xa9\n"));
    ASSERT_EQ(help.topics().size(), 3);
    EXPECT_EQ(help.topics().at(0).title, "First topic");
    EXPECT_EQ(help.topic(1000)->text, "One.\n\nTwo.");
    EXPECT_EQ(help.topic(HelpContext::Contents)->text, "");
    EXPECT_EQ(help.topic(1040)->title, "Spaced title");
    EXPECT_EQ(help.topic(1040)->text, QStringLiteral("Caf\u00e9"));
    EXPECT_FALSE(help.topic(1050));
}

TEST_F(HelpFiles, OddHeadersStayTextOfTheTopicTheyAreIn)
{
    const HelpFile help = HelpFile::load(write("[1000 Topic]\n[1000]\n[abc Letters]\n[0 Zero]\n[-5 Negative]\n"
                                               "[99999999999 Too large]\n[1040 Trailing] text\n [1050 Indented]\n"
                                               "[1060 ]\n"));
    ASSERT_EQ(help.topics().size(), 1);
    EXPECT_EQ(help.topic(1000)->text.split(QLatin1Char('\n')).size(), 8);
    EXPECT_FALSE(help.topic(HelpContext::Contents)) << "an overflowing number must not become the contents";
}

TEST_F(HelpFiles, AFileWithoutTopicsIsNotValid)
{
    EXPECT_FALSE(HelpFile::load(missing()).isValid());
    EXPECT_FALSE(HelpFile::load(write("Just some text\n[no header]\n")).isValid());
    EXPECT_FALSE(HelpFile::load(write("")).isValid());
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
    HelpViewer viewer(write("[1000 A <b>title</b>]\nUse <i>this</i> &amp; that\nand more.\n\n"
                            "Intro:\n- first <item>\n  goes on\n- second\n"));
    viewer.showTopic(1000);
    const QString shown = topicText(viewer)->toPlainText();
    EXPECT_TRUE(shown.contains("A <b>title</b>"));
    EXPECT_TRUE(shown.contains("Use <i>this</i> &amp; that and more."));

    QStringList items;
    QStringList plain;
    for (QTextBlock block = topicText(viewer)->document()->begin(); block.isValid(); block = block.next())
        (block.textList() ? items : plain).append(block.text());
    EXPECT_EQ(items, QStringList({"first <item> goes on", "second"}));
    EXPECT_TRUE(plain.contains("Intro:"));
}

TEST(Help, KeepsOneViewerUntilClosed)
{
    Help help(QStringLiteral(TARROW_HELP_FILE));
    EXPECT_EQ(help.viewer(), nullptr);
    help.showHelpTopic(nullptr, HelpContext::EventDialog);
    HelpViewer *viewer = help.viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(topicList(*viewer)->currentItem()->text(), "The event dialog");

    help.showHelpContents();
    EXPECT_EQ(help.viewer(), viewer);
    EXPECT_EQ(topicList(*viewer)->currentItem()->text(), "Contents");

    help.closeHelp();
    EXPECT_EQ(help.viewer(), nullptr);
    help.closeHelp(); // closing twice is harmless

    // The user closing the window ends it too; the next request opens a new one.
    help.showHelpContents();
    help.viewer()->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return help.viewer() == nullptr; }, 2000));
    help.showHelpTopic(nullptr, HelpContext::Note);
    ASSERT_NE(help.viewer(), nullptr);
    EXPECT_EQ(topicList(*help.viewer())->currentItem()->text(), "Sticky notes");
}

TEST(Help, ViewerMovesToTheAskingWindowAndGoesWithIt)
{
    Help help(QStringLiteral(TARROW_HELP_FILE));
    help.showHelpContents();
    HelpViewer *viewer = help.viewer();
    {
        // A modal dialog lets only its own windows take input.
        QDialog dialog;
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        auto *button = new QWidget(&dialog);
        help.showHelpTopic(button, HelpContext::Settings);
        EXPECT_EQ(help.viewer(), viewer);
        EXPECT_EQ(viewer->parentWidget(), &dialog);
        EXPECT_TRUE(viewer->isWindow());
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_EQ(topicList(*viewer)->currentItem()->text(), "Settings");

        help.showHelpContents();
        EXPECT_EQ(viewer->parentWidget(), nullptr);
        EXPECT_TRUE(viewer->isVisible());

        help.showHelpTopic(&dialog, HelpContext::Settings);
    }
    // The viewer went with the dialog that owned it.
    EXPECT_EQ(help.viewer(), nullptr);
}
