#include "platform/Autostart.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString EntryName = QStringLiteral("Tarrowby");

#ifndef Q_OS_WIN
// Characters that the readers of desktop entries take differently, however
// they are written: gio looks for the program with %% still doubled, and
// systemd's autostart undoes a backslash's escape twice. Control characters
// other than line breaks and tabs have no escape in an entry at all.
bool readersAgreeOn(const QString &path)
{
    return std::none_of(path.begin(), path.end(), [](QChar c) {
        return c == QLatin1Char('%') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control;
    });
}

bool replaceLink(const QString &link, const QString &target)
{
    if (!QDir().mkpath(QFileInfo(link).absolutePath()))
        return false;
    QFile::remove(link);
    return QFile::link(target, link);
}
#endif

#ifdef Q_OS_WIN
const QString RunKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
#endif

} // namespace

QString Autostart::desktopEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/autostart/Tarrowby.desktop");
}

// Inside double quotes, ", `, $ and \ take a backslash; the value's own
// escaping then doubles every backslash and writes line breaks and tabs as
// escapes (a raw line break would end the entry's line), and % stands for
// itself as %%.
QString Autostart::desktopExec(const QString &programFile)
{
    QString quoted;
    for (const QChar c : programFile) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    return quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"))
        .replace(QLatin1Char('\r'), QStringLiteral("\\r"))
        .replace(QLatin1Char('\t'), QStringLiteral("\\t"))
        .replace(QLatin1Char('%'), QStringLiteral("%%"));
}

#ifndef Q_OS_WIN
QString Autostart::programLinkPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/tarrowby/tarrow");
}

QString Autostart::startablePath(const QString &programFile)
{
    const QString link = programLinkPath();
    if (readersAgreeOn(programFile)) {
        QFile::remove(link); // a link an earlier folder needed
        return programFile;
    }
    return readersAgreeOn(link) && replaceLink(link, programFile) ? link : QString();
}
#endif

bool Autostart::enable(const QString &programFolder) const
{
#ifdef Q_OS_WIN
    QSettings run(RunKey, QSettings::NativeFormat);
    run.setValue(EntryName, QDir::toNativeSeparators(programFolder + QStringLiteral("/tarrow.exe")));
    run.sync();
    return run.status() == QSettings::NoError;
#else
    const QString path = desktopEntryPath();
    const QString program = startablePath(programFolder + QStringLiteral("/tarrow"));
    if (program.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=") + EntryName
                          + QStringLiteral("\nExec=") + desktopExec(program)
                          + QStringLiteral("\nX-GNOME-Autostart-enabled=true\n");
    file.write(entry.toUtf8());
    return file.commit();
#endif
}

bool Autostart::disable() const
{
#ifdef Q_OS_WIN
    QSettings run(RunKey, QSettings::NativeFormat);
    run.remove(EntryName);
    run.sync();
    return run.status() == QSettings::NoError;
#else
    const QString path = desktopEntryPath();
    QFile::remove(programLinkPath());
    return !QFileInfo::exists(path) || QFile::remove(path);
#endif
}
