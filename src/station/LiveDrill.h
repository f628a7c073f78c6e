// A drill started from the instructor station on a session already under way. Its start
// lines are not played (the unit stands where the trainee has it); its failure plan runs
// from the moment it is started, as if the trainee took over then, and ends after the
// drill's own length. The injections are the options actions the drill engine gives; the
// caller applies them like any instructor action, so the session log holds them.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "drills/Drill.h"
#include "drills/DrillEngine.h"

namespace loopsim {

class Simulation;

class LiveDrill {
  public:
    // The drill's takeover moves to the simulation's present.
    LiveDrill(std::string name, Drill drill, Simulation& simulation);

    const std::string& name() const { return name_; }
    Millis end() const { return drill_->end; }
    Millis nextCheck() const { return engine_->nextCheck(); }
    void traineeAction(const Action& action) { engine_->traineeAction(action); }
    std::vector<Action> check() { return engine_->check(); }

  private:
    std::string name_;
    std::unique_ptr<Drill> drill_;  // where the engine finds it, whatever moves the LiveDrill
    std::unique_ptr<DrillEngine> engine_;
};

// The drills in a folder by name (the file's name without ".drill"), sorted.
std::vector<std::string> drillNamesIn(const std::filesystem::path& folder);

// The drill of that name in the folder, or why it cannot be started.
std::variant<Drill, std::string> readNamedDrill(const std::filesystem::path& folder,
                                                const std::string& name,
                                                const Simulation& simulation);

}  // namespace loopsim
