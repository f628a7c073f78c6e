// On a machine without a sound device, the light that stands in for the alarms: each alarm
// sound the unit would play lights it, flashing, for a few seconds.
#pragma once

#include <QLabel>
#include <QTimer>

namespace loopsim {

class UnitView;

inline constexpr const char* kSilentAlarmText = "ALARM";

// True for the sounds that are alarms: the low-oxygen warning and the alarm tone.
bool isAlarmSound(const std::string& file);

class SilentAlarmLight : public QLabel {
    Q_OBJECT

  public:
    static constexpr int kLitMilliseconds = 4000;
    static constexpr int kFlashMilliseconds = 400;

    // Placed on the unit, dark.
    explicit SilentAlarmLight(UnitView& unit);

    // Lights up flashing, or keeps flashing a while longer when already lit.
    void light();
    // Goes dark.
    void goDark();
    bool lit() const { return stop_.isActive(); }

  private:
    QTimer stop_;
    QTimer flash_;
};

}  // namespace loopsim
