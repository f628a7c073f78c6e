// The instructor station's server: the page and its files over HTTP from the program's own
// resources, and one WebSocket per page on the same port for the live state (four times a
// second) and the commands. A page gets nothing until it presents the pairing code; wrong
// codes are rate-limited for the whole server. Every message is checked before anything
// reaches the simulation (size, JSON, the command and its element); a refusal goes back to
// the page that sent it. A page that goes away changes nothing in the simulation.
#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <memory>
#include <vector>

#include "station/Pairing.h"

class QHttpServer;
class QWebSocket;

namespace loopsim {

class StationHost;
struct StationRequest;

class StationServer : public QObject {
    Q_OBJECT

  public:
    static constexpr qsizetype kLongestMessage = 16 * 1024;
    static constexpr int kStateInterval = 250;  // milliseconds
    static constexpr const char* kSocketPath = "/socket";

    StationServer(StationHost& host, PairingCode code, QObject* parent = nullptr);
    ~StationServer() override;

    // Listens on 127.0.0.1, or on every address when the local network is allowed; port 0
    // takes any free one. False when it cannot.
    bool listen(bool localNetwork, quint16 port = 0);
    void close();
    bool listening() const { return port_ != 0; }
    quint16 port() const { return port_; }
    const PairingCode& code() const { return code_; }
    int pairedPages() const;

    // Sends the state to every paired page now (also done on the server's own timer).
    void sendState();

  signals:
    // A page paired or went away.
    void pairedPagesChanged(int count);

  private:
    struct Page;
    void acceptPages();
    void received(Page& page, const QString& message);
    void command(Page& page, const StationRequest& request);
    void pair(Page& page, const std::string& code);
    void refuse(Page& page, const std::string& error);
    void dropClosed();

    StationHost& host_;
    PairingCode code_;
    WrongCodeLimiter limiter_;
    QElapsedTimer since_;
    std::unique_ptr<QHttpServer> http_;
    std::vector<std::unique_ptr<Page>> pages_;
    QTimer stateTimer_;
    quint16 port_ = 0;
};

}  // namespace loopsim
