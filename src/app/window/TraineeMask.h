// Trainee mode: covers over the readouts the real unit does not have, the true loop PO2 and
// the raw cell millivolts, which would give a drill away. The readouts go on being drawn
// beneath; only what the trainee sees changes, never the simulation or its log.
#pragma once

#include <QObject>
#include <vector>

class QLabel;

namespace loopsim {

class UnitView;

inline constexpr const char* kTraineeCoverText = "hidden";

class TraineeMask : public QObject {
    Q_OBJECT

  public:
    // Placed on the unit over the two readouts, not covering them yet.
    explicit TraineeMask(UnitView& unit);

    void setActive(bool active);
    bool active() const { return active_; }
    const std::vector<QLabel*>& covers() const { return covers_; }

  private:
    std::vector<QLabel*> covers_;
    bool active_ = false;
};

}  // namespace loopsim
