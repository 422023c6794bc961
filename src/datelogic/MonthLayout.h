#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

// The month view: six weeks of seven days, Monday first, with the last days
// of the previous month and the first days of the next one around the month.
struct GridCell {
    int day = 0;
    bool inMonth = false;
};

class MonthLayout {
public:
    static constexpr int Columns = 7;
    static constexpr int Rows = 6;
    static constexpr int CellCount = Columns * Rows;

    MonthLayout(int year, int month);

    // The cell of the first of the month: a month starting Monday to Thursday
    // begins in the second row, so at least four days of the previous month
    // always show.
    int originCell() const { return origin_; }
    const GridCell &cell(int index) const { return cells_.at(index); }
    // The day a cell stands for, grey cells in their own month and year.
    QDate date(int index) const;

private:
    QDate first_;
    int origin_ = 0;
    std::array<GridCell, CellCount> cells_{};
};

// The calendar's reach: the current year and the ten after it. The main
// window shows no other years, the event searches look no further ahead and
// the import enters no repetition beyond.
constexpr int ShownYearsAhead = 10;
bool isShownYear(int year, int currentYear);
// The shown years as the year lists name them, the current year first.
QStringList shownYearTexts(int currentYear);

// The day of that number in the month, or the month's last day when the month
// is shorter (its first for a day below 1); invalid for a month outside 1..12.
// A month chosen in the lists keeps the shown day this way.
QDate dayInMonth(int year, int month, int day);

// "February 5, 2002": the heading of the displayed date.
QString dateHeading(int year, int month, int day);
// The diagnostic record of a drawn date, both in its short and its long form.
QString displayedDateRecord(const QDate &day);
