#include "platform/SoundPlayer.h"

#include "platform/SoundModule.h"

#include <QCoreApplication>

SoundPlayer::SoundPlayer() = default;

SoundPlayer::~SoundPlayer()
{
    stop();
}

// Qt Multimedia and the libraries it brings would cost a few megabytes from
// the start, while only some alerts play a sound: the module that plays is
// loaded at the first sound, from beside the program (where it is installed
// too). Without it a sound plays nothing, as a file that cannot be played.
void SoundPlayer::play(const QString &wavePath)
{
    if (!moduleLooked_) {
        moduleLooked_ = true;
        output_ = loadSoundOutput({QCoreApplication::applicationDirPath()});
    }
    if (output_)
        output_->play(wavePath);
}

void SoundPlayer::stop()
{
    if (output_)
        output_->stop();
}
