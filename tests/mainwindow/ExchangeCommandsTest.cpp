#include "mainwindow/ExchangeCommands.h"

#include "MainWindowFixture.h"
#include "dialogs/GeneralDialog.h"

#include <QAction>

namespace {

// The file choosers answer with a fixed path ("" = cancel) and count their calls.
class ExchangeCommandsTest : public MainWindowTest {
protected:
    QString openAnswer, saveAnswer;
    int asked = 0;
    void SetUp() override
    {
        startUp();
        const auto chooser = [this](const QString &answer) {
            return [this, &answer](auto &&...) { ++asked; return answer; };
        };
        window.exchange().setFileChoosers(chooser(openAnswer), chooser(saveAnswer));
    }
    void trigger(const char *item) { window.findChild<QAction *>(item)->trigger(); }
};

} // namespace

TEST_F(ExchangeCommandsTest, CancelledChoosersChangeNothingAndChosenFilesAreImportedAndExported)
{
    const QByteArray before = folder.read("calendar.dat");
    trigger("menuFileImportEvents");
    trigger("menuFileExportEvents");
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(folder.read("calendar.dat"), before);
    EXPECT_TRUE(QDir(folder.path()).entryList({"*.ics"}, QDir::Files).isEmpty());

    folder.write("people.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nBDAY:1990-12-24\r\nEND:VCARD\r\n");
    openAnswer = folder.file("people.vcf");
    saveAnswer = folder.file("out.ics");
    GeneralDialog::setNextAnswer({MessageButton::Ok});
    trigger("menuFileImportEvents");
    EXPECT_GE(state->indexOfTitle("Ann"), 0);
    EXPECT_TRUE(folder.read("calendar.dat").contains("Title=Ann\r\n"));
    EXPECT_TRUE(GeneralDialog::takeAskedMessage()); // the count is reported
    trigger("menuFileExportEvents");
    EXPECT_TRUE(folder.read("out.ics").contains("SUMMARY:Ann"));
}
