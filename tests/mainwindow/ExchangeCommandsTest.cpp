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
    window.findChild<QAction *>("menuFileImportEvents")->trigger();
    window.findChild<QAction *>("menuFileExportEvents")->trigger();
    EXPECT_EQ(chosen, 2);
    EXPECT_TRUE(folder.names().isEmpty()); // nothing written
    folder.write("people.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nBDAY:1990-12-24\r\nEND:VCARD\r\n");
    openAnswer = folder.file("people.vcf");
    saveAnswer = folder.file("out.ics");
    EXPECT_NE(askedTitle([this] { window.findChild<QAction *>("menuFileImportEvents")->trigger(); }), ""); // its report
    EXPECT_TRUE(folder.read("calendar.dat").contains("Title=Ann\r\n"));
    window.findChild<QAction *>("menuFileExportEvents")->trigger();
    EXPECT_TRUE(folder.read("out.ics").contains("SUMMARY:Ann"));
}
