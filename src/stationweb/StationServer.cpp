#include "stationweb/StationServer.h"

#include <QFile>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebSocket>

#include "station/StationCommand.h"
#include "stationweb/StationHost.h"

namespace loopsim {
namespace {

// The page's files: the name in the address, the resource, its type.
struct PageFile {
    const char* path;
    const char* resource;
    const char* type;
};
constexpr PageFile kPageFiles[] = {
    {"/", ":/stationweb/station.html", "text/html; charset=utf-8"},
    {"/classroom", ":/stationweb/classroom.html", "text/html; charset=utf-8"},
    {"/station.js", ":/stationweb/station.js", "text/javascript; charset=utf-8"},
    {"/classroom.js", ":/stationweb/classroom.js", "text/javascript; charset=utf-8"},
    {"/station.css", ":/stationweb/station.css", "text/css; charset=utf-8"},
};

QHttpServerResponse pageFile(const PageFile& file) {
    QFile resource(QString::fromLatin1(file.resource));
    if (!resource.open(QIODevice::ReadOnly))
        return QHttpServerResponse(QHttpServerResponse::StatusCode::NotFound);
    QHttpServerResponse response(QByteArray(file.type), resource.readAll());
    // The page runs only its own scripts; it may talk to stations at other addresses
    // (the classroom page) and to nothing else.
    response.setHeader("Content-Security-Policy",
                       "default-src 'self'; connect-src 'self' ws: wss:; img-src 'self' data:");
    response.setHeader("Cache-Control", "no-store");
    return response;
}

// A flat JSON object's fields as texts; a list of numbers as "4,10". Nothing for any other
// shape, with why in error.
std::optional<StationRequest> requestFrom(const QByteArray& text, std::string& error) {
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parse);
    if (parse.error != QJsonParseError::NoError) {
        error = "malformed JSON: " + parse.errorString().toStdString() + " at byte " +
                std::to_string(parse.offset);
        return std::nullopt;
    }
    if (!document.isObject()) {
        error = "a message is a JSON object";
        return std::nullopt;
    }
    StationRequest request;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QJsonValue value = it.value();
        std::string field;
        if (value.isString()) {
            field = value.toString().toStdString();
        } else if (value.isDouble()) {
            field = QString::number(value.toDouble(), 'g', 15).toStdString();
        } else if (value.isBool()) {
            field = value.toBool() ? "true" : "false";
        } else if (value.isArray()) {
            for (const QJsonValue& item : value.toArray()) {
                if (!item.isDouble()) {
                    error = "the list \"" + it.key().toStdString() + "\" holds only numbers";
                    return std::nullopt;
                }
                field += (field.empty() ? "" : ",") +
                         QString::number(item.toDouble(), 'g', 15).toStdString();
            }
        } else {
            error = "the field \"" + it.key().toStdString() +
                    "\" is not a text, a number or a list of numbers";
            return std::nullopt;
        }
        request.fields.emplace(it.key().toStdString(), std::move(field));
    }
    return request;
}

}  // namespace

struct StationServer::Page {
    std::unique_ptr<QWebSocket> socket;
    bool paired = false;
};

StationServer::StationServer(StationHost& host, PairingCode code, QObject* parent)
    : QObject(parent), host_(host), code_(std::move(code)) {
    since_.start();
    stateTimer_.setInterval(kStateInterval);
    connect(&stateTimer_, &QTimer::timeout, this, &StationServer::sendState);
}

StationServer::~StationServer() {
    close();
}

bool StationServer::listen(bool localNetwork, quint16 port) {
    close();
    // A server cannot stop listening: each listen has a new one.
    http_ = std::make_unique<QHttpServer>();
    for (const PageFile& file : kPageFiles)
        http_->route(QString::fromLatin1(file.path), [&file] { return pageFile(file); });
    // The server hands a connection to the WebSocket side only when a route takes the
    // request and writes nothing back; a plain request here is told what the address is for.
    http_->route(QString::fromLatin1(kSocketPath),
                 [](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
                     if (request.value("upgrade").compare("websocket", Qt::CaseInsensitive) != 0)
                         responder.write(QHttpServerResponder::StatusCode::UpgradeRequired);
                 });
    connect(http_.get(), &QHttpServer::newWebSocketConnection, this, &StationServer::acceptPages);
    const QHostAddress address(localNetwork ? QHostAddress::Any : QHostAddress::LocalHost);
    port_ = http_->listen(address, port);
    if (port_ != 0)
        stateTimer_.start();
    return port_ != 0;
}

void StationServer::close() {
    stateTimer_.stop();
    const bool hadPaired = pairedPages() > 0;
    for (auto& page : pages_) {
        page->socket->disconnect(this);
        page->socket->close();
    }
    pages_.clear();
    http_.reset();
    port_ = 0;
    if (hadPaired)
        emit pairedPagesChanged(0);
}

int StationServer::pairedPages() const {
    int count = 0;
    for (const auto& page : pages_)
        count += page->paired ? 1 : 0;
    return count;
}

void StationServer::acceptPages() {
    while (http_->hasPendingWebSocketConnections()) {
        auto page = std::make_unique<Page>();
        page->socket = http_->nextPendingWebSocketConnection();
        // Larger messages are read whole only to be refused; past this the socket drops.
        page->socket->setMaxAllowedIncomingMessageSize(4 * 1024 * 1024);
        Page* raw = page.get();
        connect(raw->socket.get(), &QWebSocket::textMessageReceived, this,
                [this, raw](const QString& message) { received(*raw, message); });
        connect(raw->socket.get(), &QWebSocket::binaryMessageReceived, this,
                [this, raw](const QByteArray&) { refuse(*raw, "messages are JSON text"); });
        connect(raw->socket.get(), &QWebSocket::disconnected, this, &StationServer::dropClosed,
                Qt::QueuedConnection);
        pages_.push_back(std::move(page));
    }
}

void StationServer::dropClosed() {
    const int before = pairedPages();
    std::erase_if(pages_, [](const std::unique_ptr<Page>& page) {
        return page->socket->state() == QAbstractSocket::UnconnectedState;
    });
    if (pairedPages() != before)
        emit pairedPagesChanged(pairedPages());
}

void StationServer::received(Page& page, const QString& message) {
    const QByteArray text = message.toUtf8();
    if (text.size() > kLongestMessage) {
        refuse(page, "a message holds at most " + std::to_string(kLongestMessage) + " bytes, not " +
                         std::to_string(text.size()));
        return;
    }
    std::string error;
    auto request = requestFrom(text, error);
    if (!request) {
        refuse(page, error);
        return;
    }
    command(page, *request);
}

void StationServer::command(Page& page, const StationRequest& request) {
    auto type = request.fields.find("type");
    if (!page.paired && (type == request.fields.end() || type->second != "hello")) {
        refuse(page, "pair first with the code the simulator shows");
        return;
    }
    auto read = readStationCommand(request, host_.presentSimulation());
    if (auto* refusal = std::get_if<std::string>(&read)) {
        refuse(page, *refusal);
        return;
    }
    const StationCommand& command = std::get<StationCommand>(read);
    std::optional<std::string> refused;
    switch (command.kind) {
        case StationCommand::Kind::Hello:
            pair(page, command.text);
            return;
        case StationCommand::Kind::Actions:
        case StationCommand::Kind::Note:
            for (const Action& action : command.actions) {
                if ((refused = host_.apply(action)))
                    break;
            }
            break;
        case StationCommand::Kind::Pause:
            host_.pause();
            break;
        case StationCommand::Kind::Resume:
            host_.resume();
            break;
        case StationCommand::Kind::Speed:
            host_.setSpeed(command.speed);
            break;
        case StationCommand::Kind::Drill:
            refused = host_.startDrill(command.text);
            break;
    }
    if (refused) {
        refuse(page, *refused);
        return;
    }
    page.socket->sendTextMessage(QStringLiteral("{\"type\":\"done\"}"));
}

void StationServer::pair(Page& page, const std::string& code) {
    const Millis now = since_.elapsed();
    if (auto wait = limiter_.waitBefore(now)) {
        refuse(page,
               "too many wrong codes: try again in " + std::to_string((*wait + 999) / 1000) + " s");
        return;
    }
    if (!code_.matches(code)) {
        limiter_.noteWrong(now);
        refuse(page, "wrong pairing code");
        return;
    }
    limiter_.noteRight();
    const bool wasPaired = page.paired;
    page.paired = true;
    page.socket->sendTextMessage(QString::fromStdString(stationWelcomeJson(host_.drills())));
    page.socket->sendTextMessage(
        QString::fromStdString(stationStateJson(host_.presentSimulation(), host_.clock())));
    if (!wasPaired)
        emit pairedPagesChanged(pairedPages());
}

void StationServer::refuse(Page& page, const std::string& error) {
    page.socket->sendTextMessage(QString::fromStdString(stationRefusalJson(error)));
}

void StationServer::sendState() {
    if (pairedPages() == 0)
        return;
    const QString state =
        QString::fromStdString(stationStateJson(host_.presentSimulation(), host_.clock()));
    for (auto& page : pages_) {
        if (page->paired)
            page->socket->sendTextMessage(state);
    }
}

}  // namespace loopsim
