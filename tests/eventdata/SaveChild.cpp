// A separate process that saves calendar.dat, so tests can kill it in the middle of a save or run it without the rights
// to write, or that changes calendar.dat as another program would.
#include "eventdata/CalendarFile.h"
#include "eventdata/EventTable.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

// Prints what failed, unbuffered.
class PrintingReporter : public FileErrorReporter {
public:
    void reportFileError(const FileFailure &failure) override
    {
        std::printf("%s %s %d\n", qPrintable(failure.fileName), qPrintable(fileOperationName(failure.operation)),
                    static_cast<int>(failure.error));
    }
    void reportFileChanged(const QString &, const QString &) override {}
};

EventTable tableOf(int events)
{
    EventTable table;
    for (int i = 0; i < events; ++i)
        table.addEvent(makeEvent(QStringLiteral("Event %1 ").arg(i) + QString(40, QLatin1Char('x')), "20301224"));
    return table;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc < 3)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    if ((mode == "write" || mode == "rewrite") && argc == 4) {
        // Rewritten in place, with the time of the copy it came from, as a sync tool does ("write"), or keeping the
        // time the file had ("rewrite").
        QFile other(QDir(folder).filePath("calendar.dat"));
        const QDateTime time =
            mode == "write" ? QDateTime(QDate(2025, 1, 1), QTime(12, 0)) : QFileInfo(other).lastModified();
        const QByteArray bytes(argv[3]);
        const bool written = other.open(QFile::WriteOnly | QFile::Truncate) && other.write(bytes) == bytes.size();
        return written && other.setFileTime(time, QFile::FileModificationTime) ? 0 : 1;
    }
    PrintingReporter reporter;
    FakeClock clock(QDate(2026, 12, 6));
    CalendarFile file(folder, reporter, clock);
    const EventTable small = tableOf(3);
    const EventTable large = tableOf(EventTable::Capacity);
    if (mode == "once")
        return file.saveCalendar(large) ? 0 : 1;
    // "loop": saves the two tables in turn until killed.
    for (bool flip = false;; flip = !flip)
        file.saveCalendar(flip ? large : small);
}
