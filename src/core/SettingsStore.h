// The four values kept between runs, as texts under their keys. The window keeps them in
// the user's settings; the runner in an INI file; tests in memory.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace loopsim {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> read(const std::string& key) const = 0;
    virtual void write(const std::string& key, const std::string& value) = 0;
};

class MemorySettingsStore : public SettingsStore {
  public:
    std::optional<std::string> read(const std::string& key) const override;
    void write(const std::string& key, const std::string& value) override { values[key] = value; }

    std::map<std::string, std::string> values;
};

// A stored value and the range it is held to. The store is a file a user can edit, so
// its text may be anything: a text that is not a plain finite decimal number (empty,
// words, "nan", "inf", "1e400") gives the default; a number outside the range gives the
// nearer end of it, both when read and when written back.
struct StoredSetting {
    const char* key;
    const char* defaultText;
    double lowest;
    double highest;
};

// Minutes never run backwards, and a counter that has passed about nineteen years of
// minutes (more than any unit runs) stays there: the displays show whole hours and
// minutes of it.
inline constexpr double kMostStoredMinutes = 1e7;
// A handset battery is a few volts: nothing below empty, nothing above 10 V.
inline constexpr double kMostBatteryVolts = 10;

inline constexpr StoredSetting kScrubberSetting{"CO2", "14", 0, kMostStoredMinutes};
inline constexpr StoredSetting kLeftTimerSetting{"LeftTimer", "14", 0, kMostStoredMinutes};
inline constexpr StoredSetting kLeftBatterySetting{"LeftBattery", "6.2", 0, kMostBatteryVolts};
inline constexpr StoredSetting kRightBatterySetting{"RightBattery", "6.2", 0, kMostBatteryVolts};
// Every stored setting, in the order a session log notes them.
inline constexpr StoredSetting kStoredSettings[] = {kScrubberSetting, kLeftTimerSetting,
                                                    kLeftBatterySetting, kRightBatterySetting};

// The stored text as a number within the setting's range; its default when missing or
// not a number.
double readStoredNumber(const SettingsStore& store, StoredSetting setting);
// The text a value is stored as: a plain number within the setting's range, or the default
// text for a value that is not a finite number.
std::string storedNumberText(double value, StoredSetting setting);

}  // namespace loopsim
