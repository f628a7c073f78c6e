// The main window TarvenLoopsim: the unit, the three buttons, the instructor's clock
// controls and the status bar. Attached to a running simulation it sends every pointer
// event and box tick to the real-time driver as an action, redraws what the view model
// changed after each step, and reports when the simulation wants to end. Closing the
// window presses the Exit button, the one way to the exit path.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>

#include "app/window/ViewSync.h"
#include "core/Action.h"
#include "core/Dialogs.h"

class QButtonGroup;
class QLabel;
class QPushButton;

namespace loopsim {

class DialogPresenter;
class PauseBanner;
class PictureFiles;
class RealTimeDriver;
class Simulation;
class UnitView;

inline constexpr const char* kMainWindowTitle = "Tarven Calvendrite Simulator";

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(const PictureFiles& pictures, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Wires the window to the simulation and shows its present state.
    void attach(Simulation& simulation, RealTimeDriver& driver);
    void setDialogPresenter(DialogPresenter* presenter) { dialogs_ = presenter; }
    // Asked before Exit (or the close box) ends the session; false keeps it running.
    void setExitConfirmation(std::function<bool()> confirm) { confirmExit_ = std::move(confirm); }

    UnitView& unit() const { return *unit_; }
    PauseBanner& pauseBanner() const { return *pauseBanner_; }
    // How many elements the last redraw showed.
    int lastRedrawCount() const { return lastRedrawCount_; }
    // The window's size for the screen it opens on: the layout at the screen's resolution,
    // enlarged to fill most of a larger screen, never larger than the screen.
    QSize preferredSize() const;

    // The three panels of the status bar, each with two spaces around its text.
    static QStringList statusPanelTexts();

  signals:
    // The simulation asked to end: by the exit path, or at once with nothing saved.
    void endingRequested(Ending ending);
    // The Drills… button was pressed: the list of drills to start.
    void drillsRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // The room the window system's frame takes around the window.
    QSize frameSize() const;
    void act(const Action& action);
    // Input from the unit itself, ignored while the clock is paused.
    void actOnUnit(const Action& action);
    void redraw();
    void buildClockControls();
    void showClock();
    void showPause(bool paused);

    UnitView* unit_;
    Simulation* simulation_ = nullptr;
    RealTimeDriver* driver_ = nullptr;
    DialogPresenter* dialogs_ = nullptr;
    ViewSync sync_;
    int lastRedrawCount_ = 0;
    bool ending_ = false;

    QLabel* clock_ = nullptr;
    QPushButton* pause_ = nullptr;
    PauseBanner* pauseBanner_ = nullptr;
    std::function<bool()> confirmExit_;
    QButtonGroup* speeds_ = nullptr;
};

}  // namespace loopsim
