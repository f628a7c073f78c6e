#include "station/Pairing.h"

#include <algorithm>
#include <random>

namespace loopsim {

PairingCode PairingCode::random() {
    std::random_device source;
    std::uniform_int_distribution<int> digit(0, 9);
    std::string digits;
    for (int i = 0; i < 6; ++i)
        digits += static_cast<char>('0' + digit(source));
    return PairingCode(std::move(digits));
}

bool PairingCode::matches(std::string_view typed) const {
    unsigned difference = typed.size() == digits_.size() ? 0u : 1u;
    for (std::size_t i = 0; i < digits_.size(); ++i) {
        const char given = i < typed.size() ? typed[i] : '\0';
        difference |= static_cast<unsigned char>(given ^ digits_[i]);
    }
    return difference == 0 && !digits_.empty();
}

std::optional<Millis> WrongCodeLimiter::waitBefore(Millis now) const {
    if (now >= nextTry_)
        return std::nullopt;
    return nextTry_ - now;
}

void WrongCodeLimiter::noteWrong(Millis now) {
    ++wrong_;
    if (wrong_ < kFreeTries)
        return;
    Millis wait = kFirstWait;
    for (int i = kFreeTries; i < wrong_ && wait < kLongestWait; ++i)
        wait *= 2;
    nextTry_ = now + std::min(wait, kLongestWait);
}

}  // namespace loopsim
