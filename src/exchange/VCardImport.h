#pragma once

#include <QStringList>

class ImportReading;

// Alert lead time of an imported birthday. The event dialog's empty alert
// box means no alert at all, and a birthday is imported to be reminded of.
constexpr qint16 BirthdayLeadDays = 3;

// Offers the birthday (BDAY) of every contact of a vCard file, given as its
// lines, to the table as an every-year "Birthday" event titled with the
// contact's name (FN).
void importVCards(const QStringList &lines, ImportReading &target);

// The month and day of a vCard birthday: 1990-03-15, 19900315, --0315 or
// --03-15, with or without a time after it. Month 0 when it is none of them.
struct MonthDay {
    int month = 0;
    int day = 0;
};
MonthDay birthdayOf(const QString &value);
