#include "mainwindow/ExchangeCommands.h"

#include "MainWindowFixture.h"

// The file choosers answer with a fixed path ("" = cancel) and count their calls.
TEST_F(MainWindowTest, ImportAndExportChangeNothingWhenCancelledAndExchangeTheChosenFiles)
{
    startUp();
    QString openAnswer, saveAnswer;
    int chosen = 0;
    const auto chooser = [&](const QString &answer) { return [&](auto &&...) { ++chosen; return answer; }; };
    window.exchange().setFileChoosers(chooser(openAnswer), chooser(saveAnswer));
    const auto importEvents = [this] { window.findChild<QAction *>("menuFileImportEvents")->trigger(); };
    const auto exportEvents = [this] { window.findChild<QAction *>("menuFileExportEvents")->trigger(); };
    importEvents();
    exportEvents();
    EXPECT_EQ(chosen, 2);
    EXPECT_TRUE(folder.names().isEmpty()); // nothing written
    folder.write("people.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nBDAY:1990-12-24\r\nEND:VCARD\r\n");
    openAnswer = folder.file("people.vcf");
    saveAnswer = folder.file("out.ics");
    EXPECT_NE(asked(importEvents), ""); // the count is reported
    EXPECT_TRUE(folder.read("calendar.dat").contains("Title=Ann\r\n"));
    exportEvents();
    EXPECT_TRUE(folder.read("out.ics").contains("SUMMARY:Ann"));
}
