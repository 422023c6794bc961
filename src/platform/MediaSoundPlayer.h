#pragma once

#include "platform/SoundPlayer.h"

#include <memory>

class QSoundEffect;

// Plays wave files through Qt Multimedia. The path is only ever read as a
// local sound file, never handed to another program.
class MediaSoundPlayer : public SoundPlayer {
public:
    MediaSoundPlayer();
    ~MediaSoundPlayer() override;

    void play(const QString &wavePath) override;
    void stop() override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};
