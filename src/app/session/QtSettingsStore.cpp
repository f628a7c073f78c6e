#include "app/session/QtSettingsStore.h"

#include "app/session/AppSettings.h"

namespace loopsim {
namespace {

QString settingsKey(const std::string& key) {
    return QStringLiteral("Settings/") + QString::fromStdString(key);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope,
                QString::fromLatin1(kSettingsOrganization),
                QString::fromLatin1(kSettingsApplication)) {}

std::optional<std::string> QtSettingsStore::read(const std::string& key) const {
    const QVariant value = settings_.value(settingsKey(key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString().toStdString();
}

void QtSettingsStore::write(const std::string& key, const std::string& value) {
    settings_.setValue(settingsKey(key), QString::fromStdString(value));
}

bool QtSettingsStore::sync() {
    settings_.sync();
    // A file that was not INI when read keeps its FormatError; only access counts here.
    return settings_.status() != QSettings::AccessError;
}

}  // namespace loopsim
