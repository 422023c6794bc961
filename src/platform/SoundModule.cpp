#include "platform/SoundModule.h"

#include "platform/ProgramModule.h"

std::unique_ptr<SoundOutput> loadSoundOutput(const QStringList &folders)
{
    const auto make = reinterpret_cast<MakeSoundOutput *>(
        programModuleEntry(folders, QStringLiteral("tarrowsound"), MakeSoundOutputName));
    return std::unique_ptr<SoundOutput>(make ? make() : nullptr);
}
