// Who may drive the simulator from the instructor station: whoever types the pairing code
// the simulator's screen shows. The code is six digits, new for each session; it is compared
// in constant time, and wrong codes are rate-limited for the whole station (a guesser could
// open a new connection for every guess): after a few wrong codes each further try must wait,
// twice as long after each one, up to a minute.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/SimClock.h"

namespace loopsim {

class PairingCode {
  public:
    // A new code from the system's random source.
    static PairingCode random();
    explicit PairingCode(std::string digits) : digits_(std::move(digits)) {}

    const std::string& digits() const { return digits_; }
    // Every byte is looked at whatever the answer, so the time taken tells nothing.
    bool matches(std::string_view typed) const;

  private:
    std::string digits_;
};

class WrongCodeLimiter {
  public:
    static constexpr int kFreeTries = 3;
    static constexpr Millis kFirstWait = 1000;
    static constexpr Millis kLongestWait = 60'000;

    // How long a try at time now must still wait; nothing when it may be made.
    std::optional<Millis> waitBefore(Millis now) const;
    void noteWrong(Millis now);
    void noteRight() { wrong_ = 0; }

  private:
    int wrong_ = 0;
    Millis nextTry_ = 0;
};

}  // namespace loopsim
