#pragma once

#include <QDateTime>
#include <QString>

// tarrow --export FILE.ics: writes the events of the data folder's
// calendar.dat as iCalendar, without a window. It only reads the data folder
// (no backup, no LastCheck, no lock), so it also runs beside the program;
// it refuses to write onto a folder or onto a file of the data folder's own
// (the data files and the lock file), however the target names it.
// Returns the exit status; failure says why in one line when it is not 0.
int runExportCommand(const QString &target, const QString &dataFolder, const QDateTime &now, QString &failure);
