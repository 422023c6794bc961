#pragma once

#include "eventdata/FileErrors.h"

#include <QStringView>
#include <QtGlobal>

// Reading the numbers of the data files. Blanks around the number are
// allowed; anything else that is not a number is a type mismatch, and a
// number outside the 16-bit range an overflow (FileErrors.h).
enum class Rounding { NearestEven, Down };

struct Int16Reading {
    qint16 value = 0;
    FileError error = FileError::None; // or TypeMismatch, Overflow
};

Int16Reading readInt16(QStringView text, Rounding rounding);
