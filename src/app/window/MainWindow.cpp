#include "app/window/MainWindow.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QWindow>

#include "app/BuildInfo.h"
#include "app/dialogs/DialogPresenter.h"
#include "app/dialogs/StartupWarning.h"
#include "app/session/RealTimeDriver.h"
#include "app/window/PauseBanner.h"
#include "app/window/UnitHelp.h"
#include "app/window/UnitKeys.h"
#include "app/window/UnitView.h"
#include "core/Elements.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

constexpr int kClockTwips = 220;
// The share of a large screen the window takes when it opens.
constexpr double kScreenShare = 0.85;

QString padded(const QString& text) {
    return QStringLiteral("  ") + text + QStringLiteral("  ");
}

QString clockText(Millis time) {
    const Millis seconds = time / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

QStringList MainWindow::statusPanelTexts() {
    return {padded(StartupWarning::versionText()), padded(QString::fromLatin1(build::kProductName)),
            padded(QString::fromLatin1(build::kLegalNotice))};
}

MainWindow::MainWindow(const PictureFiles& pictures, QWidget* parent)
    : QMainWindow(parent), unit_(new UnitView(pictures, this)), sync_(*unit_) {
    setObjectName(QStringLiteral("TarvenLoopsim"));
    setWindowTitle(QString::fromLatin1(kMainWindowTitle));
    setCentralWidget(unit_);

    const QStringList panels = statusPanelTexts();
    for (int i = 0; i < panels.size(); ++i) {
        auto* label = new QLabel(panels[i], this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        label->setFrameShape(QFrame::StyledPanel);
        label->setMinimumWidth(1);  // a narrow screen cuts the notices short, not the window
        statusBar()->addWidget(label, i + 1 == panels.size() ? 1 : 0);
    }
    statusBar()->setSizeGripEnabled(true);
    buildClockControls();
    installHelp(*unit_);
    resize(preferredSize());
}

MainWindow::~MainWindow() = default;

void MainWindow::buildClockControls() {
    clock_ = new QLabel(clockText(0));
    clock_->setObjectName(QStringLiteral("SimTime"));
    clock_->setAlignment(Qt::AlignCenter);
    clock_->setToolTip(QStringLiteral("Time since the simulator started"));
    clock_->setStyleSheet(QStringLiteral(
        "QLabel { background: #fcfdfe; border: 1px solid #96a0ac; border-radius: 4px;"
        " color: #18202c; font-weight: bold; }"));
    unit_->place(clock_, kClockReadout, kClockTwips);

    pause_ = new QPushButton(QStringLiteral("Pause"));
    pause_->setObjectName(QStringLiteral("PauseButton"));
    pause_->setCheckable(true);
    pause_->setToolTip(QStringLiteral("Stop and restart the simulator's clock"));
    unit_->place(pause_, kPauseButton, kControlTwips);
    pauseBanner_ = new PauseBanner(*unit_);
    connect(pause_, &QPushButton::toggled, this, [this](bool paused) {
        showPause(paused);
        if (!driver_)
            return;
        if (paused)
            driver_->pause();
        else
            driver_->resume();
    });

    auto* drills = new QPushButton(QStringLiteral("Drills\u2026"));
    drills->setObjectName(QStringLiteral("DrillsButton"));
    drills->setToolTip(QStringLiteral("Start a prepared drill on a fresh simulation"));
    unit_->place(drills, kDrillsButton, kControlTwips);
    connect(drills, &QPushButton::clicked, this, &MainWindow::drillsRequested);

    speeds_ = new QButtonGroup(this);
    speeds_->setExclusive(true);
    TwipRect place = kFirstSpeedButton;
    for (int speed : RealTimeDriver::kSpeeds) {
        auto* button = new QPushButton(QStringLiteral("\u00d7%1").arg(speed));
        button->setObjectName(QStringLiteral("Speed%1").arg(speed));
        button->setCheckable(true);
        button->setChecked(speed == 1);
        button->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; }"));
        button->setToolTip(
            QStringLiteral("Run the simulator %1 times as fast as real time").arg(speed));
        speeds_->addButton(button, speed);
        unit_->place(button, place, kControlTwips - 30);
        place.left += kSpeedButtonStep;
    }
    connect(speeds_, &QButtonGroup::idClicked, this, [this](int speed) {
        if (driver_)
            driver_->setSpeed(speed);
    });
}

QSize MainWindow::preferredSize() const {
    const QScreen* screen = this->screen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    const QSize available = (screen ? screen->availableSize() : QSize(1280, 800)) - frameSize();
    const QSize chrome(0, statusBar()->sizeHint().height() + 8);
    const double atResolution = dpi / 1440.0;
    const double fitting = std::min((available.width() - chrome.width()) / double(kUnitWidth),
                                    (available.height() - chrome.height()) / double(kUnitHeight)) *
                           kScreenShare;
    const double scale = std::max(std::min(atResolution, fitting / kScreenShare), fitting);
    return QSize(static_cast<int>(kUnitWidth * scale), static_cast<int>(kUnitHeight * scale)) +
           chrome;
}

QSize MainWindow::frameSize() const {
    // The window system's frame once the window has one; a title bar's room until then.
    const QMargins known = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QMargins frame = known.isNull() ? QMargins(4, 32, 4, 4) : known;
    return QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The frame is known now: a window that does not fit the screen with it is made to.
    const QRect available = screen()->availableGeometry();
    if (!available.contains(frameGeometry())) {
        resize(preferredSize());
        move(available.topLeft());
    }
}

void MainWindow::attach(Simulation& simulation, RealTimeDriver& driver) {
    simulation_ = &simulation;
    driver_ = &driver;
    unit_->connectInput(simulation.input(), [this](const Action& action) { actOnUnit(action); });
    // The one way to the exit path: the close box presses this button too.
    connect(unit_->element<QPushButton>(elements::kExitButton), &QPushButton::clicked, this,
            [this] {
                if (!ending_ && (!confirmExit_ || confirmExit_()))
                    act(Action{Verb::Exit, {}, {}});
            });
    for (const char* button : {elements::kOptionsButton, elements::kBugReportButton})
        connect(unit_->element<QPushButton>(button), &QPushButton::clicked, this, [this, button] {
            act(Action{Verb::Click, button, {}});
        });
    connect(&driver, &RealTimeDriver::advanced, this, &MainWindow::redraw);
    // The keyboard's way to the unit goes through act, as the mouse's does.
    new UnitKeys(*this, *unit_, [this](const Action& action) { act(action); });
    redraw();
}

void MainWindow::act(const Action& action) {
    if (!driver_ || ending_)
        return;
    driver_->apply(action);
}

void MainWindow::actOnUnit(const Action& action) {
    if (driver_ && driver_->paused()) {
        pauseBanner_->noteIgnoredClick();
        return;
    }
    act(action);
}

void MainWindow::redraw() {
    if (!simulation_)
        return;
    lastRedrawCount_ = sync_.sync(simulation_->view());
    showClock();
    showPause(driver_->paused());
    if (dialogs_ && !ending_)
        dialogs_->update(*simulation_);
    const Ending ending = simulation_->dialogs().ending();
    if (ending != Ending::Running && !ending_) {
        ending_ = true;
        emit endingRequested(ending);
    }
}

// The button and the banner, however the clock was paused.
void MainWindow::showPause(bool paused) {
    if (pause_->isChecked() != paused) {
        const QSignalBlocker blocker(pause_);
        pause_->setChecked(paused);
    }
    pause_->setText(paused ? QStringLiteral("Resume") : QStringLiteral("Pause"));
    pauseBanner_->setPaused(paused);
}

void MainWindow::showClock() {
    clock_->setText(clockText(simulation_->now()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close box presses the Exit button; the exit path hides the window itself.
    if (driver_ && !ending_) {
        event->ignore();
        unit_->element<QPushButton>(elements::kExitButton)->click();
        return;
    }
    QMainWindow::closeEvent(event);
}

}  // namespace loopsim
