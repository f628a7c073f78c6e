// Any bytes given to the settings file reader: no crash, and whatever it reads is written and
// read back to the same values.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loopsim;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SettingsFileRead first = readSettingsText(text);
    if (first.refusal)
        return 0;
    const SettingsFileRead second = readSettingsText(settingsFileText(first.values));
    if (second.refusal || second.values != first.values)
        std::abort();
    return 0;
}
