// The start-up warning: who made the simulator, what it is for, and the warning the
// trainee must accept before the simulator opens. Opening it sounds the double beep on
// channel 1 whatever the Sound box says. Accepting closes it with QDialog::Accepted;
// refusing closes it with QDialog::Rejected and the program then ends at once.
#pragma once

#include <QDialog>
#include <QString>

class QBoxLayout;
class QLabel;
class QScrollArea;

namespace loopsim {

class PictureFiles;
class SoundBackend;

inline constexpr const char* kStartupTitle = "Calvendrite Rebreather Training Simulator";
inline constexpr const char* kAcceptCaption = "I ACCEPT the above Warning and wish to &Continue";
inline constexpr const char* kRefuseCaption = "I DO NOT accept the above warning and wish to E&xit";

class StartupWarning : public QDialog {
    Q_OBJECT

  public:
    StartupWarning(const PictureFiles& pictures, SoundBackend& sound, QWidget* parent = nullptr);

    // "Version " and the build's major, minor and revision numbers.
    static QString versionText();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The width the warning takes when the screen has room for it.
    static constexpr int kPreferredWidth = 760;

    // Sized to the screen it opens on: as tall as its text, never larger than the screen.
    void fitToScreen();

    SoundBackend& sound_;
    QLabel* title_;
    QScrollArea* scroll_;
    QBoxLayout* buttons_;
    bool beeped_ = false;
    bool fitted_ = false;
};

}  // namespace loopsim
