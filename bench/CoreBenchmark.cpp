// Load and save times of the data files at their capacity.
#include "core/AppState.h"
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
    void ReportFileError(const QString &, const QString &, int, const QString &) override { std::abort(); }
    void ReportFileChanged(const QString &, const QString &) override { std::abort(); }
};

std::unique_ptr<EventTable> fullCalendar()
{
    auto table = std::make_unique<EventTable>();
    for (int i = 0; i < EventTable::Capacity; ++i) {
        Event e;
        e.Title = QStringLiteral("Event number %1").arg(i);
        e.Description = QStringLiteral("A description of a typical length for event %1").arg(i);
        e.Category = QStringLiteral("Meeting");
        e.Date = i % 2 ? QStringLiteral("00000615") : QStringLiteral("20261208");
        e.Time = QStringLiteral("0930");
        e.NotifyingDays = 3;
        table->AddEvent(e);
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

    FullCalendarFile() { file.SaveCalendar(*table); }
};

void CalendarLoad(benchmark::State &state)
{
    FullCalendarFile calendar;
    for (auto _ : state)
        calendar.file.LoadCalendar(*calendar.table, calendar.lastCheck);
    benchmark::DoNotOptimize(calendar.table->EventCount);
}
BENCHMARK(CalendarLoad)->Unit(benchmark::kMicrosecond);

void CalendarSave(benchmark::State &state)
{
    FullCalendarFile calendar;
    for (auto _ : state)
        calendar.file.SaveCalendar(*calendar.table);
}
BENCHMARK(CalendarSave)->Unit(benchmark::kMicrosecond);

void CalendarLoadAndSave(benchmark::State &state)
{
    FullCalendarFile calendar;
    for (auto _ : state) {
        calendar.file.LoadCalendar(*calendar.table, calendar.lastCheck);
        calendar.file.SaveCalendar(*calendar.table);
    }
    benchmark::DoNotOptimize(calendar.table->EventCount);
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

// Nothing in ten years: all 256 events lie in a past month of the current year.
void FindNextEventWorstCase(benchmark::State &state)
{
    auto table = std::make_unique<EventTable>();
    for (int i = 0; i < EventTable::Capacity; ++i) {
        Event e;
        e.Date = QStringLiteral("202601%1").arg(i % 28 + 1, 2, 10, QLatin1Char('0'));
        table->AddEvent(e);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(FindNextEvent(*table, {6, 12, 2026}, 2026));
}
BENCHMARK(FindNextEventWorstCase)->Unit(benchmark::kMicrosecond);

class AnsweringAlertWindow : public AlertWindow {
public:
    explicit AnsweringAlertWindow(AppState &state) : state_(state) {}
    void showAlert() override { state_.DialogResult = QStringLiteral("next"); }

private:
    AppState &state_;
};

// Every other event is due and answered at once.
void CheckAllAlertsFullTable(benchmark::State &state)
{
    auto app = std::make_unique<AppState>();
    static_cast<EventTable &>(*app) = *fullCalendar();
    app->LastCheck = QStringLiteral("20261101");
    FixedClock clock;
    AnsweringAlertWindow window(*app);
    AlertCheck check(*app, clock, window);
    for (auto _ : state) {
        check.CheckAllAlerts();
        for (int i = 0; i <= app->EventCount; ++i)
            app->Events[i].RemindAgain = {};
    }
}
BENCHMARK(CheckAllAlertsFullTable)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
