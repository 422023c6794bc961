#include "eventdata/LengthLimit.h"

#include <algorithm>

qsizetype lengthCeiling(qsizetype length, qsizetype limit)
{
    return std::max(length, limit);
}

qsizetype insertableLength(qsizetype length, qsizetype replaced, qsizetype inserted, qsizetype limit)
{
    const qsizetype room = lengthCeiling(length, limit) - (length - replaced);
    return std::clamp<qsizetype>(room, 0, inserted);
}
