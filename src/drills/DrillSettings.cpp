#include "drills/DrillSettings.h"

namespace loopsim {

MemorySettingsStore drillStartSettings(const SettingsStore& stored, const Drill& drill) {
    MemorySettingsStore settings;
    for (const StoredSetting& setting : kStoredSettings) {
        if (auto value = stored.read(setting.key))
            settings.values[setting.key] = *value;
    }
    for (const auto& [key, value] : drill.settings)
        settings.values[key] = value;
    return settings;
}

}  // namespace loopsim
