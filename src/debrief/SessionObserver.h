// Follows a running simulation for its debrief: a sample of the unit every recorded second,
// every status message as it is written (each warning, not only the last of a second),
// the failures as they come into force, and the actions it is told of.
#pragma once

#include <array>
#include <string_view>

#include "core/Action.h"
#include "core/Recording.h"
#include "debrief/Timeline.h"

namespace loopsim {

class Simulation;

class SessionObserver : public RecordingObserver {
  public:
    // Follows the simulation from now until destroyed.
    explicit SessionObserver(Simulation& simulation);
    ~SessionObserver() override;
    SessionObserver(const SessionObserver&) = delete;
    SessionObserver& operator=(const SessionObserver&) = delete;

    // An action about to be applied at the present time.
    void actionApplied(const Action& action);
    // The timeline up to the present time.
    Timeline finish();

    void statusMessage(std::string_view message) override;
    void secondTaken() override;

  private:
    void add(EventKind kind, std::string what, std::string element = {}, int option = 0);
    void followFailures();
    void followSetpointMenus();
    void notePreDiveChecks();

    Simulation& simulation_;
    Timeline timeline_;
    std::uint32_t failures_ = 0;
    Millis lastChangeNow_ = -1;  // when "Change now" was last pressed
    double setpoint_ = 0;
    bool setpointsSeen_ = false;
};

}  // namespace loopsim
