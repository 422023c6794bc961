#include "settings/SettingsFile.h"

#include "programinfo/ProgramInfo.h"
#include "eventdata/DataFile.h"
#include "eventdata/FileErrors.h"
#include "eventdata/NumberText.h"
#include "settings/Settings.h"

const QString SettingsFile::FileName = QStringLiteral("tarrow.ini");

FileStakes SettingsFile::stakes()
{
    // Defaults take the place of unreadable settings, kept aside or not.
    return {QStringLiteral("settings"),
            QStringLiteral("All settings will be restored to their default values, but your saved reminders and/or "
                           "notes will not be affected."),
            true};
}

namespace {

struct NumberKey {
    QLatin1StringView name;
    qint16 *field;
};

// Keys are recognised wherever they stand, sections and the version line
// match none of them. The value starts one character after the key.
FileError applyItem(const QString &item, Settings &settings, MainWindowPosition &position, bool &recognised)
{
    // clang-format off
    const NumberKey numberKeys[] = {
        {QLatin1StringView("Autostart"), &settings.autostart},
        {QLatin1StringView("LoadMinimized"), &settings.loadMinimized},
        {QLatin1StringView("Mute"), &settings.mute},
        {QLatin1StringView("TimeFormat"), &settings.timeFormat},
        {QLatin1StringView("ConfirmExit"), &settings.confirmExit},
        {QLatin1StringView("ConfirmRemoveE"), &settings.confirmRemoveE},
        {QLatin1StringView("ConfirmRemoveN"), &settings.confirmRemoveN},
        {QLatin1StringView("MarkDays"), &settings.markDays},
        {QLatin1StringView("Top"), &position.mainTop},
        {QLatin1StringView("Left"), &position.mainLeft},
    };
    // clang-format on
    for (const NumberKey &key : numberKeys) {
        if (!item.startsWith(key.name))
            continue;
        recognised = true;
        const Int16Reading reading = readInt16(QStringView(item).mid(key.name.size() + 1), Rounding::Down);
        if (failed(reading.error))
            return reading.error;
        *key.field = reading.value;
    }
    const QLatin1StringView category("Category");
    if (item.startsWith(category)) {
        recognised = true;
        // "Category" is followed by the slot digit, then one unexamined character.
        const int slot = item.size() > category.size() ? item.at(category.size()).digitValue() : -1;
        if (slot < 0 || slot >= int(settings.userCategories.size()))
            return FileError::SubscriptRange;
        settings.userCategories[slot] = item.mid(category.size() + 2);
    }
    return FileError::None;
}

// The sync's keys stand at the start of a line and take the rest of it: an
// address or a user name may hold a comma, which must neither cut it short
// nor start an item of its own.
bool readSyncLine(const QString &line, SyncSettings &sync)
{
    const auto value = [&line](QLatin1StringView key) { return line.mid(key.size()); };
    if (line.startsWith(QLatin1StringView("Url=")))
        sync.url = value(QLatin1StringView("Url="));
    else if (line.startsWith(QLatin1StringView("User=")))
        sync.user = value(QLatin1StringView("User="));
    else if (line.startsWith(QLatin1StringView("Interval=")))
        sync.interval = readSyncInterval(value(QLatin1StringView("Interval=")));
    else
        return false;
    return true;
}

// Written only once the user set the sync up: the file of anyone who never
// did stays as it always was.
QString syncSection(const SyncSettings &sync)
{
    if (sync == SyncSettings{})
        return {};
    return QStringLiteral("\r\n[Sync]\r\nUrl=") + toSingleLine(sync.url) + QStringLiteral("\r\nUser=")
           + toSingleLine(sync.user) + QStringLiteral("\r\nInterval=") + QString::number(sync.interval)
           + QStringLiteral("\r\n");
}

} // namespace

SettingsFile::SettingsFile(const QString &dataFolder, FileErrorReporter &reporter)
    : file_(dataFolder, FileName, reporter, stakes())
{
}

bool SettingsFile::loadSettings(Settings &settings, MainWindowPosition &position, MissingFile missing)
{
    settings.resetGeneralToDefaults();
    position = MainWindowPosition{};
    return file_.load([&](const QStringList &lines) { return parse(lines, settings, position); }, missing);
}

bool SettingsFile::saveSettings(const Settings &settings, const MainWindowPosition &position)
{
    return file_.save(format(settings, position));
}

QString SettingsFile::format(const Settings &settings, const MainWindowPosition &position)
{
    const auto line = [](const char *key, const QString &value) {
        return QLatin1String(key) + value + QStringLiteral("\r\n");
    };
    const auto number = [&](const char *key, qint16 value) { return line(key, QString::number(value)); };
    const QString empty = QStringLiteral("\r\n");
    return line("Version=", ProgramInfo::Version + QStringLiteral("|01")) + empty + line("[General]", {})
           + number("Autostart=", settings.autostart) + number("LoadMinimized=", settings.loadMinimized)
           + number("Mute=", settings.mute) + number("TimeFormat=", settings.timeFormat)
           + number("ConfirmExit=", settings.confirmExit) + number("ConfirmRemoveE=", settings.confirmRemoveE)
           + number("ConfirmRemoveN=", settings.confirmRemoveN) + number("MarkDays=", settings.markDays) + empty
           + line("[Main window]", {}) + number("Top=", position.mainTop) + number("Left=", position.mainLeft) + empty
           + line("[User categories]", {}) + line("Category0=", toSingleLine(settings.userCategories[0]))
           + line("Category1=", toSingleLine(settings.userCategories[1]))
           + line("Category2=", toSingleLine(settings.userCategories[2])) + syncSection(settings.sync);
}

FileError SettingsFile::parse(const QStringList &lines, Settings &settings, MainWindowPosition &position)
{
    bool recognised = false;
    for (const QString &line : lines) {
        if (readSyncLine(line, settings.sync)) {
            recognised = true;
            continue;
        }
        // A comma ends an item; the text after it is an item of its own.
        for (const QString &item : line.split(QLatin1Char(','))) {
            if (const FileError error = applyItem(item, settings, position, recognised); failed(error))
                return error;
        }
    }
    // The categories are the user's own text: a settings file saved in a
    // foreign encoding is reported and kept rather than quietly reset.
    return recognised || !holdsText(lines) ? FileError::None : FileError::Unreadable;
}
