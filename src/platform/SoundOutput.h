#pragma once

#include <QString>

// A player of wave files kept in a module of its own (tarrowsound), which
// SoundPlayer loads at the first sound: what plays a sound is not needed
// for a start, and loading it costs memory every run would pay.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Stops what plays and starts wavePath, an existing file; a file that
    // cannot be played plays nothing.
    virtual void play(const QString &wavePath) = 0;
    virtual void stop() = 0;
};

// The module's one entry point: a new output, owned by the caller.
using MakeSoundOutput = SoundOutput *();
inline constexpr char MakeSoundOutputName[] = "tarrowMakeSoundOutput";
