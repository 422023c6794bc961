#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "FuzzRoundTrip.h"

namespace {

struct StoredSettings {
    Settings settings;
    MainWindowPosition position;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return checkRoundTrip<StoredSettings>(
        data, size,
        [](const QStringList &lines, StoredSettings &stored) {
            return SettingsFile::parse(lines, stored.settings, stored.position);
        },
        [](const StoredSettings &stored) { return SettingsFile::format(stored.settings, stored.position); });
}
