// The banner across the top of the unit while the clock is paused. The unit takes no input
// then: a click on it is ignored, not queued, and the banner says so.
#pragma once

#include <QLabel>

namespace loopsim {

class UnitView;

inline constexpr const char* kPausedText = "PAUSED: the unit stands still until Resume";
inline constexpr const char* kIgnoredClickText = "Clicks on the unit are ignored while paused";

class PauseBanner : public QLabel {
    Q_OBJECT

  public:
    // Placed on the unit, hidden.
    explicit PauseBanner(UnitView& unit);

    void setPaused(bool paused);
    // A click on the unit was ignored: the banner adds the note until the next pause.
    void noteIgnoredClick();

  private:
    bool paused_ = false;
};

}  // namespace loopsim
