// The instructor station in the window: started from its button with a new pairing code,
// the sign on the trainee's screen while a page is paired, the page's commands applied and
// logged as the window's own actions, and the clock buttons following the page's pause.
#include <QLabel>
#include <QSignalSpy>
#include <QWebSocket>
#include <QtTest>
#include <memory>

#include "WindowFixtures.h"
#include "app/station/StationControls.h"
#include "stationweb/StationServer.h"

using namespace loopsim;
using namespace loopsim::test;

class StationWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        s = std::make_unique<WindowSession>();
        QVERIFY(s->start());
        controls = s->window().findChild<StationControls*>();
        QVERIFY(controls);
    }
    void cleanup() { s.reset(); }

    void aPairedPageShowsAndDrivesTheSession() {
        auto* sign = s->window().findChild<QLabel*>(QStringLiteral("InstructorConnected"));
        QVERIFY(sign && sign->isHidden());
        QVERIFY(!controls->server());
        s->control("StationButton")->click();
        auto* address = s->window().findChild<QLabel*>(QStringLiteral("StationAddress"));
        QCOMPARE(address->text(), QStringLiteral("The instructor station is off."));
        s->window().findChild<QPushButton*>(QStringLiteral("StationStart"))->click();
        StationServer* server = controls->server();
        QVERIFY(server && server->listening());
        const QString code = QString::fromStdString(server->code().digits());
        QCOMPARE(address->text(),
                 QStringLiteral("Open http://127.0.0.1:%1/ in a browser\nPairing code: %2")
                     .arg(server->port())
                     .arg(code));

        QWebSocket page;
        pair(page, server->port(), code.toStdString());
        QTRY_VERIFY(!sign->isHidden());

        s->at(2000);
        page.sendTextMessage(QStringLiteral("{\"type\":\"options\",\"failures\":[12]}"));
        page.sendTextMessage(QStringLiteral("{\"type\":\"note\",\"text\":\"good\"}"));
        page.sendTextMessage(QStringLiteral("{\"type\":\"pause\"}"));
        QTRY_VERIFY(s->control("PauseButton")->isChecked());
        QCOMPARE(s->actions(), QStringList({"2 check Options.Check12", "2 tap Options.Command1",
                                            "2 note good", "2 pause"}));

        // The page goes; the session stays as it was.
        page.close();
        QTRY_VERIFY(sign->isHidden());
        QVERIFY(s->control("PauseButton")->isChecked());
        s->window().findChild<QPushButton*>(QStringLiteral("StationStop"))->click();
        QVERIFY(!controls->server());
    }

    // A drill started from the page starts on a fresh simulation as from the Drills button,
    // and the station goes on there at the same address with the same code.
    void aDrillStartedFromThePageKeepsTheStation() {
        QVERIFY(controls->startStation(false));
        const quint16 port = controls->server()->port();
        const std::string code = controls->server()->code().digits();
        QWebSocket page;
        QSignalSpy received(&page, &QWebSocket::textMessageReceived);
        pair(page, port, code);
        QTRY_VERIFY(!received.isEmpty());
        QVERIFY(received.front().front().toString().contains("\"cell-drift\""));

        page.sendTextMessage(QStringLiteral("{\"type\":\"drill\",\"name\":\"cell-drift\"}"));
        QTRY_VERIFY(s->session.drill());
        QCOMPARE(s->session.drill()->fileName, std::string("cell-drift.drill"));
        auto* again = s->window().findChild<StationControls*>();
        QVERIFY(again && again->server());
        QCOMPARE(again->server()->port(), port);
        QCOMPARE(again->server()->code().digits(), code);
        QWebSocket back;
        pair(back, port, code);
        QTRY_VERIFY(
            !s->window().findChild<QLabel*>(QStringLiteral("InstructorConnected"))->isHidden());
    }

  private:
    static void pair(QWebSocket& page, quint16 port, const std::string& code) {
        QSignalSpy connected(&page, &QWebSocket::connected);
        page.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/socket").arg(port)));
        QVERIFY(connected.wait(10'000));
        page.sendTextMessage(QStringLiteral("{\"type\":\"hello\",\"code\":\"%1\"}")
                                 .arg(QString::fromStdString(code)));
    }

    std::unique_ptr<WindowSession> s;
    StationControls* controls = nullptr;
};

LOOPSIM_TEST_MAIN(StationWindowTest)
#include "StationWindowTest.moc"
