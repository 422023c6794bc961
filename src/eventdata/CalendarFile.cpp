#include "eventdata/CalendarFile.h"

#include "eventdata/DateText.h"
#include "eventdata/EventTable.h"
#include "eventdata/FileErrors.h"
#include "eventdata/NumberText.h"
#include "platform/Clock.h"

#include <QStringBuilder>

const QString CalendarFile::FileName = QStringLiteral("calendar.dat");

namespace {

constexpr QLatin1StringView LastCheckKey("LastCheck");
constexpr QLatin1StringView NotifyingDaysKey("NotifyingDays");

struct TextKey {
    QLatin1StringView name;
    QString Event::*field;
    int width; // fitted to this many characters; 0 for free text
};

const TextKey TextKeys[] = {
    {QLatin1StringView("Title"), &Event::Title, 0},
    {QLatin1StringView("Description"), &Event::Description, 0},
    {QLatin1StringView("Category"), &Event::Category, 0},
    {QLatin1StringView("Date"), &Event::Date, Event::DateWidth},
    {QLatin1StringView("Time"), &Event::Time, Event::TimeWidth},
    {QLatin1StringView("Sound"), &Event::Sound, 0},
};

// No line can begin with two of the keys, so the first match is the only one.
const TextKey *textKeyOf(const QString &line)
{
    for (const TextKey &key : TextKeys) {
        if (line.startsWith(key.name))
            return &key;
    }
    return nullptr;
}

// A key's value starts one character after the key; that character (the "="
// in files the program writes) is not examined.
QString valueAfter(const QString &line, QLatin1StringView key)
{
    return line.mid(key.size() + 1);
}

} // namespace

CalendarFile::CalendarFile(const QString &dataFolder, FileErrorReporter &reporter, const Clock &clock)
    : file_(dataFolder, FileName, reporter), clock_(clock)
{
}

bool CalendarFile::LoadCalendar(EventTable &table, QString &LastCheck, MissingFile missing)
{
    QString lastCheck = LastCheck;
    const int currentYear = clock_.today().year();
    const bool loaded = file_.load(
        [&](const QStringList &lines) {
            const int error = parse(lines, table, lastCheck);
            return error != 0 ? error : table.PurgePastEvents(currentYear);
        },
        missing);
    if (loaded)
        LastCheck = lastCheck;
    else
        table.EventCount = -1;
    return loaded;
}

bool CalendarFile::SaveCalendar(const EventTable &table)
{
    return file_.save(format(table, clock_.today()));
}

QString CalendarFile::format(const EventTable &table, const QDate &today)
{
    constexpr QLatin1StringView lineEnd("\r\n");
    QString text;
    text.reserve(32 + table.size() * 160);
    text += QLatin1StringView("LastCheck=") % QString::number(today.year()) % TwoDigits(today.month())
            % TwoDigits(today.day()) % lineEnd;
    if (table.EventCount < 0)
        return text;
    text += lineEnd;
    // A value always stays on its one line, or a later line of it could be
    // read back as another key.
    for (int i = 0; i <= table.EventCount; ++i) {
        const Event &event = table.Events[i];
        text += QLatin1StringView("[Event]\r\nTitle=") % toSingleLine(event.Title)
                % QLatin1StringView("\r\nDescription=") % toSingleLine(event.Description)
                % QLatin1StringView("\r\nCategory=") % toSingleLine(event.Category)
                % QLatin1StringView("\r\nDate=") % fitToWidth(toSingleLine(event.Date), Event::DateWidth)
                % QLatin1StringView("\r\nTime=") % fitToWidth(toSingleLine(event.Time), Event::TimeWidth)
                % QLatin1StringView("\r\nNotifyingDays=") % QString::number(event.NotifyingDays)
                % QLatin1StringView("\r\nSound=") % toSingleLine(event.Sound) % lineEnd % lineEnd;
    }
    return text;
}

int CalendarFile::parse(const QStringList &lines, EventTable &table, QString &lastCheck)
{
    table.EventCount = -1;
    bool recognised = false;
    for (const QString &line : lines) {
        if (line == QLatin1String("[Event]")) {
            if (table.isFull())
                return FileError::SubscriptRange;
            ++table.EventCount;
            table.Events[table.EventCount] = Event{};
            recognised = true;
        } else if (line.startsWith(LastCheckKey)) {
            lastCheck = valueAfter(line, LastCheckKey);
            recognised = true;
        } else if (const TextKey *key = textKeyOf(line)) {
            if (table.EventCount < 0)
                return FileError::SubscriptRange;
            const QString value = valueAfter(line, key->name);
            table.Events[table.EventCount].*(key->field) = key->width > 0 ? fitToWidth(value, key->width) : value;
        } else if (line.startsWith(NotifyingDaysKey)) {
            if (table.EventCount < 0)
                return FileError::SubscriptRange;
            const Int16Reading days = readInt16(valueAfter(line, NotifyingDaysKey), Rounding::NearestEven);
            if (days.error != 0)
                return days.error;
            table.Events[table.EventCount].NotifyingDays = days.value;
        }
    }
    // UTF-16 without a byte order mark, or any other foreign file, lands here.
    return recognised || !holdsText(lines) ? 0 : FileError::Unreadable;
}
