// The instructor station in the simulator window: the "Instructor station…" button, the
// window that starts and stops the station and shows its address and pairing code, and the
// sign on the trainee's screen while an instructor is connected. The station listens on
// 127.0.0.1 unless the instructor allows the local network.
#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

#include "app/station/SessionStationHost.h"
#include "station/Pairing.h"

class QDialog;
class QPushButton;

namespace loopsim {

class MainWindow;
class StationServer;

inline constexpr const char* kStationButtonText = "Instructor station\u2026";
inline constexpr const char* kInstructorConnectedText = "Instructor connected";

class StationControls : public QObject {
    Q_OBJECT

  public:
    StationControls(MainWindow& window, Simulation& simulation, RealTimeDriver& driver,
                    StationDrills drills = {});
    ~StationControls() override;

    // What a running station listens with, to go on with in the next session (a drill
    // started from the station starts a fresh simulation, and the page reconnects to it).
    struct Listening {
        bool localNetwork = false;
        quint16 port = 0;
        PairingCode code;
    };

    StationServer* server() const { return server_.get(); }
    std::optional<Listening> listening() const;
    // Starts the station (a new pairing code each time); false when it cannot listen.
    bool startStation(bool localNetwork);
    // Starts it again as it was in the session before.
    bool resumeStation(const Listening& before);
    void stopStation();
    // The station's window: address, code, the local network box, start and stop.
    void showWindow();

  private:
    bool listen(bool localNetwork, quint16 port, PairingCode code);
    void showConnected(int pages);
    void describe();

    MainWindow& window_;
    SessionStationHost host_;
    std::unique_ptr<StationServer> server_;
    QPushButton* button_ = nullptr;
    QPointer<QLabel> connected_;
    QDialog* dialog_ = nullptr;
    QLabel* address_ = nullptr;
    bool localNetwork_ = false;
};

}  // namespace loopsim
