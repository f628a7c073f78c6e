// The seven sound channels on Qt Multimedia: one QSoundEffect per channel, made the first
// time the channel plays. A play loads the named file from the sounds folder (names found
// without regard to letter case) and starts it once or looping, replacing whatever the
// channel held; a missing file leaves the channel silent. Stop halts the channel, and the
// next play starts from the beginning.
//
// Where the machine has no audio output at all, the first play says so once with the
// message below and every later call is silent: a box on every play would make the
// program unusable there. Plays on such a machine go to the silent-play handler instead,
// so the window can show what it cannot sound.
#pragma once

#include <QUrl>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/SoundChannels.h"

class QSoundEffect;
class QWidget;

namespace loopsim {

class UserMessages;

inline constexpr const char* kNoSoundDeviceMessage = "no sound device: the simulator runs silently";

// Whether the machine has somewhere to play sound.
class AudioOutputs {
  public:
    virtual ~AudioOutputs() = default;
    virtual bool available() const = 0;
};

class MediaDeviceOutputs : public AudioOutputs {
  public:
    bool available() const override;
};

class QtSoundBackend : public SoundBackend {
  public:
    QtSoundBackend(std::filesystem::path soundsFolder, const AudioOutputs& outputs,
                   UserMessages& messages);
    ~QtSoundBackend() override;

    void play(int channel, const std::string& file, bool repeat) override;
    void stop(int channel) override;

    // Where the no-device message goes (the window that is open at the time).
    void setMessageParent(QWidget* parent) { messageParent_ = parent; }
    // Told of every sound a silenced backend does not play, with its file name.
    void setSilentPlayHandler(std::function<void(const std::string&)> handler) {
        silentPlay_ = std::move(handler);
    }

    // The file the channel holds, empty when none; whether it repeats.
    QUrl source(int channel) const;
    bool repeating(int channel) const;
    bool silenced() const { return silenced_; }

  private:
    bool deviceReady();
    QSoundEffect& effect(int channel);

    std::filesystem::path soundsFolder_;
    const AudioOutputs& outputs_;
    UserMessages& messages_;
    QWidget* messageParent_ = nullptr;
    std::function<void(const std::string&)> silentPlay_;
    bool checkedDevice_ = false;
    bool silenced_ = false;
    std::array<std::unique_ptr<QSoundEffect>, SoundChannels::kChannelCount> effects_;
};

}  // namespace loopsim
