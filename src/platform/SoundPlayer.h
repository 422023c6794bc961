#pragma once

#include <QString>

// Plays the wave files of alerts. Tests use a fake that records the calls.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Starts the file once and returns at once; a file that is missing or
    // cannot be played plays nothing and reports nothing.
    virtual void play(const QString &wavePath) = 0;
    virtual void stop() = 0;
};
