#include "mainwindow/ExchangeCommands.h"

#include "exchange/EventImport.h"
#include "MainWindowFixture.h"

#include <QSemaphore>

namespace {

const QByteArray Ann = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nBDAY:1990-12-24\r\nEND:VCARD\r\n";

#ifdef Q_OS_WIN
// Under Wine a test program whose import thread read a vCard passes and then, most times, never ends, so ctest waits
// for it until its time limit; not yet understood.
#define SKIP_AFTER_A_READ_ON_WINDOWS() GTEST_SKIP() << "under Wine the program does not end after a vCard was read"
#else
#define SKIP_AFTER_A_READ_ON_WINDOWS()
#endif

} // namespace

// A reading that goes on until the test lets it end, as a hostile file's might.
class HeldImportTest : public MainWindowTest {
protected:
    QSemaphore go;

    void startHeldImport()
    {
        startUp();
        folder.write("people.vcf", Ann);
        platform.fileToOpen = folder.file("people.vcf");
        window.exchange().setReader([this](const QString &path, const ImportContext &context) {
            while (!go.tryAcquire(1, 10) && !context.stop->load()) {
            }
            return readEventFile(path, context);
        });
        GeneralDialog::setNextAnswer({MessageButton::Ok});
        window.findChild<QAction *>("menuFileImportEvents")->trigger();
    }
    void endImport()
    {
        go.release();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window.exchange().importRunning(); }, 10000));
        EXPECT_TRUE(GeneralDialog::takeAskedMessage().has_value()); // its report
    }
};

TEST_F(HeldImportTest, TheEventsReadAreEnteredIntoTheCalendarAsItIsWhenTheReadingEnds)
{
    SKIP_AFTER_A_READ_ON_WINDOWS();
    startHeldImport();
    state->events.addEvent(makeEvent("Added meanwhile", "20261224"));
    endImport();
    const QByteArray calendar = folder.read("calendar.dat");
    EXPECT_TRUE(calendar.contains("Title=Added meanwhile\r\n") && calendar.contains("Title=Ann\r\n"));
}
