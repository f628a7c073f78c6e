// What the window tests share: a wall clock moved by hand, audio outputs that are there or
// not as a test says, and a simulation with its main window and driver on that clock.
#pragma once

#include <QTest>
#include <filesystem>
#include <memory>

#include "app/ElementWidgets.h"
#include "app/MainWindow.h"
#include "app/MonotonicClock.h"
#include "app/PictureFiles.h"
#include "app/QtSoundBackend.h"
#include "app/RealTimeDriver.h"
#include "app/SessionLog.h"
#include "app/UnitView.h"
#include "core/Simulation.h"

namespace loopsim::test {

class FakeWallClock : public MonotonicClock {
  public:
    std::int64_t elapsedMilliseconds() const override { return now; }
    std::int64_t now = 0;
};

class FakeAudioOutputs : public AudioOutputs {
  public:
    explicit FakeAudioOutputs(bool present) : present_(present) {}
    bool available() const override { return present_; }

  private:
    bool present_;
};

inline std::filesystem::path runtimeFolder() {
    return LOOPSIM_RUNTIME_DIR;
}

// A simulation shown in its main window, driven by a clock the test moves.
struct WindowedSimulation {
    FakeWallClock wall;
    MemorySessionLog log;
    PictureFiles pictures{runtimeFolder()};
    Simulation simulation;
    MainWindow window{pictures};
    RealTimeDriver driver{simulation, wall, log};

    WindowedSimulation() {
        simulation.sound().setLogging(true);
        window.attach(simulation, driver);
        window.show();
        driver.start();
    }

    // Moves the wall clock to the given millisecond and lets the driver catch up.
    void runUntil(std::int64_t millisecond) {
        wall.now = millisecond;
        driver.catchUp();
    }

    QWidget* element(const char* name) const { return window.unit().element(name); }
    template <typename T>
    T* element(const char* name) const {
        return window.unit().element<T>(name);
    }
    // A left-button click in the middle of the element, as the user makes it.
    void click(const char* name) { QTest::mouseClick(element(name), Qt::LeftButton); }
};

}  // namespace loopsim::test
