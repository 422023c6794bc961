#include "help/Help.h"
#include "help/HelpViewer.h"
#include "KeyPress.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

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
