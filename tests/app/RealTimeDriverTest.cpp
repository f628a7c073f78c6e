// The real-time driver against a wall clock the test moves: when it wakes, what virtual
// time it runs to, and what pause and speed do to both.
#include <QtTest>

#include "WindowFixtures.h"

using namespace loopsim;
using namespace loopsim::test;

namespace {

struct Driven {
    FakeWallClock wall;
    MemorySessionLog log;
    Simulation simulation;
    RealTimeDriver driver{simulation, wall, log};

    // Sleeps as long as the driver asked, then wakes it; returns the virtual time reached.
    Millis wakeOnce() {
        const auto sleep = driver.nextWakeIn();
        if (!sleep)
            return -1;
        wall.now += *sleep;
        driver.catchUp();
        return simulation.now();
    }
};

}  // namespace

class RealTimeDriverTest : public QObject {
    Q_OBJECT

  private slots:
    // The first wake-ups of the tick table: the 200 ms background tick, the cell tick at 502,
    // the loop-gas step at 503, then the background tick again. A late wake runs everything
    // that fell due, one recorded row per second as if every tick had come on time.
    void wakesExactlyWhenTheTicksFallDue() {
        Driven run;
        run.driver.start();
        QList<Millis> reached;
        for (int i = 0; i < 5; ++i)
            reached.append(run.wakeOnce());
        QCOMPARE(reached, (QList<Millis>{200, 400, 502, 503, 600}));
        // Each wake-up ran the tick that fell due: the loop-gas step drew the loop PO2.
        QCOMPARE(run.simulation.view().find("Label16")->textOrEmpty(), std::string("0.21"));
        run.wall.now = 10'000;
        run.driver.catchUp();
        QCOMPARE(run.simulation.now(), Millis(10'000));
        QCOMPARE(run.simulation.state().RecordIndex, 10);
    }

    void fasterSpeedsSleepAFractionOfTheVirtualWait() {
        Driven run;
        run.driver.start();
        run.driver.setSpeed(10);
        QCOMPARE(run.driver.nextWakeIn(), std::optional<int>(20));
        QCOMPARE(run.wakeOnce(), Millis(200));
        run.wall.now += 1000;
        run.driver.catchUp();
        QCOMPARE(run.simulation.now(), Millis(10'200));
        // Slowing down again keeps the virtual time reached.
        run.driver.setSpeed(1);
        run.wall.now += 100;
        run.driver.catchUp();
        QCOMPARE(run.simulation.now(), Millis(10'300));
    }

    void pauseStopsVirtualTimeUntilResume() {
        Driven run;
        run.driver.start();
        run.wall.now = 1500;
        run.driver.pause();
        QCOMPARE(run.simulation.now(), Millis(1500));
        QCOMPARE(run.driver.nextWakeIn(), std::nullopt);
        run.wall.now = 60'000;
        run.driver.catchUp();
        QCOMPARE(run.simulation.now(), Millis(1500));
        QCOMPARE(run.driver.virtualNow(), Millis(1500));
        run.driver.resume();
        run.wall.now = 60'500;
        run.driver.catchUp();
        QCOMPARE(run.simulation.now(), Millis(2000));
    }

    void clockChangesAndInputAreLoggedAtTheirVirtualTime() {
        Driven run;
        run.driver.start();
        run.wall.now = 1234;
        QVERIFY(!run.driver.apply(Action{Verb::Tap, "Image7", {}}));
        run.wall.now = 2000;
        run.driver.pause();
        run.driver.setSpeed(5);
        run.driver.resume();
        run.wall.now = 2100;
        run.driver.apply(Action{Verb::Tap, "Image4", {}});
        run.driver.pause();
        run.driver.pause();

        // Input the simulation refuses is not logged.
        QVERIFY(run.driver.apply(Action{Verb::Answer, {}, "12"}));
        QCOMPARE(loggedLines(run.log), (QStringList{"1.234 tap Image7", "2 pause", "2 speed 5",
                                                    "2 resume", "2.5 tap Image4", "2.5 pause"}));
        QCOMPARE(run.simulation.state().OxygenValve, ValveState::Open);
    }
};

QTEST_MAIN(RealTimeDriverTest)
#include "RealTimeDriverTest.moc"
