#include "settings/SyncSettings.h"

#include "eventdata/EventDate.h"

#include <algorithm>
#include <iterator>

int readSyncInterval(QStringView text)
{
    const int minutes = digitsValue(text.trimmed());
    return std::find(std::begin(SyncIntervals), std::end(SyncIntervals), minutes) != std::end(SyncIntervals) ? minutes
                                                                                                             : 0;
}
