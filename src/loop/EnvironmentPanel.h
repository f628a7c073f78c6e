#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/SimContext.h"

namespace loopsim {

// The environment panel: depth, surface pressure, the oxygen cylinder's analysis and the
// diver's metabolic rate, each with arrows and a readout that takes a typed value, and the
// Sound and Warnings boxes. Depth compresses and expands the loop gas by Boyle's law with
// one bar of surface pressure; surface pressure and analysis change only at the surface.
class EnvironmentPanel {
  public:
    explicit EnvironmentPanel(SimContext& context);

  private:
    void batteryBounceCheck();
    void descend();
    void ascend();
    void ambientPressureDown();
    void ambientPressureUp();
    void oxygenAnalysisDown();
    void oxygenAnalysisUp();
    void metabolicRateDown();
    void metabolicRateUp();
    void typeAmbientPressure();
    void typeOxygenAnalysis();
    void typeMetabolicRate();
    void storeAmbientPressure(double typed);
    void storeOxygenAnalysis(double typed);
    void storeMetabolicRate(double typed);
    // The rate as the prompt offers it: a typed rate keeps its text ("1.30") until
    // something else changes the rate.
    std::string presentMetabolicRate() const;
    void soundBoxClicked();

    void applyDisplayColour();
    void showSurfaceArrows();
    void showUnderwaterArrows();
    ElementView& element(const char* name) { return context_.view.element(name); }
    // Opens the prompt; a numeric answer goes to store, anything else is dropped.
    void promptForNumber(const char* prompt, const char* title, std::string present,
                         std::string range, std::function<void(double)> store);

    SimContext& context_;
    ElementView& depthReadout_;
    ElementView& pressureReadout_;
    ElementView& analysisReadout_;
    ElementView& rateReadout_;
    ElementView& soundBox_;
    ElementView& warningsBox_;
    ElementView& batteryBounceBox_;
    std::optional<std::string> typedMetabolicRate_;
};

}  // namespace loopsim
