// The instructor station's protocol over a real WebSocket on 127.0.0.1, against a served
// run in this process: what a page gets before and after pairing, the commands as they reach
// the session log, the refusals word for word, and a flood of commands whose log replays to
// the same recording.
#include <QElapsedTimer>
#include <QFile>
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
const QString kHello = QStringLiteral(R"({"type":"hello","code":"123456"})");

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
    QJsonObject pair() {
        socket.sendTextMessage(kHello);
        return next({QStringLiteral("welcome")});
    }
    // The next "done", the refusal's error, or "(no reply)".
    QString nextReply() {
        const QJsonObject reply = next({QStringLiteral("done"), QStringLiteral("refused")});
        if (reply.isEmpty())
            return QStringLiteral("(no reply)");
        return reply.value(QStringLiteral("error")).toString(QStringLiteral("done"));
    }
    QString reply(const QString& text) {
        socket.sendTextMessage(text);
        return nextReply();
    }
    QWebSocket socket;
    QSignalSpy received;
    qsizetype read = 0;
    QStringList types;  // the messages passed over while waiting
};

QStringList goldenLines(const QString& name) {
    QFile file(QStringLiteral(LOOPSIM_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no file %s", qPrintable(name));
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

// Plays a transcript: a line "A> message" is sent from page A (or B, C...) and followed by
// "< " and the reply it got; "#" lines are copied. Gives the transcript as it went.
QStringList played(const QStringList& transcript, const std::vector<Page*>& pages) {
    QStringList lines;
    for (const QString& line : transcript) {
        if (line.startsWith(QLatin1Char('#'))) {
            lines.append(line);
        } else if (line.size() > 3 && line.mid(1, 2) == QStringLiteral("> ")) {
            lines.append(line);
            Page* page = pages.at(static_cast<std::size_t>(line.at(0).unicode() - 'A'));
            lines.append(QStringLiteral("< ") + page->reply(line.mid(3)));
        }
    }
    return lines;
}

// The session log's lines without their times, each as "log " and the line.
QStringList logLines(const std::string& log) {
    QStringList lines;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != '#')
            lines.append(QStringLiteral("log ") +
                         QString::fromStdString(line.substr(line.find(' ') + 1)));
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
        Page other(served.server.port());
        const QStringList transcript = goldenLines(QStringLiteral("station-socket-pairing.txt"));
        QCOMPARE(played(transcript, {&page, &other}) << QString(), transcript);
        QCOMPARE(served.server.pairedPages(), 0);
        QCOMPARE(page.types + other.types, QStringList());  // no state, no welcome
        QVERIFY(!served.run.paused());
    }

    void pairedPagesGetTheStateAndDrive() {
        Served served("0 tap Image18\n", 60'000, LOOPSIM_DRILLS);
        QSignalSpy paired(&served.server, &StationServer::pairedPagesChanged);
        Page page(served.server.port());
        Page stranger(served.server.port());  // connected, never paired
        const QJsonObject welcome = page.pair();
        QCOMPARE(welcome.value(QStringLiteral("options")).toArray().size(), 23);
        QVERIFY(welcome.value(QStringLiteral("drills"))
                    .toArray()
                    .contains(QStringLiteral("cell-drift")));
        QCOMPARE(paired.size(), 1);
        QCOMPARE(paired.at(0).at(0).toInt(), 1);
        const QJsonObject first = page.next({QStringLiteral("state")});
        const QJsonObject second = page.next({QStringLiteral("state")});
        QCOMPARE(first.value(QStringLiteral("mouthpiece")).toString(), QStringLiteral("Open"));
        QVERIFY(second.value(QStringLiteral("t")).toDouble() >=
                first.value(QStringLiteral("t")).toDouble());
        // By a third state message, whatever went out with the first has arrived anywhere.
        page.next({QStringLiteral("state")});
        QCOMPARE(stranger.received.size(), 0);

        // The commands and their replies; then the log holds exactly the commands that were
        // done, in the scenario's words.
        const QStringList transcript = goldenLines(QStringLiteral("station-socket-commands.txt"));
        const QStringList commands = played(transcript, {&page});
        QCOMPARE(commands + logLines(served.log.str()) << QString(), transcript);
        QCOMPARE(page.reply(QString(1024 * 1024, QLatin1Char('x'))),
                 QStringLiteral("a message holds at most 16384 bytes, not 1048576"));
        page.socket.sendBinaryMessage(QByteArray("{}"));
        QCOMPARE(page.nextReply(), QStringLiteral("messages are JSON text"));
        QCOMPARE(page.next({QStringLiteral("state")}).value(QStringLiteral("drill")).toString(),
                 QStringLiteral("cell-drift"));

        // A page that goes away leaves the run as it was.
        page.socket.close();
        QVERIFY(paired.wait(kWait));
        QCOMPARE(served.server.pairedPages(), 0);
        QVERIFY(!served.run.over());
        QVERIFY(!served.run.paused());
    }

    void aFloodOfCommandsReplaysExactly() {
        // Ten thousand commands sent as fast as the socket takes them, while the run plays at
        // ten times the wall clock.
        constexpr int kMessages = 10'000;
        Served served("0 tap Image18\n0 tap Image7\n", 120'000);
        served.run.setSpeed(10);
        Page page(served.server.port());
        page.pair();
        // Each message of the list with the reply it must get, every time round.
        QStringList messages;
        QStringList replies;
        for (const QString& line : goldenLines(QStringLiteral("station-socket-flood.txt")))
            (line.startsWith(QStringLiteral("A> ")) ? messages : replies)
                << line.mid(line.indexOf(QLatin1Char(' ')) + 1);
        for (int i = 0; i < kMessages; ++i)
            page.socket.sendTextMessage(messages.at(i % messages.size()));
        int matched = 0;
        QString reply;
        while (matched < kMessages &&
               (reply = page.nextReply()) == replies.at(matched % messages.size()))
            ++matched;
        if (matched < kMessages)
            QCOMPARE(reply, replies.at(matched % messages.size()));
        QCOMPARE(matched, kMessages);

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

    // A scenario that is missing, one that is refused, a log that would overwrite the scenario.
    void refusedRunsServeNothing() {
        const QTemporaryDir folder;
        const std::string root = folder.path().toStdString() + "/";
        std::ofstream(root + "a.scenario") << "1 tap Nowhere\n";
        std::ofstream(root + "b.scenario") << "1 tap Image18\n";
        std::string said;
        for (const auto& [scenario, log] : {std::pair{"c", ""}, {"a", ""}, {"b", "b"}}) {
            RunOptions run;
            run.scenario = root + scenario + ".scenario";
            run.serve = ServeOptions{};
            if (*log)
                run.serve->log = root + log + ".scenario";
            std::ostringstream out;
            std::ostringstream err;
            QCOMPARE(serveRun(run, out, err), kRunRefused);
            QCOMPARE(out.str(), std::string());
            said += err.str();
        }
        QCOMPARE(QString::fromStdString(said)
                     .replace(folder.path(), QStringLiteral("FOLDER"))
                     .split(QLatin1Char('\n')),
                 goldenLines(QStringLiteral("station-socket-refused-runs.txt")));
    }

    // Each file the page may ask for, with its status and its security policy.
    void servesThePageFiles() {
        Served served("");
        QNetworkAccessManager network;
        const QStringList expected = goldenLines(QStringLiteral("station-socket-files.txt"));
        QStringList answers;
        for (const QString& line : expected) {
            if (line.isEmpty())
                continue;
            const QString path = line.section(QLatin1Char(' '), 0, 0);
            QNetworkReply* reply = network.get(QNetworkRequest(
                QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(served.server.port()).arg(path))));
            QSignalSpy finished(reply, &QNetworkReply::finished);
            QVERIFY(finished.wait(kWait));
            answers.append(QStringList{
                path, reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toString(),
                QString::fromLatin1(reply->rawHeader("Content-Security-Policy"))}
                               .join(QLatin1Char(' '))
                               .trimmed());
            reply->deleteLater();
        }
        QCOMPARE(answers << QString(), expected);
    }
};

QTEST_GUILESS_MAIN(StationSocketTest)
#include "StationSocketTest.moc"
