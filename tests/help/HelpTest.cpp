#include "help/Help.h"
#include "help/HelpFile.h"
#include "help/HelpViewer.h"

#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

QString textShown(const HelpViewer &viewer)
{
    return viewer.findChild<QTextBrowser *>("textTopic")->toPlainText();
}

} // namespace

TEST(HelpFile, ShippedFileHasATopicForEveryWindow)
{
    const HelpFile help = HelpFile::load(TARROW_HELP_FILE);
    ASSERT_TRUE(help.isValid());
    for (int context : {HelpContext::Contents, HelpContext::GettingStarted, HelpContext::Settings,
                        HelpContext::EventDialog, HelpContext::Find, HelpContext::Note}) {
        const std::optional<HelpTopic> topic = help.topic(context);
        ASSERT_TRUE(topic) << context;
        EXPECT_FALSE(topic->title.isEmpty());
        EXPECT_GT(topic->text.size(), 200) << context;
    }
}

TEST(HelpFile, ParsesHeadersAndIgnoresTextBeforeTheFirst)
{
    const HelpFile help = HelpFile::parse("stray line\n[1000 First topic]\nOne.\n\nTwo.\n[12x Not a header]\n"
                                          "[contents Contents]\n[1040 Settings ]\n");
    ASSERT_EQ(help.topics().size(), 3);
    EXPECT_EQ(help.topic(1000)->title, "First topic");
    EXPECT_EQ(help.topic(1000)->text, "One.\n\nTwo.\n[12x Not a header]");
    EXPECT_EQ(help.topic(0)->text, "");
    EXPECT_EQ(help.topic(1040)->title, "Settings");
    EXPECT_FALSE(help.topic(1050));
    EXPECT_FALSE(HelpFile::load("/no/such/tarrow.hlp").isValid());
}

TEST(HelpFile, TopicTextIsNeverTakenAsMarkup)
{
    const QString html = topicHtml({1000, "A <b>title</b>", "Use <i>this</i> & that\n\n- one <item>\n- two"});
    EXPECT_FALSE(html.contains("<b>"));
    EXPECT_FALSE(html.contains("<i>"));
    EXPECT_TRUE(html.contains("&lt;b&gt;title&lt;/b&gt;"));
    EXPECT_TRUE(html.contains("<li>one &lt;item&gt;</li><li>two</li>"));
}

TEST(HelpViewer, ShowsTheAskedTopicAndFallsBackToContents)
{
    HelpViewer viewer(TARROW_HELP_FILE);
    viewer.showTopic(HelpContext::Find);
    auto *list = viewer.findChild<QListWidget *>("listTopics");
    EXPECT_EQ(list->currentItem()->text(), "Finding events");
    EXPECT_TRUE(textShown(viewer).startsWith("Finding events"));
    viewer.showTopic(4711);
    EXPECT_EQ(list->currentItem()->text(), "Contents");
}

TEST(HelpViewer, MissingFileSaysWhereItWasLookedFor)
{
    HelpViewer viewer("/no/such/folder/tarrow.hlp");
    viewer.showTopic(HelpContext::Note);
    EXPECT_TRUE(textShown(viewer).contains("help file was not found"));
    EXPECT_TRUE(textShown(viewer).contains("/no/such/folder/tarrow.hlp"));
}

TEST(Help, OpensOneViewerAndClosesIt)
{
    Help help(TARROW_HELP_FILE);
    EXPECT_EQ(help.viewer(), nullptr);
    help.ShowHelpTopic(nullptr, HelpContext::EventDialog);
    HelpViewer *viewer = help.viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    help.ShowHelpContents();
    EXPECT_EQ(help.viewer(), viewer);
    EXPECT_EQ(viewer->findChild<QListWidget *>("listTopics")->currentItem()->text(), "Contents");
    help.CloseHelp();
    EXPECT_TRUE(QTest::qWaitFor([&] { return help.viewer() == nullptr; }, 2000));
}
