#pragma once

#include <QString>
#include <QtGlobal>

// A box's length limit binds what the user types or pastes, not what the
// program puts in: a stored text longer than the limit shows whole, and an
// edit may shorten it but never make it longer than it already is.

// The longest a text of length characters may become by an edit.
qsizetype lengthCeiling(qsizetype length, qsizetype limit);

// How many of inserted characters an edit that replaces replaced of the
// text's length characters may put in: as many as fit under the ceiling.
qsizetype insertableLength(qsizetype length, qsizetype replaced, qsizetype inserted, qsizetype limit);

// A title where only a few characters fit (a menu entry, a removal
// question): whole when it has at most wholeUpTo characters, else its first
// shortenedTo characters without trailing blanks, followed by "...".
QString shortTitle(const QString &text, qsizetype wholeUpTo, qsizetype shortenedTo);
