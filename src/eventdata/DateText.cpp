#include "eventdata/DateText.h"

const QStringList &MonthNames()
{
    static const QStringList names = {
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December"),
    };
    return names;
}

QString MonthName(int month)
{
    return month >= 1 && month <= 12 ? MonthNames().at(month - 1) : QString();
}

int MonthNumber(const QString &name)
{
    return int(MonthNames().indexOf(name)) + 1;
}

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int month, int year)
{
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 4: case 6: case 9: case 11:
        return 30;
    case 2:
        return IsLeapYear(year) ? 29 : 28;
    default:
        return 0;
    }
}

QString TwoDigits(int number)
{
    const QString digits = QString::number(number);
    return number < 10 ? QLatin1Char('0') + digits : digits;
}

int DigitKeyFilter(int characterCode)
{
    constexpr int Backspace = 8;
    const bool digit = characterCode >= '0' && characterCode <= '9';
    return digit || characterCode == Backspace ? characterCode : 0;
}
