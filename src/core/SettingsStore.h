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

struct StoredSetting {
    const char* key;
    const char* defaultText;
};

inline constexpr StoredSetting kScrubberSetting{"CO2", "14"};
inline constexpr StoredSetting kLeftTimerSetting{"LeftTimer", "14"};
inline constexpr StoredSetting kLeftBatterySetting{"LeftBattery", "6.2"};
inline constexpr StoredSetting kRightBatterySetting{"RightBattery", "6.2"};

// The stored text as a number; its default when missing or not a number.
double readStoredNumber(const SettingsStore& store, StoredSetting setting);

}  // namespace loopsim
