// The four stored values in the user's own settings: organisation and application
// "Loopsim", group "Settings", each value as text. Tests point QSettings at a temporary
// folder (QSettings::setPath) so the real home is never touched.
#pragma once

#include <QSettings>

#include "core/SettingsStore.h"

namespace loopsim {

class QtSettingsStore : public SettingsStore {
  public:
    QtSettingsStore();

    std::optional<std::string> read(const std::string& key) const override;
    void write(const std::string& key, const std::string& value) override;
    // Writes what was set to disk; false when the store cannot be written.
    bool sync();

  private:
    mutable QSettings settings_;
};

}  // namespace loopsim
