// The folders of a window session under test: the stored settings in a temporary folder,
// never the user's own, and a temporary current folder for the recording file and the
// session log. The former current folder comes back when the folders go.
#pragma once

#include <QDir>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

namespace loopsim {

class TestFolders {
  public:
    TestFolders() : startFolder_(QDir::currentPath()) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
        entered_ = settings_.isValid() && run_.isValid() && QDir::setCurrent(run_.path());
    }
    ~TestFolders() { QDir::setCurrent(startFolder_); }
    TestFolders(const TestFolders&) = delete;
    TestFolders& operator=(const TestFolders&) = delete;

    bool entered() const { return entered_; }
    QString settingsPath() const { return settings_.path(); }
    QString runPath() const { return run_.path(); }

  private:
    QString startFolder_;
    QTemporaryDir settings_;
    QTemporaryDir run_;
    bool entered_ = false;
};

}  // namespace loopsim
