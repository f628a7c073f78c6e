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
    return settings_.status() == QSettings::NoError;
}

}  // namespace loopsim
