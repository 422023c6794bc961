#include "platform/Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString EntryName = QStringLiteral("Tarrowby");

#ifdef Q_OS_WIN
const QString RunKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
#endif

} // namespace

QString Autostart::desktopEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/Tarrowby.desktop");
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

bool Autostart::enable(const QString &programFolder) const
{
#ifdef Q_OS_WIN
    QSettings run(RunKey, QSettings::NativeFormat);
    run.setValue(EntryName, QDir::toNativeSeparators(programFolder + QStringLiteral("/tarrow.exe")));
    run.sync();
    return run.status() == QSettings::NoError;
#else
    const QString path = desktopEntryPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=") + EntryName +
                          QStringLiteral("\nExec=") + desktopExec(programFolder + QStringLiteral("/tarrow")) +
                          QStringLiteral("\nX-GNOME-Autostart-enabled=true\n");
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
    return !QFileInfo::exists(path) || QFile::remove(path);
#endif
}
