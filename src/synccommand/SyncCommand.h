#pragma once

#include <QString>

class Clock;
class CredentialStore;

// tarrow --sync: one pass without a window over the data folder's calendar,
// with the settings of its tarrow.ini. It holds the folder's instance lock
// for the pass, so it never runs beside the program on the same folder.
// The password is the first line of passwordFile, a file only its owner
// may read, or, without one, what the credential store keeps. Prints one
// line per change; a question the pass would ask is printed and answered
// no, so nothing is written without the user. Returns the exit status.
int runSyncCommand(const QString &dataFolder, const QString &passwordFile, CredentialStore &credentials,
                   const Clock &clock);

// The first line of a password file; false, with failure saying why, for a
// file others may read or write, or one that cannot be read.
bool readPasswordFile(const QString &path, QString &password, QString &failure);
