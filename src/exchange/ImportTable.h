#pragma once

#include "eventdata/EventTable.h"
#include "exchange/ImportReport.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <array>
#include <atomic>

// What an import needs to know of the program: today, the user's own
// categories beside the built-in ones, and a flag that asks a reading beside
// the windows to stop early (the program is ending).
struct ImportContext {
    QDate today;
    std::array<QString, 3> userCategories;
    const std::atomic<bool> *stop = nullptr;
};

// An event as a file gave it, to be offered to the calendar.
struct ReadEvent {
    Event event;
    bool repeating = false; // a repeat that is entered at its next date only
};

// What the reading of a file gave: its events in the file's order, and in
// its report what reading left out or why it refused the file. Reading needs
// nothing of the calendar, so it may run beside the windows.
class ImportReading {
public:
    explicit ImportReading(const ImportContext &context);

    void add(const Event &event, bool repeating = false) { events.append({event, repeating}); }
    void skip(SkipReason reason) { ++report.skippedFor(reason); }

    // The category of the list that the name matches, ignoring case; "" when
    // none does.
    QString categoryFor(const QString &name) const;

    const ImportContext &context() const { return context_; }
    // Reading ends at the next event once it is asked to stop; what it read
    // then is never entered.
    bool stopped() const { return context_.stop && context_.stop->load(); }

    QList<ReadEvent> events;
    ImportReport report;

private:
    ImportContext context_;
    QStringList categories_;
};

// An import into a copy of the calendar: table is what the calendar becomes
// when the user keeps the import, report what it did or why it refused.
struct ImportResult {
    EventTable table;
    ImportReport report;
};

// Offers each event read to a copy of the calendar as the event dialog would
// store it (one line of title and description, cut to their lengths; an
// every-year 29 February on the 28th), or counts why it is left out. Titles
// stay unique: a title another event has on another date is left out. The
// counts of the report describe what was entered.
ImportResult enterImport(const ImportReading &reading, const EventTable &calendar);

// The date an import enters, year 0 for every year; none when the day does
// not exist (in a leap year for every year).
EventDate importedDate(int year, int month, int day);
