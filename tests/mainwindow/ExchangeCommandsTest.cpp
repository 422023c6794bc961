#include "mainwindow/ExchangeCommands.h"

#include "eventdata/CalendarStore.h"
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

TEST_F(MainWindowTest, ImportAndExportChangeNothingWhenCancelledAndExchangeTheChosenFiles)
{
    SKIP_AFTER_A_READ_ON_WINDOWS();
    startUp();
    window.findChild<QAction *>("menuFileImportEvents")->trigger(); // the chooser cancelled
    window.findChild<QAction *>("menuFileExportEvents")->trigger();
    EXPECT_EQ(platform.askedFiles, std::vector<QString>({"Import events", "Export events"}));
    EXPECT_TRUE(folder.names().isEmpty()); // nothing written
    folder.write("people.vcf", Ann);
    platform.fileToOpen = folder.file("people.vcf");
    platform.fileToSave = folder.file("out.ics");
    const QString report = askedTitle([this] {
        window.findChild<QAction *>("menuFileImportEvents")->trigger();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window.exchange().importRunning(); }, 10000));
    });
    EXPECT_NE(report, "");
    EXPECT_TRUE(folder.read("calendar.dat").contains("Title=Ann\r\n"));
    window.findChild<QAction *>("menuFileExportEvents")->trigger();
    EXPECT_TRUE(folder.read("out.ics").contains("SUMMARY:Ann"));
}

TEST_F(MainWindowTest, AnImportThatEntersNothingSavesNothing)
{
    startUp();
    folder.write("notes.txt", "hello\r\n");
    platform.fileToOpen = folder.file("notes.txt");
    const QString report = askedTitle([this] {
        window.findChild<QAction *>("menuFileImportEvents")->trigger();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window.exchange().importRunning(); }, 10000));
    });
    EXPECT_EQ(report, "Import failed");
    EXPECT_EQ(folder.names(), QStringList{"notes.txt"});
}

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

// Reminders and the end of the program come through the event loop.
TEST_F(HeldImportTest, TheWindowsGoOnAnsweringWhileAFileIsRead)
{
    SKIP_AFTER_A_READ_ON_WINDOWS();
    startHeldImport();
    bool answered = false;
    QTimer::singleShot(0, &window, [&answered] { answered = true; });
    EXPECT_TRUE(QTest::qWaitFor([&answered] { return answered; }, 5000));
    EXPECT_TRUE(window.exchange().importRunning());
    endImport();
}

TEST_F(HeldImportTest, TheEventsReadAreEnteredIntoTheCalendarAsItIsWhenTheReadingEnds)
{
    SKIP_AFTER_A_READ_ON_WINDOWS();
    startHeldImport();
    state->events.addEvent(makeEvent("Added meanwhile", "20261224"));
    endImport();
    const QByteArray calendar = folder.read("calendar.dat");
    EXPECT_TRUE(calendar.contains("Title=Added meanwhile\r\n") && calendar.contains("Title=Ann\r\n"));
}

TEST_F(MainWindowTest, EndingTheImportCommandsStopsAReadingThatStillRuns)
{
    CalendarStore store(state->events, [](const EventTable &) {});
    std::atomic<bool> stopped = false;
    {
        platform.fileToOpen = folder.file("any.ics");
        ExchangeCommands exchange(store, state->settings, reporter, platform, &window);
        exchange.setReader([&stopped](const QString &, const ImportContext &context) {
            while (!context.stop->load())
                QThread::msleep(1);
            stopped = true;
            return ImportReading(context);
        });
        exchange.importEvents();
    }
    EXPECT_TRUE(stopped);
}
