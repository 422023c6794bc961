#pragma once

#include <QString>
#include <QStringList>

// The names of the three data files.
const QStringList &DataFileNames();

// Where the data files live. A command line, when given, is the folder, taken
// whole. Otherwise the program's own folder, as long as it already holds one
// of the data files or can be written to (a portable copy); an installed
// program uses the per-user application data folder, created when missing.
QString resolveDataFolder(const QString &commandLine, const QString &programFolder,
                          const QString &userDataFolder);
