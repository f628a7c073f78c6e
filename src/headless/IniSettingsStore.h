#pragma once

#include <QSettings>
#include <QString>

#include "core/SettingsStore.h"

namespace loopsim {

// The stored settings in an INI file, group "Settings", as the runner's --settings option
// names it.
class IniSettingsStore : public SettingsStore {
  public:
    explicit IniSettingsStore(const QString& path) : settings_(path, QSettings::IniFormat) {}

    std::optional<std::string> read(const std::string& key) const override;
    void write(const std::string& key, const std::string& value) override;
    bool sync();

  private:
    QSettings settings_;
};

}  // namespace loopsim
