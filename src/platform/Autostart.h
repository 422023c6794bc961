#pragma once

#include <QString>

// The per-user entry that starts the program at logon: the "Tarrowby" value
// of the Run key on Windows, the desktop entry Tarrowby.desktop in the XDG
// autostart folder elsewhere.
class Autostart {
public:
    // Both return false when the entry could not be written or removed; a
    // missing entry counts as removed.
    bool enable(const QString &programFolder) const;
    bool disable() const;

    // The Exec line's value for a program file, quoted as desktop entries
    // require it.
    static QString desktopExec(const QString &programFile);
    static QString desktopEntryPath();
#ifndef Q_OS_WIN
    // The program file itself when every reader of desktop entries takes its
    // path alike; else a link to it, made at programLinkPath(), whose path
    // they do; empty when neither will do.
    static QString startablePath(const QString &programFile);
    static QString programLinkPath();
#endif
};
