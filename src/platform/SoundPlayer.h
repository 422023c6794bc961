#pragma once

#include <QString>

#ifndef Q_OS_WIN
#include "platform/ProgramModule.h"
#endif

class SoundOutput;

// Plays one wave file at a time without waiting for it, and stops it. Qt
// Multimedia, in a module loaded at the first sound, where there is one; the
// system's PlaySound on Windows, which has the same behaviour and needs
// nothing more.
class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;

    // Stops what plays and starts wavePath, an existing file; a file that
    // cannot be played plays nothing.
    void play(const QString &wavePath);
    void stop();

private:
#ifndef Q_OS_WIN
    ModuleObject<SoundOutput> output_;
#endif
};
