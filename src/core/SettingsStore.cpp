#include "core/SettingsStore.h"

#include "core/Format.h"

namespace loopsim {

std::optional<std::string> MemorySettingsStore::read(const std::string& key) const {
    auto found = values.find(key);
    if (found == values.end())
        return std::nullopt;
    return found->second;
}

double readStoredNumber(const SettingsStore& store, StoredSetting setting) {
    if (auto text = store.read(setting.key))
        if (auto number = parseNumber(*text))
            return *number;
    return *parseNumber(setting.defaultText);
}

}  // namespace loopsim
