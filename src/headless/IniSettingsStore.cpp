#include "headless/IniSettingsStore.h"

namespace loopsim {
namespace {
const QString kGroup = QStringLiteral("Settings/");
}

std::optional<std::string> IniSettingsStore::read(const std::string& key) const {
    const QVariant value = settings_.value(kGroup + QString::fromStdString(key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString().toStdString();
}

void IniSettingsStore::write(const std::string& key, const std::string& value) {
    settings_.setValue(kGroup + QString::fromStdString(key), QString::fromStdString(value));
}

bool IniSettingsStore::sync() {
    settings_.sync();
    // A file that was not INI when read keeps its FormatError; only access counts here.
    return settings_.status() != QSettings::AccessError;
}

}  // namespace loopsim
