#include "platform/MediaSoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

MediaSoundPlayer::MediaSoundPlayer() = default;
MediaSoundPlayer::~MediaSoundPlayer() = default;

void MediaSoundPlayer::play(const QString &wavePath)
{
    const QFileInfo file(wavePath);
    if (!file.isFile())
        return;
    // Made on first use: the audio back end costs start-up time and memory.
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    effect_->stop();
    // An unplayable file only sets the effect's error status, which nobody reads.
    effect_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    effect_->setLoopCount(1);
    effect_->play();
}

void MediaSoundPlayer::stop()
{
    if (effect_)
        effect_->stop();
}
