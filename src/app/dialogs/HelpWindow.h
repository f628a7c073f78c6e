// The Help window: a one-page quick start through a first dive, how the two-button gestures
// work on the screen, the keyboard's keys, and an About box with the version.
#pragma once

#include <QDialog>
#include <QString>

class QMessageBox;

namespace loopsim {

class HelpWindow : public QDialog {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The page the window shows.
    static QString pageHtml();
    // Opens the About box over the window, without waiting for it.
    QMessageBox* showAbout();
};

}  // namespace loopsim
