#pragma once

#include "eventdata/FileErrors.h"

#include <QByteArray>
#include <QDateTime>
#include <QFileDevice>
#include <QString>

// New files of the program are its user's alone.
constexpr QFileDevice::Permissions PrivateFileMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// The mark in the name of a save's temporary file: "calendar.dat" is first
// written as "calendar.dat.tarrowby-save-" and six letters or digits. No
// user names a file so, which lets a later start tell what a killed save
// left from the user's own files.
QString temporarySaveMarker();

// Not QSaveFile: it follows a link at target by itself, whoever made the
// link, and names its temporary file "calendar.dat.XXXXXX", which a user's
// own "calendar.dat.backup" looks like.
//
// What mode the new file gets: the old file's (the user may have shared it
// on purpose), or the user's alone whatever the old one had.
enum class SavedMode { KeepExisting, Private };

// Puts bytes in place of the file at target in one step: whatever happens,
// target then holds either all of its old contents or all of the new. target
// must not be a link (follow those first); a file that exists keeps its
// mode unless mode says Private, a new one is private, and a read-only one
// is not replaced. On success modified is the new file's time; on failure
// target is as it was and no temporary file is left.
FileError replaceFileAtomically(const QString &target, const QByteArray &bytes, QDateTime &modified,
                                SavedMode mode = SavedMode::KeepExisting);

// Why a file could not be made or replaced at path, once the file itself was
// found writable or missing.
FileError openErrorForWriting(const QString &path);
