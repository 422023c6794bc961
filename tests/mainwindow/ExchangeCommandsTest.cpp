#include "mainwindow/ExchangeCommands.h"

#include "MainWindowFixture.h"
#include "dialogs/GeneralDialog.h"

#include <QAction>

namespace {

// Records the chooser's calls and answers with a fixed path ("" = cancel).
struct Chooser {
    QString answer;
    QStringList titles;
    ExchangeCommands::FileChooser function()
    {
        return [this](QWidget *, const QString &title, const QString &, const QString &) {
            titles << title;
            return answer;
        };
    }
};

} // namespace

class ExchangeCommandsTest : public MainWindowTest {
protected:
    Chooser open;
    Chooser save;
    void SetUp() override
    {
        startUp();
        window.exchange().setFileChoosers(open.function(), save.function());
    }
    void trigger(const char *item) { window.findChild<QAction *>(item)->trigger(); }
};

TEST_F(ExchangeCommandsTest, ImportedBirthdaysReachTheTableAndTheFile)
{
    folder.write("people.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nBDAY:1990-12-24\r\nEND:VCARD\r\n");
    open.answer = folder.file("people.vcf");
    GeneralDialog::setNextAnswer({MessageButton::Ok});
    trigger("menuFileImportEvents");
    EXPECT_EQ(open.titles, QStringList{"Import events"});
    ASSERT_EQ(state->indexOfTitle("Ann"), 0);
    EXPECT_TRUE(folder.read("calendar.dat").contains("Title=Ann\r\n"));
    const std::optional<Message> report = GeneralDialog::takeAskedMessage();
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->text.startsWith("1 event imported."));
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(ExchangeCommandsTest, CancelledChoosersChangeNothing)
{
    const QByteArray before = folder.read("calendar.dat");
    trigger("menuFileImportEvents");
    trigger("menuFileExportEvents");
    EXPECT_EQ(open.titles.size() + save.titles.size(), 2);
    EXPECT_EQ(state->size(), 0);
    EXPECT_EQ(folder.read("calendar.dat"), before);
    EXPECT_EQ(QDir(folder.path()).entryList({"*.ics"}, QDir::Files).size(), 0);
}

TEST_F(ExchangeCommandsTest, ExportWritesTheChosenFile)
{
    state->addEvent(makeEvent("Ann", "00001224", 3));
    save.answer = folder.file("out.ics");
    trigger("menuFileExportEvents");
    EXPECT_EQ(save.titles, QStringList{"Export events"});
    EXPECT_TRUE(folder.read("out.ics").contains("SUMMARY:Ann"));
}
