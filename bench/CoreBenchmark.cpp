// Load and save times of the data files at their capacity.
#include "eventdata/CalendarFile.h"
#include "eventdata/EventTable.h"
#include "eventdata/FileErrors.h"
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
};

class IgnoringReporter : public FileErrorReporter {
public:
    void ReportFileError(const QString &, const QString &, int) override { std::abort(); }
};

std::unique_ptr<EventTable> fullCalendar()
{
    auto table = std::make_unique<EventTable>();
    for (int i = 0; i < EventTable::Capacity; ++i) {
        Event e;
        e.Title = QStringLiteral("Event number %1").arg(i);
        e.Description = QStringLiteral("A description of a typical length for event %1").arg(i);
        e.Category = QStringLiteral("Meeting");
        e.Date = i % 2 ? QStringLiteral("00000615") : QStringLiteral("20270101");
        e.Time = QStringLiteral("0930");
        e.NotifyingDays = 3;
        table->AddEvent(e);
    }
    return table;
}

void CalendarLoad(benchmark::State &state)
{
    QTemporaryDir dir;
    IgnoringReporter reporter;
    FixedClock clock;
    CalendarFile file(dir.path(), reporter, clock);
    auto table = fullCalendar();
    file.SaveCalendar(*table);
    QString lastCheck;
    for (auto _ : state)
        file.LoadCalendar(*table, lastCheck);
    benchmark::DoNotOptimize(table->EventCount);
}
BENCHMARK(CalendarLoad)->Unit(benchmark::kMicrosecond);

void CalendarSave(benchmark::State &state)
{
    QTemporaryDir dir;
    IgnoringReporter reporter;
    FixedClock clock;
    CalendarFile file(dir.path(), reporter, clock);
    auto table = fullCalendar();
    for (auto _ : state)
        file.SaveCalendar(*table);
}
BENCHMARK(CalendarSave)->Unit(benchmark::kMicrosecond);

void CalendarLoadAndSave(benchmark::State &state)
{
    QTemporaryDir dir;
    IgnoringReporter reporter;
    FixedClock clock;
    CalendarFile file(dir.path(), reporter, clock);
    auto table = fullCalendar();
    file.SaveCalendar(*table);
    QString lastCheck;
    for (auto _ : state) {
        file.LoadCalendar(*table, lastCheck);
        file.SaveCalendar(*table);
    }
    benchmark::DoNotOptimize(table->EventCount);
}
BENCHMARK(CalendarLoadAndSave)->Unit(benchmark::kMicrosecond);

void NotesLoadAndSave(benchmark::State &state)
{
    QTemporaryDir dir;
    IgnoringReporter reporter;
    NotesFile file(dir.path(), reporter);
    NoteTable table;
    for (int i = 0; i < NoteTable::Capacity; ++i)
        table.AddNote({QStringLiteral("Note %1\r\nwith a second line\r\nand a third").arg(i), qint16(i * 10), qint16(i)});
    file.SaveNotes(table);
    for (auto _ : state) {
        file.LoadNotes(table);
        file.SaveNotes(table);
    }
    benchmark::DoNotOptimize(table.NoteCount);
}
BENCHMARK(NotesLoadAndSave)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
