// The wall clock the window runs the simulation by: milliseconds that only go forward. The
// real one counts from when it was made; tests give the driver a clock they move by hand.
#pragma once

#include <QElapsedTimer>
#include <cstdint>

namespace loopsim {

class MonotonicClock {
  public:
    virtual ~MonotonicClock() = default;
    virtual std::int64_t elapsedMilliseconds() const = 0;
};

class ElapsedTimerClock : public MonotonicClock {
  public:
    ElapsedTimerClock() { timer_.start(); }
    std::int64_t elapsedMilliseconds() const override { return timer_.elapsed(); }

  private:
    QElapsedTimer timer_;
};

}  // namespace loopsim
