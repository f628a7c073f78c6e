#include "app/session/QtSoundBackend.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>

#include "AssetLookup.h"
#include "app/dialogs/UserMessages.h"

namespace loopsim {

bool MediaDeviceOutputs::available() const {
    return !QMediaDevices::audioOutputs().isEmpty();
}

QtSoundBackend::QtSoundBackend(std::filesystem::path soundsFolder, const AudioOutputs& outputs,
                               UserMessages& messages)
    : soundsFolder_(std::move(soundsFolder)), outputs_(outputs), messages_(messages) {}

QtSoundBackend::~QtSoundBackend() = default;

bool QtSoundBackend::deviceReady() {
    if (!checkedDevice_) {
        checkedDevice_ = true;
        if (!outputs_.available()) {
            silenced_ = true;
            messages_.showMessage(messageParent_, QString::fromLatin1(kNoSoundDeviceMessage));
        }
    }
    return !silenced_;
}

QSoundEffect& QtSoundBackend::effect(int channel) {
    auto& slot = effects_[static_cast<std::size_t>(channel - 1)];
    if (!slot)
        slot = std::make_unique<QSoundEffect>();
    return *slot;
}

void QtSoundBackend::play(int channel, const std::string& file, bool repeat) {
    if (channel < 1 || channel > SoundChannels::kChannelCount)
        return;
    if (!deviceReady()) {
        if (silentPlay_)
            silentPlay_(file);
        return;
    }
    QSoundEffect& sound = effect(channel);
    sound.stop();
    const auto path = assets::findAssetFile(soundsFolder_, file);
    if (!path) {
        sound.setSource(QUrl());
        return;
    }
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(path->string()));
    if (sound.source() != url)
        sound.setSource(url);
    sound.setLoopCount(repeat ? QSoundEffect::Infinite : 1);
    sound.play();
}

void QtSoundBackend::stop(int channel) {
    if (channel < 1 || channel > SoundChannels::kChannelCount || silenced_)
        return;
    if (auto& slot = effects_[static_cast<std::size_t>(channel - 1)])
        slot->stop();
}

QUrl QtSoundBackend::source(int channel) const {
    const auto& slot = effects_[static_cast<std::size_t>(channel - 1)];
    return slot ? slot->source() : QUrl();
}

bool QtSoundBackend::repeating(int channel) const {
    const auto& slot = effects_[static_cast<std::size_t>(channel - 1)];
    return slot && slot->loopCount() == QSoundEffect::Infinite;
}

}  // namespace loopsim
