// Load and save times of the data files at their capacity.
#include "datelogic/AlertCheck.h"
#include "datelogic/EventSearch.h"
#include "eventdata/CalendarFile.h"
#include "eventdata/CalendarStore.h"
#include "eventdata/EventTable.h"
#include "eventdata/DataFile.h"
#include "eventdata/FileErrors.h"
#include "exchange/EventImport.h"
#include "notes/NoteTable.h"
#include "notes/NotesFile.h"
#include "platform/Clock.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

class FixedClock : public Clock {
public:
    QDate today() const override { return QDate(2026, 12, 6); }
    QDateTime now() const override { return today().startOfDay(); }
    qint64 sinceBootMs() const override { return 0; }
};

class IgnoringReporter : public FileErrorReporter {
public:
    void reportFileError(const FileFailure &) override { std::abort(); }
    void reportFileChanged(const QString &, const QString &) override { std::abort(); }
};

std::unique_ptr<EventTable> fullCalendar()
{
    auto table = std::make_unique<EventTable>();
    for (int i = 0; i < EventTable::Capacity; ++i) {
        Event e;
        e.title = QStringLiteral("Event number %1").arg(i);
        e.description = QStringLiteral("A description of a typical length for event %1").arg(i);
        e.category = QStringLiteral("Meeting");
        e.date = i % 2 ? EventDate{0, 6, 15} : EventDate{2026, 12, 8};
        e.time = QTime(9, 30);
        e.notifyingDays = 3;
        table->addEvent(e);
    }
    return table;
}

// A calendar.dat of 256 events in a fresh folder.
struct FullCalendarFile {
    QTemporaryDir dir;
    IgnoringReporter reporter;
    FixedClock clock;
    CalendarFile file{dir.path(), reporter, clock};
    std::unique_ptr<EventTable> table = fullCalendar();
    QString lastCheck;

    FullCalendarFile() { file.saveCalendar(*table); }
};

void calendarLoad(benchmark::State &state)
{
    FullCalendarFile calendar;
    for (auto _ : state)
        calendar.file.loadCalendar(*calendar.table, calendar.lastCheck);
    benchmark::DoNotOptimize(calendar.table->eventCount);
}
BENCHMARK(calendarLoad)->Unit(benchmark::kMicrosecond);

void calendarSave(benchmark::State &state)
{
    FullCalendarFile calendar;
    for (auto _ : state)
        calendar.file.saveCalendar(*calendar.table);
}
BENCHMARK(calendarSave)->Unit(benchmark::kMicrosecond);

void calendarLoadAndSave(benchmark::State &state)
{
    FullCalendarFile calendar;
    for (auto _ : state) {
        calendar.file.loadCalendar(*calendar.table, calendar.lastCheck);
        calendar.file.saveCalendar(*calendar.table);
    }
    benchmark::DoNotOptimize(calendar.table->eventCount);
}
BENCHMARK(calendarLoadAndSave)->Unit(benchmark::kMicrosecond);

void notesLoadAndSave(benchmark::State &state)
{
    QTemporaryDir dir;
    IgnoringReporter reporter;
    NotesFile file(dir.path(), reporter);
    NoteTable table;
    for (int i = 0; i < NoteTable::Capacity; ++i)
        table.addNote(
            {QStringLiteral("Note %1\r\nwith a second line\r\nand a third").arg(i), qint16(i * 10), qint16(i)});
    file.saveNotes(table);
    for (auto _ : state) {
        file.loadNotes(table);
        file.saveNotes(table);
    }
    benchmark::DoNotOptimize(table.noteCount);
}
BENCHMARK(notesLoadAndSave)->Unit(benchmark::kMicrosecond);

// Nothing in ten years: all 256 events lie in a past month of the current year.
void findNextEventWorstCase(benchmark::State &state)
{
    auto table = std::make_unique<EventTable>();
    for (int i = 0; i < EventTable::Capacity; ++i) {
        Event e;
        e.date = {2026, 1, i % 28 + 1};
        table->addEvent(e);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(findNextEvent(*table, {6, 12, 2026}, 2026));
}
BENCHMARK(findNextEventWorstCase)->Unit(benchmark::kMicrosecond);

class AnsweringAlertWindow : public AlertWindow {
public:
    RemindAnswer showAlert(int, bool) override { return {RemindAnswer::When::NextStart}; }
};

// Every other event is due and answered at once.
void checkAllAlertsFullTable(benchmark::State &state)
{
    std::unique_ptr<EventTable> table = fullCalendar();
    const QString lastCheck = QStringLiteral("20261101");
    CalendarStore store(*table, [](const EventTable &) {});
    FixedClock clock;
    AnsweringAlertWindow window;
    AlertCheck check(*table, lastCheck, store, clock, window);
    for (auto _ : state) {
        check.checkAllAlerts();
        for (int i = 0; i <= table->eventCount; ++i)
            table->events[i].remindAgain = {};
    }
}
BENCHMARK(checkAllAlertsFullTable)->Unit(benchmark::kMicrosecond);

const ImportContext ImportToday{QDate(2026, 12, 6), {}};

QByteArray calendarWith(const QByteArray &events)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + events + "END:VCALENDAR\r\n";
}

QByteArray eventWithRule(int number, const QByteArray &start, const QByteArray &rule)
{
    return "BEGIN:VEVENT\r\nSUMMARY:E" + QByteArray::number(number) + "\r\nDTSTART:" + start + "\r\nRRULE:" + rule
           + "\r\nEND:VEVENT\r\n";
}

// A rule without any date in the ten years searched, of each frequency from
// secondly (0) to yearly (6).
void importRuleThatNeverOccurs(benchmark::State &state)
{
    static const char *const frequencies[] = {"SECONDLY", "MINUTELY", "HOURLY", "DAILY", "WEEKLY", "MONTHLY", "YEARLY"};
    const QByteArray rule = QByteArray("FREQ=") + frequencies[state.range(0)] + ";BYMONTH=2;BYMONTHDAY=30;BYDAY=MO";
    const QByteArray file = calendarWith(eventWithRule(0, "19000101T000000", rule));
    for (auto _ : state)
        benchmark::DoNotOptimize(readEvents(file, ImportToday).report.skipped);
}
BENCHMARK(importRuleThatNeverOccurs)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

// The costliest single rule: a count from year 1 that the search walks day
// by day until it has looked at as many days as one rule may.
void importRuleAtItsBudget(benchmark::State &state)
{
    const QByteArray file = calendarWith(eventWithRule(0, "00010101T090000", "FREQ=DAILY;COUNT=100000000"));
    for (auto _ : state)
        benchmark::DoNotOptimize(readEvents(file, ImportToday).report.skipped);
}
BENCHMARK(importRuleAtItsBudget)->Unit(benchmark::kMillisecond);

// The costliest file: as many of those rules as fit in the size limit; the
// import's budget ends the searches.
void importFileOfCostlyRules(benchmark::State &state)
{
    QByteArray events;
    for (int i = 0; events.size() < DataFile::MaxFileBytes - 200; ++i)
        events += eventWithRule(i, "00010101T090000", "FREQ=DAILY;COUNT=100000000");
    const QByteArray file = calendarWith(events);
    for (auto _ : state)
        benchmark::DoNotOptimize(readEvents(file, ImportToday).report.skipped);
}
BENCHMARK(importFileOfCostlyRules)->Unit(benchmark::kMillisecond)->Iterations(3);

// As many zones as fit, each with changes every second, every event in one of them.
void importFileOfFrequentZones(benchmark::State &state)
{
    QByteArray body;
    for (int i = 0; body.size() < DataFile::MaxFileBytes - 400; ++i) {
        const QByteArray id = "Z" + QByteArray::number(i);
        body += "BEGIN:VTIMEZONE\r\nTZID:" + id
                + "\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
                  "TZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nRRULE:FREQ=SECONDLY\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n"
                  "BEGIN:VEVENT\r\nSUMMARY:"
                + id + "\r\nDTSTART;TZID=" + id + ":20270115T133000\r\nEND:VEVENT\r\n";
    }
    const QByteArray file = calendarWith(body);
    for (auto _ : state)
        benchmark::DoNotOptimize(readEvents(file, ImportToday).events.size());
}
BENCHMARK(importFileOfFrequentZones)->Unit(benchmark::kMillisecond)->Iterations(3);

// As many zones as fit, nothing else: libical lets go of zones one by one.
void importFileOfZones(benchmark::State &state)
{
    QByteArray zones;
    for (int i = 0; zones.size() < DataFile::MaxFileBytes - 200; ++i)
        zones += "BEGIN:VTIMEZONE\r\nTZID:Z" + QByteArray::number(i) + "\r\nEND:VTIMEZONE\r\n";
    const QByteArray file = calendarWith(zones);
    for (auto _ : state)
        benchmark::DoNotOptimize(readEvents(file, ImportToday).events.size());
}
BENCHMARK(importFileOfZones)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
