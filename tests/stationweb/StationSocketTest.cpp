// The instructor station's protocol over a real WebSocket on 127.0.0.1, against a served
// run in this process: what a page gets before and after pairing, the commands as they reach
// the session log, the refusals word for word, and a flood of commands whose log replays to
// the same recording.
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebSocket>
#include <QtTest>
#include <fstream>
#include <sstream>

#include "files/ScenarioPlay.h"
#include "headless/Runner.h"
#include "simulation/Simulation.h"
#include "stationweb/ServedRun.h"
#include "stationweb/StationServer.h"

using namespace loopsim;

namespace {

constexpr int kWait = 10'000;

// One served run with its station: the scenario plays from time 0 at speed 1.
struct Served {
    explicit Served(const char* scenario, std::optional<Millis> until = 60'000,
                    std::filesystem::path drills = {})
        : run(simulation, parseScenario(scenario, &simulation.input()), until, &log,
              std::move(drills)),
          server(run, PairingCode("123456")) {
        run.start();
        if (!server.listen(false))
            qFatal("the station cannot listen");
    }
    Simulation simulation;
    std::ostringstream log;
    ServedRun run;
    StationServer server;
};

// A page's socket and every message it has been sent, parsed.
struct Page {
    explicit Page(quint16 port) : received(&socket, &QWebSocket::textMessageReceived) {
        QSignalSpy connected(&socket, &QWebSocket::connected);
        socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/socket").arg(port)));
        if (!connected.wait(kWait))
            qFatal("the page cannot connect");
    }
    void send(const QString& text) { socket.sendTextMessage(text); }
    // Waits for the next message of one of these types; its fields, or none.
    QJsonObject next(const QStringList& wanted) {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            while (read < received.size()) {
                const QJsonObject message =
                    QJsonDocument::fromJson(received.at(read++).at(0).toString().toUtf8()).object();
                const QString type = message.value(QStringLiteral("type")).toString();
                if (wanted.contains(type))
                    return message;
                types.append(type);
            }
            if (waited.elapsed() > kWait || !received.wait(kWait))
                return {};
        }
    }
    QJsonObject next(const QString& type) { return next(QStringList{type}); }
    // The next "done", the refusal's error, or "(no reply)".
    QString nextReply() {
        const QJsonObject reply = next({QStringLiteral("done"), QStringLiteral("refused")});
        if (reply.isEmpty())
            return QStringLiteral("(no reply)");
        return reply.value(QStringLiteral("error")).toString(QStringLiteral("done"));
    }
    QString reply(const QString& text) {
        send(text);
        return nextReply();
    }
    QWebSocket socket;
    QSignalSpy received;
    qsizetype read = 0;
    QStringList types;  // the messages passed over while waiting
};

std::string logLines(const std::string& log) {
    std::string lines;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != '#')
            lines += line.substr(line.find(' ') + 1) + "\n";
    }
    return lines;
}

}  // namespace

class StationSocketTest : public QObject {
    Q_OBJECT

  private slots:
    void nothingBeforePairingAndWrongCodesAreLimited() {
        Served served("");
        Page page(served.server.port());
        QCOMPARE(page.reply(QStringLiteral("{\"type\":\"pause\"}")),
                 QStringLiteral("pair first with the code the simulator shows"));
        const QString wrong = QStringLiteral("{\"type\":\"hello\",\"code\":\"000000\"}");
        QCOMPARE(page.reply(wrong), QStringLiteral("wrong pairing code"));
        QCOMPARE(page.reply(wrong), QStringLiteral("wrong pairing code"));
        QCOMPARE(page.reply(wrong), QStringLiteral("wrong pairing code"));
        // Now even the right code waits, from this page or any other.
        Page other(served.server.port());
        QCOMPARE(other.reply(QStringLiteral("{\"type\":\"hello\",\"code\":\"123456\"}")),
                 QStringLiteral("too many wrong codes: try again in 1 s"));
        QCOMPARE(served.server.pairedPages(), 0);
        QVERIFY(page.types.isEmpty());
        QVERIFY(other.types.isEmpty());
        QVERIFY(!served.run.paused());
    }

    void pairedPagesGetTheStateAndDrive() {
        Served served("0 tap Image18\n", 60'000, LOOPSIM_DRILLS);
        QSignalSpy paired(&served.server, &StationServer::pairedPagesChanged);
        Page page(served.server.port());
        page.send(QStringLiteral("{\"type\":\"hello\",\"code\":\"123456\"}"));
        const QJsonObject welcome = page.next(QStringLiteral("welcome"));
        QCOMPARE(welcome.value(QStringLiteral("options")).toArray().size(), 23);
        QVERIFY(welcome.value(QStringLiteral("drills"))
                    .toArray()
                    .contains(QStringLiteral("cell-drift")));
        QCOMPARE(paired.size(), 1);
        QCOMPARE(paired.at(0).at(0).toInt(), 1);
        const QJsonObject first = page.next(QStringLiteral("state"));
        const QJsonObject second = page.next(QStringLiteral("state"));
        QCOMPARE(first.value(QStringLiteral("mouthpiece")).toString(), QStringLiteral("Open"));
        QVERIFY(second.value(QStringLiteral("t")).toDouble() >=
                first.value(QStringLiteral("t")).toDouble());
        QVERIFY(StationServer::kStateInterval <= 500);

        const std::pair<const char*, const char*> commands[] = {
            {"{\"type\":\"options\",\"failures\":[4,10],\"delay\":1}", "done"},
            {"{\"type\":\"action\",\"verb\":\"tap\",\"element\":\"Options.Command2\"}", "done"},
            {"{\"type\":\"note\",\"text\":\"watch the drift\"}", "done"},
            {"{\"type\":\"speed\",\"value\":5}", "done"},
            {"{\"type\":\"pause\"}", "done"},
            {"{\"type\":\"resume\"}", "done"},
            {"{\"type\":\"drill\",\"name\":\"cell-drift\"}", "done"},
            {"{\"type\":\"drill\",\"name\":\"../etc/passwd\"}", "no drill named '../etc/passwd'"},
            {"{\"type\":\"action\",\"verb\":\"tap\",\"element\":\"Nowhere\"}",
             "unknown element 'Nowhere'"},
            {"{\"type\":\"note\",\"text\":{\"nested\":1}}",
             "the field \"text\" is not a text, a number or a list of numbers"},
            {"{\"type\":\"options\",\"failures\":[\"4\"]}",
             "the list \"failures\" holds only numbers"},
            {"[1,2]", "a message is a JSON object"},
            {"{\"type\":", "malformed JSON: unterminated object at byte 8"},
            {"not json", "malformed JSON: illegal value at byte 1"},
        };
        for (const auto& [command, reply] : commands)
            QCOMPARE(page.reply(QString::fromUtf8(command)), QString::fromUtf8(reply));
        QCOMPARE(page.reply(QString(1024 * 1024, QLatin1Char('x'))),
                 QStringLiteral("a message holds at most 16384 bytes, not 1048576"));
        page.socket.sendBinaryMessage(QByteArray("{}"));
        QCOMPARE(page.reply(QStringLiteral("{\"type\":\"resume\"}")),
                 QStringLiteral("messages are JSON text"));
        QCOMPARE(page.next(QStringLiteral("state")).value(QStringLiteral("drill")).toString(),
                 QStringLiteral("cell-drift"));

        // The log holds exactly the commands that were done, in the scenario's words.
        QCOMPARE(QString::fromStdString(logLines(served.log.str())),
                 QStringLiteral("tap Image18\ncheck Options.Check4\ncheck Options.Check10\n"
                                "set Options.Slider1 1\ntap Options.Command1\n"
                                "tap Options.Command2\nnote watch the drift\nspeed 5\npause\n"
                                "resume\nnote drill cell-drift started\n"));

        // A page that goes away leaves the run as it was.
        page.socket.close();
        QVERIFY(paired.wait(kWait));
        QCOMPARE(served.server.pairedPages(), 0);
        QVERIFY(!served.run.over());
        QVERIFY(!served.run.paused());
    }

    void aFloodOfCommandsReplaysExactly() {
        // Ten seconds of commands at a thousand a second, sent as fast as the socket takes
        // them, while the run plays at ten times the wall clock.
        constexpr int kMessages = 10'000;
        Served served("0 tap Image18\n0 tap Image7\n", 120'000);
        served.run.setSpeed(10);
        Page page(served.server.port());
        page.send(QStringLiteral("{\"type\":\"hello\",\"code\":\"123456\"}"));
        page.next(QStringLiteral("welcome"));
        const QString messages[] = {
            QStringLiteral(
                "{\"type\":\"action\",\"verb\":\"check\",\"element\":\"Options.Check2\"}"),
            QStringLiteral(
                "{\"type\":\"action\",\"verb\":\"uncheck\",\"element\":\"Options.Check2\"}"),
            QStringLiteral("{\"type\":\"options\",\"failures\":[3],\"delay\":0}"),
            QStringLiteral("{\"type\":\"action\",\"verb\":\"tap\",\"element\":\"Image5\"}"),
            QStringLiteral("{\"type\":\"note\",\"text\":\"flood\"}"),
            QStringLiteral("{\"type\":\"action\",\"verb\":\"tap\",\"element\":\"Bogus\"}"),
            QStringLiteral("{broken"),
        };
        QElapsedTimer wall;
        wall.start();
        const Millis virtualStart = served.simulation.now();
        int bad = 0;  // the last two of the list are refused
        for (int i = 0; i < kMessages; ++i) {
            page.send(messages[i % std::size(messages)]);
            bad += i % std::size(messages) >= std::size(messages) - 2 ? 1 : 0;
        }
        int refused = 0;
        int done = 0;
        while (refused + done < kMessages) {
            const QString reply = page.nextReply();
            if (reply == QStringLiteral("(no reply)"))
                break;
            (reply == QStringLiteral("done") ? done : refused) += 1;
        }
        const qint64 wallTaken = wall.elapsed();
        const Millis virtualTaken = served.simulation.now() - virtualStart;
        QCOMPARE(done + refused, kMessages);
        QCOMPARE(refused, bad);
        qInfo(
            "%d messages in %lld ms of wall clock; the simulation ran %lld ms at x10 (%.2f of "
            "the wall clock's pace)",
            kMessages, static_cast<long long>(wallTaken), static_cast<long long>(virtualTaken),
            wallTaken > 0 ? double(virtualTaken) / double(10 * wallTaken) : 0.0);

        QSignalSpy ended(&served.run, &ServedRun::ended);
        served.run.setSpeed(100);
        QVERIFY(ended.wait(kWait * 3));
        // The log replays to the same recording, row for row.
        Simulation replay;
        const Scenario log = parseScenario(served.log.str(), &replay.input());
        QVERIFY(!log.error);
        QVERIFY(!playScenario(replay, log, std::nullopt, [] {}));
        QCOMPARE(replay.now(), served.simulation.now());
        QCOMPARE(replay.state().RecordIndex, served.simulation.state().RecordIndex);
        for (int row = 1; row <= served.simulation.state().RecordIndex; ++row)
            QVERIFY2(replay.recording().table().row(row) ==
                         served.simulation.recording().table().row(row),
                     qPrintable(QStringLiteral("row %1").arg(row)));
    }

    void refusedRunsServeNothing() {
        const QTemporaryDir folder;
        const std::filesystem::path scenario =
            folder.filePath(QStringLiteral("a.scenario")).toStdString();
        std::ofstream(scenario) << "1 tap Nowhere\n";
        const std::filesystem::path good =
            folder.filePath(QStringLiteral("b.scenario")).toStdString();
        std::ofstream(good) << "1 tap Image18\n";
        const std::filesystem::path missing =
            folder.filePath(QStringLiteral("c.scenario")).toStdString();
        const auto options = [](std::filesystem::path played,
                                std::optional<std::filesystem::path> log) {
            RunOptions options;
            options.scenario = std::move(played);
            options.serve = ServeOptions{0, false, std::move(log), {}};
            return options;
        };
        const std::pair<RunOptions, std::string> rows[] = {
            {options(missing, std::nullopt),
             missing.string() + ": cannot read the scenario file\n"},
            {options(scenario, std::nullopt),
             scenario.string() + ":1: unknown element 'Nowhere'\n"},
            {options(good, good), "loopsim-run: --log " + good.string() +
                                      " names the same file as the scenario " + good.string() +
                                      "\n"},
        };
        for (const auto& [run, said] : rows) {
            std::ostringstream out;
            std::ostringstream err;
            QCOMPARE(serveRun(run, out, err), kRunRefused);
            QCOMPARE(err.str(), said);
            QCOMPARE(out.str(), std::string());
        }
    }

    void servesThePageFiles() {
        Served served("");
        QNetworkAccessManager network;
        const std::pair<const char*, int> files[] = {
            {"/", 200},
            {"/classroom", 200},
            {"/station.js", 200},
            {"/classroom.js", 200},
            {"/station.css", 200},
            {"/TarvenLoopsimData.csv", 404},
            {"/../CMakeLists.txt", 404},
        };
        for (const auto& [path, status] : files) {
            QNetworkReply* reply =
                network.get(QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1%2")
                                                     .arg(served.server.port())
                                                     .arg(QString::fromLatin1(path)))));
            QSignalSpy finished(reply, &QNetworkReply::finished);
            QVERIFY(finished.wait(kWait));
            QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), status);
            if (status == 200)
                QVERIFY(
                    reply->rawHeader("Content-Security-Policy").startsWith("default-src 'self'"));
            reply->deleteLater();
        }
    }
};

QTEST_GUILESS_MAIN(StationSocketTest)
#include "StationSocketTest.moc"
