#pragma once

#include <QString>
#include <QStringList>

// The names of the data files: the calendar, the notes, the settings and the
// sync's state, which exists only once the calendar is synced.
const QStringList &dataFileNames();
QString syncStateFileName();

// Where the data files live. A command line, when given, is the folder, taken
// whole. Otherwise the program's own folder, as long as it already holds one
// of the data files or can be written to (a portable copy); an installed
// program uses the per-user application data folder. Nothing is created.
QString chooseDataFolder(const QString &commandLine, const QString &programFolder, const QString &userDataFolder);
// The chosen folder, created private to the user when missing.
QString resolveDataFolder(const QString &commandLine, const QString &programFolder, const QString &userDataFolder);

// True when the folder holds none of the data files: a first start, which
// has nothing to report missing.
bool holdsNoDataFile(const QString &folder);

// The file in the data folder whose kernel lock the running program holds.
QString dataFolderLockName();

// Removes what saves cut short by a kill left behind: regular files named like
// a data file, the save's mark and six letters or digits, and not newer than
// the folder's lock file, which the start that holds the lock has just taken.
// Nothing else, not even a file of the older temporary shape ("calendar.dat."
// and six letters or digits), which a user's own "calendar.dat.backup" has
// too; and nothing at all in a folder without a lock file.
void removeStaleTemporaryFiles(const QString &folder);
