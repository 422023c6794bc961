// Windows has no zone files that libical reads; the test programs take the
// build kit's before anything can call libical.
#include "exchange/ImportZones.h"

namespace {

const bool ZoneFolderSet = [] {
    setLibicalZoneFolder(QStringLiteral(LIBICAL_ZONE_FOLDER));
    return true;
}();

} // namespace
