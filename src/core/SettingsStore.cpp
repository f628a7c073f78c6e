#include "core/SettingsStore.h"

#include <algorithm>
#include <cmath>

#include "core/Format.h"

namespace loopsim {

std::optional<std::string> MemorySettingsStore::read(const std::string& key) const {
    auto found = values.find(key);
    if (found == values.end())
        return std::nullopt;
    return found->second;
}

namespace {

double withinRange(double value, StoredSetting setting) {
    return std::clamp(value, setting.lowest, setting.highest);
}

}  // namespace

double readStoredNumber(const SettingsStore& store, StoredSetting setting) {
    if (auto text = store.read(setting.key))
        if (auto number = parseNumber(*text))
            return withinRange(*number, setting);
    return *parseNumber(setting.defaultText);
}

std::string storedNumberText(double value, StoredSetting setting) {
    if (!std::isfinite(value))
        return setting.defaultText;
    return formatPlain(withinRange(value, setting));
}

}  // namespace loopsim
