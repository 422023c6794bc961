#include "platform/SoundPlayer.h"

#include "platform/SoundOutput.h"

#include <QCoreApplication>

// Installed beside the program, too.
SoundPlayer::SoundPlayer()
    : output_({QCoreApplication::applicationDirPath()}, QStringLiteral("tarrowsound"), MakeSoundOutputName)
{
}

SoundPlayer::~SoundPlayer()
{
    stop();
}

// Qt Multimedia and the libraries it brings would cost a few megabytes from
// the start, while only some alerts play a sound: the module that plays is
// loaded at the first sound. Without it a sound plays nothing, as a file
// that cannot be played.
void SoundPlayer::play(const QString &wavePath)
{
    if (SoundOutput *output = output_.get())
        output->play(wavePath);
}

// Nothing plays before the first sound, so a stop loads nothing.
void SoundPlayer::stop()
{
    if (SoundOutput *output = output_.made())
        output->stop();
}
