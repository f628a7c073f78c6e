#include "app/station/StationControls.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QNetworkInterface>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/window/MainWindow.h"
#include "app/window/UnitView.h"
#include "stationweb/StationServer.h"

namespace loopsim {
namespace {

// In the heading band, where the trainee sees it at once.
constexpr TwipRect kConnectedSign{12480, 200, 2880, 440};

// An address of this machine on the local network, for the instructor's laptop or tablet.
QString localNetworkAddress() {
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            return address.toString();
    }
    return QStringLiteral("127.0.0.1");
}

}  // namespace

StationControls::StationControls(MainWindow& window, Simulation& simulation, RealTimeDriver& driver,
                                 StationDrills drills)
    : QObject(&window), window_(window), host_(simulation, driver, window, std::move(drills)) {
    button_ = new QPushButton(QString::fromUtf8(kStationButtonText));
    button_->setObjectName(QStringLiteral("StationButton"));
    button_->setToolTip(
        QStringLiteral("Let an instructor watch and drive this simulator from a browser"));
    window.unit().place(button_, kStationButton, kControlTwips);
    connect(button_, &QPushButton::clicked, this, &StationControls::showWindow);

    connected_ = new QLabel(QString::fromLatin1(kInstructorConnectedText));
    connected_->setObjectName(QStringLiteral("InstructorConnected"));
    connected_->setAlignment(Qt::AlignCenter);
    connected_->setStyleSheet(QStringLiteral(
        "QLabel { background: #fff3c4; border: 1px solid #c09020; border-radius: 4px;"
        " color: #503800; font-weight: bold; }"));
    window.unit().place(connected_, kConnectedSign, 150);
    connected_->hide();
}

// The window's widgets may be gone already: a server closed now must not show its last count.
StationControls::~StationControls() {
    if (server_)
        server_->disconnect(this);
}

std::optional<StationControls::Listening> StationControls::listening() const {
    if (!server_)
        return std::nullopt;
    return Listening{localNetwork_, server_->port(), server_->code()};
}

bool StationControls::startStation(bool localNetwork) {
    return listen(localNetwork, 0, PairingCode::random());
}

bool StationControls::resumeStation(const Listening& before) {
    return listen(before.localNetwork, before.port, before.code);
}

bool StationControls::listen(bool localNetwork, quint16 port, PairingCode code) {
    stopStation();
    localNetwork_ = localNetwork;
    server_ = std::make_unique<StationServer>(host_, std::move(code));
    connect(server_.get(), &StationServer::pairedPagesChanged, this,
            &StationControls::showConnected);
    const bool listening = server_->listen(localNetwork, port);
    if (!listening)
        server_.reset();
    describe();
    return listening;
}

void StationControls::stopStation() {
    server_.reset();
    showConnected(0);
    describe();
}

void StationControls::showConnected(int pages) {
    if (connected_)
        connected_->setVisible(pages > 0);
}

void StationControls::showWindow() {
    if (!dialog_) {
        dialog_ = new QDialog(&window_);
        dialog_->setObjectName(QStringLiteral("StationWindow"));
        dialog_->setWindowTitle(QStringLiteral("Instructor station"));
        auto* layout = new QVBoxLayout(dialog_);
        address_ = new QLabel;
        address_->setObjectName(QStringLiteral("StationAddress"));
        address_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(address_);
        auto* network = new QCheckBox(QStringLiteral("Allow the local network"));
        network->setObjectName(QStringLiteral("StationLocalNetwork"));
        network->setToolTip(
            QStringLiteral("Let a laptop, tablet or phone on this network open the station"));
        layout->addWidget(network);
        auto* buttons = new QHBoxLayout;
        auto* start = new QPushButton(QStringLiteral("Start"));
        start->setObjectName(QStringLiteral("StationStart"));
        auto* stop = new QPushButton(QStringLiteral("Stop"));
        stop->setObjectName(QStringLiteral("StationStop"));
        buttons->addWidget(start);
        buttons->addWidget(stop);
        layout->addLayout(buttons);
        connect(start, &QPushButton::clicked, this,
                [this, network] { startStation(network->isChecked()); });
        connect(stop, &QPushButton::clicked, this, &StationControls::stopStation);
        describe();
    }
    dialog_->show();
    dialog_->raise();
}

void StationControls::describe() {
    if (!address_)
        return;
    if (!server_) {
        address_->setText(QStringLiteral("The instructor station is off."));
        return;
    }
    address_->setText(QStringLiteral("Open http://%1:%2/ in a browser\nPairing code: %3")
                          .arg(localNetwork_ ? localNetworkAddress() : QStringLiteral("127.0.0.1"),
                               QString::number(server_->port()),
                               QString::fromStdString(server_->code().digits())));
}

}  // namespace loopsim
