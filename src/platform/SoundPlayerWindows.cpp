#include "platform/SoundPlayer.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>
#include <mmsystem.h>

SoundPlayer::SoundPlayer() = default;

SoundPlayer::~SoundPlayer()
{
    stop();
}

// PlaySound reads the whole file before it returns and plays from memory;
// SND_NODEFAULT keeps the system's own sound out when the file is no wave.
void SoundPlayer::play(const QString &wavePath)
{
    const QString native = QDir::toNativeSeparators(QFileInfo(wavePath).absoluteFilePath());
    PlaySoundW(reinterpret_cast<const wchar_t *>(native.utf16()), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

void SoundPlayer::stop()
{
    PlaySoundW(nullptr, nullptr, 0);
}
