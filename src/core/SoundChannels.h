// Seven numbered sound channels. Channels 1 to 4 play a file once, 5 to 7 repeat it until
// stopped; a new play replaces what the channel held. The core calls play() exactly where
// the unit makes a sound; callers check the Sound box first (playIfEnabled), except for the
// double beep, which always sounds. A backend makes the sound (the window's audio output);
// without one the calls are only logged, which is what tests and the runner look at.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/SimClock.h"

namespace loopsim {

struct SimulationState;

class SoundBackend {
  public:
    virtual ~SoundBackend() = default;
    virtual void play(int channel, const std::string& file, bool repeat) = 0;
    virtual void stop(int channel) = 0;
};

struct SoundCall {
    Millis time;
    bool isPlay;  // false: stop
    int channel;
    std::string file;
    bool operator==(const SoundCall&) const = default;
};

class SoundChannels {
  public:
    static constexpr int kChannelCount = 7;

    SoundChannels(const SimClock& clock, const SimulationState& state)
        : clock_(clock), state_(state) {}

    void setBackend(SoundBackend* backend) { backend_ = backend; }
    // Keeps every call in a log for whoever reads it (the runner's dumps, tests); off unless
    // asked, so a long session does not collect calls nobody reads.
    void setLogging(bool logging) { logging_ = logging; }

    void play(int channel, std::string_view file);
    void stop(int channel);
    // Plays only while the Sound box is ticked.
    void playIfEnabled(int channel, std::string_view file);
    // Stops only while the Sound box is ticked, as the handlers that guard their stops do.
    void stopIfEnabled(int channel);

    static bool repeats(int channel) { return channel >= 5; }

    const std::vector<SoundCall>& log() const { return log_; }
    std::vector<SoundCall> takeLog() { return std::exchange(log_, {}); }

  private:
    const SimClock& clock_;
    const SimulationState& state_;
    SoundBackend* backend_ = nullptr;
    bool logging_ = false;
    std::vector<SoundCall> log_;
};

}  // namespace loopsim
