#pragma once

#include "eventdata/EventTable.h"
#include "exchange/ImportReport.h"

#include <QDate>
#include <QStringList>

#include <array>

// What an import needs to know of the program: today, and the user's own
// categories beside the built-in ones.
struct ImportContext {
    QDate today;
    std::array<QString, 3> userCategories;
};

// The table an import fills: a copy of the calendar, so that an import that
// fails or is cancelled changes nothing, with the count of what it did.
class ImportTable {
public:
    ImportTable(const EventTable &table, const ImportContext &context);

    // Takes an event read from a file as the event dialog would store it (one
    // line of title and description, cut to their lengths; an every-year
    // 29 February on the 28th), or counts why it is left out. Titles stay
    // unique: a title another event has on another date is left out.
    void offer(Event event);
    void skip(SkipReason reason) { ++report.skippedFor(reason); }

    // The category of the list that the name matches, ignoring case; "" when
    // none does.
    QString categoryFor(const QString &name) const;

    const ImportContext &context() const { return context_; }

    EventTable table;
    ImportReport report;

private:
    bool holds(const Event &event) const;

    ImportContext context_;
    QStringList categories_;
};

// A stored date: yyyymmdd, year 0 for every year; empty when the day does
// not exist (in a leap year for every year).
QString storedDate(int year, int month, int day);
