// loopsim-run --serve: the scenario plays on the wall clock, as the window's clock runs, while
// the instructor station is served. Each scenario line is applied at its own time; the
// station's commands at the present time. Everything applied goes to the session log with its
// time, so the log replays to the same recording. The run ends at --until (an `end` line in
// the log), at the scenario's exit or end, or at the bail-out window's exit.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "files/Scenario.h"
#include "station/LiveDrill.h"
#include "stationweb/StationHost.h"

namespace loopsim {

class Simulation;

class ServedRun : public QObject, public StationHost {
    Q_OBJECT

  public:
    // The log may be null (no session log); the drills folder empty (no drills offered).
    ServedRun(Simulation& simulation, Scenario scenario, std::optional<Millis> until,
              std::ostream* log, std::filesystem::path drills);
    ~ServedRun() override;

    void start();
    // Ends the run at the present time, as --until would have.
    void stop();
    bool over() const { return over_; }
    bool paused() const { return paused_; }

    const Simulation& presentSimulation() override;
    StationClock clock() const override;
    std::optional<std::string> apply(const Action& action) override;
    void pause() override;
    void resume() override;
    void setSpeed(int speed) override;
    std::vector<std::string> drills() const override;
    std::optional<std::string> startDrill(const std::string& name) override;

  signals:
    // The run has ended; its files may be written.
    void ended();

  private:
    Millis virtualNow() const;
    // Plays the scenario's lines and the drill's checks due by time, then advances to it.
    void catchUpTo(Millis time);
    void step();
    std::optional<std::string> play(const Action& action);
    void log(Millis time, const Action& action);
    void finish();

    Simulation& simulation_;
    Scenario scenario_;
    std::size_t nextLine_ = 0;
    std::optional<Millis> until_;
    std::ostream* log_;
    std::filesystem::path drillsFolder_;
    std::optional<LiveDrill> drill_;
    QElapsedTimer wall_;
    QTimer tick_;
    std::int64_t baseWall_ = 0;
    Millis baseVirtual_ = 0;
    bool paused_ = false;
    int speed_ = 1;
    bool over_ = false;
};

// Plays options.scenario served to the instructor station; the exit status.
int serveRun(const struct RunOptions& options, std::ostream& out, std::ostream& err);

}  // namespace loopsim
