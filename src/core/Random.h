#pragma once

#include <cstdint>
#include <random>

namespace loopsim {

// The simulation's uniform random numbers in [0, 1). Always the same seed, never the clock,
// so every run draws the same sequence. The 53-bit conversion is spelled out because the
// standard distributions may differ between library versions.
class Random {
  public:
    static constexpr std::uint64_t kSeed = 20041027;

    double next() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

  private:
    std::mt19937_64 engine_{kSeed};
};

}  // namespace loopsim
