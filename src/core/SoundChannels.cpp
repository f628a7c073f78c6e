#include "core/SoundChannels.h"

#include "core/SimulationState.h"

namespace loopsim {

void SoundChannels::play(int channel, std::string_view file) {
    if (channel < 1 || channel > kChannelCount)
        return;
    if (logging_)
        log_.push_back({clock_.now(), true, channel, std::string(file)});
    if (backend_)
        backend_->play(channel, std::string(file), repeats(channel));
}

void SoundChannels::stop(int channel) {
    if (channel < 1 || channel > kChannelCount)
        return;
    if (logging_)
        log_.push_back({clock_.now(), false, channel, {}});
    if (backend_)
        backend_->stop(channel);
}

void SoundChannels::playIfEnabled(int channel, std::string_view file) {
    if (state_.SoundEnabled == 1)
        play(channel, file);
}

void SoundChannels::stopIfEnabled(int channel) {
    if (state_.SoundEnabled == 1)
        stop(channel);
}

}  // namespace loopsim
