#include "platform/SoundModule.h"

#include <QDir>
#include <QLibrary>

std::unique_ptr<SoundOutput> loadSoundOutput(const QStringList &folders)
{
    for (const QString &folder : folders) {
        // The base name: QLibrary adds the system's prefix and suffix.
        QLibrary module(QDir(folder).absoluteFilePath(QStringLiteral("tarrowsound")));
        if (!module.load())
            continue;
        if (auto *make = reinterpret_cast<MakeSoundOutput *>(module.resolve(MakeSoundOutputName)))
            return std::unique_ptr<SoundOutput>(make());
        module.unload();
    }
    return nullptr;
}
