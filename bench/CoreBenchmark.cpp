// Load and save times of the data files at their capacity.
#include "appstate/AppState.h"
#include "datelogic/AlertCheck.h"
#include "datelogic/EventSearch.h"
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
    QDateTime now() const override { return today().startOfDay(); }
    qint64 sinceBootMs() const override { return 0; }
};

class IgnoringReporter : public FileErrorReporter {
public:
    void reportFileError(const QString &, const QString &, int, const QString &) override { std::abort(); }
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
        e.date = i % 2 ? QStringLiteral("00000615") : QStringLiteral("20261208");
        e.time = QStringLiteral("0930");
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
        table.addNote({QStringLiteral("Note %1\r\nwith a second line\r\nand a third").arg(i), qint16(i * 10), qint16(i)});
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
        e.date = QStringLiteral("202601%1").arg(i % 28 + 1, 2, 10, QLatin1Char('0'));
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
    auto app = std::make_unique<AppState>();
    static_cast<EventTable &>(*app) = *fullCalendar();
    app->lastCheck = QStringLiteral("20261101");
    FixedClock clock;
    AnsweringAlertWindow window;
    AlertCheck check(*app, clock, window);
    for (auto _ : state) {
        check.checkAllAlerts();
        for (int i = 0; i <= app->eventCount; ++i)
            app->events[i].remindAgain = {};
    }
}
BENCHMARK(checkAllAlertsFullTable)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
