// The program's per-user settings store: application "Loopsim", its values in group
// "Settings". main() names the application, so a default-built QSettings opens this store.
#pragma once

namespace loopsim {

inline constexpr const char* kSettingsOrganization = "Loopsim";
inline constexpr const char* kSettingsApplication = "Loopsim";

}  // namespace loopsim
