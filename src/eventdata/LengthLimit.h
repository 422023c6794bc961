#pragma once

#include <QtGlobal>

// A box's length limit binds what the user types or pastes, not what the
// program puts in: a stored text longer than the limit shows whole, and an
// edit may shorten it but never make it longer than it already is.

// The longest a text of length characters may become by an edit.
qsizetype lengthCeiling(qsizetype length, qsizetype limit);

// How many of inserted characters an edit that replaces replaced of the
// text's length characters may put in: as many as fit under the ceiling.
qsizetype insertableLength(qsizetype length, qsizetype replaced, qsizetype inserted, qsizetype limit);
