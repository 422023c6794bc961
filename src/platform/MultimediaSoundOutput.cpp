#include "platform/SoundOutput.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include <memory>

namespace {

class MultimediaSoundOutput : public SoundOutput {
public:
    MultimediaSoundOutput() = default;
    ~MultimediaSoundOutput() override { stop(); }
    MultimediaSoundOutput(const MultimediaSoundOutput &) = delete;
    MultimediaSoundOutput &operator=(const MultimediaSoundOutput &) = delete;

    void play(const QString &wavePath) override;
    void stop() override;

private:
    std::unique_ptr<QSoundEffect> sound_;
};

// The effect holds the whole decoded sound, so it lives only while it plays.
void MultimediaSoundOutput::play(const QString &wavePath)
{
    stop();
    sound_ = std::make_unique<QSoundEffect>();
    QSoundEffect *sound = sound_.get();
    const auto release = [this, sound] {
        if (sound_.get() == sound)
            stop();
    };
    QObject::connect(sound, &QSoundEffect::playingChanged, sound, [sound, release] {
        if (!sound->isPlaying())
            release();
    });
    QObject::connect(sound, &QSoundEffect::statusChanged, sound, [sound, release] {
        if (sound->status() == QSoundEffect::Error)
            release();
    });
    sound->setSource(QUrl::fromLocalFile(QFileInfo(wavePath).absoluteFilePath()));
    sound->setLoopCount(1);
    sound->play();
}

// Not deleted at once: the effect may be inside one of its own signals.
void MultimediaSoundOutput::stop()
{
    QSoundEffect *sound = sound_.release();
    if (!sound)
        return;
    sound->stop();
    sound->deleteLater();
}

} // namespace

extern "C" Q_DECL_EXPORT SoundOutput *tarrowMakeSoundOutput()
{
    return new MultimediaSoundOutput;
}
