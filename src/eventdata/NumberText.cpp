#include "eventdata/NumberText.h"

#include "eventdata/FileErrors.h"

#include <QLocale>

#include <cmath>
#include <limits>

Int16Reading readInt16(QStringView text, Rounding rounding)
{
    bool ok = false;
    const double number = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(number))
        return {0, FileError::TypeMismatch};
    // nearbyint rounds halves to even in the default rounding mode.
    const double whole = rounding == Rounding::Down ? std::floor(number) : std::nearbyint(number);
    if (whole < std::numeric_limits<qint16>::min() || whole > std::numeric_limits<qint16>::max())
        return {0, FileError::Overflow};
    return {qint16(whole), FileError::None};
}
