// The trainee mode switch: a stored setting (group "Settings", key "TraineeMode"), which the
// instructor turns on and off in the options window, and the mask it puts on the unit.
#pragma once

namespace loopsim {

class MainWindow;
class OptionsWindow;

inline constexpr const char* kTraineeModeKey = "Settings/TraineeMode";

// Masks the unit as the stored setting says, ticks the options window's box to match, and
// stores every change of the box. The key is written only when the instructor changes it.
void installTraineeMode(MainWindow& window, OptionsWindow& options);

}  // namespace loopsim
