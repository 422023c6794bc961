#include "eventdata/CalendarFile.h"

#include "eventdata/DateText.h"
#include "eventdata/EventTable.h"
#include "eventdata/FileErrors.h"
#include "eventdata/NumberText.h"
#include "platform/Clock.h"

#include <QStringBuilder>

const QString CalendarFile::FileName = QStringLiteral("calendar.dat");

FileStakes CalendarFile::stakes()
{
    return {QStringLiteral("reminders"),
            QStringLiteral("Your saved reminders will most likely be lost for ever if no backup is available.")};
}

namespace {

constexpr QLatin1StringView LastCheckKey("LastCheck");
constexpr QLatin1StringView NotifyingDaysKey("NotifyingDays");

struct TextKey {
    QLatin1StringView name;
    void (*store)(Event &event, const QString &value);
};

// clang-format off
const TextKey TextKeys[] = {
    {QLatin1StringView("Title"), [](Event &event, const QString &value) { event.title = value; }},
    {QLatin1StringView("Description"), [](Event &event, const QString &value) { event.description = value; }},
    {QLatin1StringView("Category"), [](Event &event, const QString &value) { event.category = value; }},
    {QLatin1StringView("Date"), setStoredDate},
    {QLatin1StringView("Time"), setStoredTime},
    {QLatin1StringView("Sound"), [](Event &event, const QString &value) { event.sound = value; }},
};
// clang-format on

// What a section holds before its keys are read: a Date of blanks, which
// no day can be taken from, so that a section without one fails the load.
Event unreadEvent()
{
    Event event;
    setStoredDate(event, QString());
    return event;
}

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
    : file_(dataFolder, FileName, reporter, stakes()), clock_(clock)
{
}

bool CalendarFile::loadCalendar(EventTable &table, QString &LastCheck, MissingFile missing)
{
    QString lastCheck = LastCheck;
    const int currentYear = clock_.today().year();
    const bool loaded = file_.load(
        [&](const QStringList &lines) {
            const FileError error = parse(lines, table, lastCheck);
            return failed(error) ? error : table.purgePastEvents(currentYear);
        },
        missing);
    if (loaded)
        LastCheck = lastCheck;
    else
        table.eventCount = -1;
    return loaded;
}

bool CalendarFile::saveCalendar(const EventTable &table)
{
    return file_.save(format(table, clock_.today()));
}

QString CalendarFile::format(const EventTable &table, const QDate &today)
{
    constexpr QLatin1StringView lineEnd("\r\n");
    QString text;
    text += QLatin1StringView("LastCheck=") % QString::number(today.year()) % twoDigits(today.month())
            % twoDigits(today.day()) % lineEnd;
    if (table.eventCount < 0)
        return text;
    text += lineEnd;
    // A value always stays on its one line, or a later line of it could be
    // read back as another key.
    for (int i = 0; i <= table.eventCount; ++i) {
        const Event &event = table.events[i];
        text += QLatin1StringView("[Event]\r\nTitle=") % toSingleLine(event.title)
                % QLatin1StringView("\r\nDescription=") % toSingleLine(event.description)
                % QLatin1StringView("\r\nCategory=") % toSingleLine(event.category) % QLatin1StringView("\r\nDate=")
                % fitToWidth(toSingleLine(storedDate(event)), Event::DateWidth) % QLatin1StringView("\r\nTime=")
                % fitToWidth(toSingleLine(storedTime(event)), Event::TimeWidth)
                % QLatin1StringView("\r\nNotifyingDays=") % QString::number(event.notifyingDays)
                % QLatin1StringView("\r\nSound=") % toSingleLine(event.sound) % lineEnd % lineEnd;
    }
    return text;
}

FileError CalendarFile::parse(const QStringList &lines, EventTable &table, QString &lastCheck)
{
    table.eventCount = -1;
    bool recognised = false;
    for (const QString &line : lines) {
        if (line == QLatin1String("[Event]")) {
            if (table.isFull())
                return FileError::SubscriptRange;
            ++table.eventCount;
            table.events[table.eventCount] = unreadEvent();
            recognised = true;
        } else if (line.startsWith(LastCheckKey)) {
            lastCheck = valueAfter(line, LastCheckKey);
            recognised = true;
        } else if (const TextKey *key = textKeyOf(line)) {
            if (table.eventCount < 0)
                return FileError::SubscriptRange;
            key->store(table.events[table.eventCount], valueAfter(line, key->name));
        } else if (line.startsWith(NotifyingDaysKey)) {
            if (table.eventCount < 0)
                return FileError::SubscriptRange;
            const Int16Reading days = readInt16(valueAfter(line, NotifyingDaysKey), Rounding::NearestEven);
            if (failed(days.error))
                return days.error;
            table.events[table.eventCount].notifyingDays = days.value;
        }
    }
    // UTF-16 without a byte order mark, or any other foreign file, lands here.
    return recognised || !holdsText(lines) ? FileError::None : FileError::Unreadable;
}
