// The main window on a simulation: its elements under their names, mouse events on them
// becoming the unit's actions, what the window then shows, and how it scales.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include "WindowFixtures.h"

using namespace loopsim;
using namespace loopsim::test;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // Every element the unit knows or draws is there under its name; the window's own
    // buttons, frames and status panels carry their texts.
    void carriesItsElementsButtonsFramesAndStatusPanels() {
        WindowedSimulation run;
        const auto inDialog = [](const std::string& name) {
            return name.find('.') != std::string::npos;
        };
        for (const auto& [name, handlers] : run.simulation.input().elements())
            if (!inDialog(name))
                QVERIFY2(run.window.findChild<QWidget*>(QString::fromStdString(name)),
                         name.c_str());
        for (const auto& [name, view] : run.simulation.view().elements())
            if (!inDialog(name))
                QVERIFY2(run.window.findChild<QWidget*>(QString::fromStdString(name)),
                         name.c_str());
        for (const char* name :
             {"Image2", "Image3", "Image20", "Label14", "Label15", "Label16", "Label17", "Shape1",
              "Shape2", "Shape3", "ClungVolBar", "LHOO", "RHOO", "Label18", "Label21"})
            QVERIFY2(run.element(name), name);

        QCOMPARE(run.window.objectName(), QStringLiteral("TarvenLoopsim"));
        QCOMPARE(wrongCaptions(run.window, {{"", "Tarven Calvendrite Simulator"},
                                            {"Command1", "E&xit"},
                                            {"Command2", "&Options"},
                                            {"Command3", "Report &Bug"},
                                            {"Frame9", "Controls"}}),
                 QStringList());
        const std::pair<const char*, const char*> tips[] = {
            {"Command1", "Click this button to exit and close the Simulator"},
            {"Command2", "Click on this button to select failure modes"},
            {"Command3", "Click this button to send a bug report"},
            {"Check1", "Select this button to enable sound. No tick, no sounds"}};
        for (const auto& [name, tip] : tips)
            QCOMPARE(run.element(name)->toolTip(), QString::fromLatin1(tip));
        QStringList frames;
        for (auto* box : run.window.findChildren<QGroupBox*>())
            frames.append(box->title());
        for (const char* frame : {"Gas Control", "Electronics", "Volume", "Environment"})
            QVERIFY2(frames.contains(QLatin1String(frame)), frame);

        const QStringList panels = MainWindow::statusPanelTexts();
        QCOMPARE(panels.size(), 3);
        QCOMPARE(panels[0], QStringLiteral("  Version 1.0.0  "));
        for (int i = 0; i < 3; ++i) {
            auto* label = run.window.statusBar()->findChild<QLabel*>(
                QStringLiteral("StatusPanel%1").arg(i + 1));
            QVERIFY(label);
            QCOMPARE(label->text(), panels[i]);
            QVERIFY(label->text().startsWith("  ") && label->text().endsWith("  "));
            QVERIFY(label->text().trimmed().size() > 3);
        }
    }

    void switchingOnAndStartingAHandsetByMouse() {
        WindowedSimulation run;
        run.wall.now = 500;
        run.click("LHOO");
        QCOMPARE(run.simulation.state().LeftHandset.SwitchOn, 1);
        run.wall.now = 1000;
        run.click("Label8");
        // The turn-on click holds the unit for two seconds; the display tick then shows the
        // start-up banner, and three seconds later the elapsed on-time.
        run.runUntil(3000);
        auto* display = run.element<DisplayElement>("Label14");
        QCOMPARE(display->lines(), (TwoLines{"  K.T.Varnel", "Calvendrite"}));
        run.runUntil(6100);
        QCOMPARE(display->lines(), (TwoLines{"     Elapsed ON Time", "0 hrs 14 mins"}));
        QCOMPARE(run.element<DisplayElement>("Label15")->lines(), TwoLines{});
        QCOMPARE(loggedLines(run.log),
                 (QStringList{"0.5 press LHOO", "0.5 release LHOO", "0.5 click LHOO",
                              "1 press Label8", "1 release Label8", "1 click Label8"}));
    }

    // A pressed button shows its picture until released; moves are sent only where the
    // unit listens for them.
    void pressesAndMovesShowTheirPictures() {
        WindowedSimulation run;
        run.click("LHOO");
        auto* picture = run.element<PictureElement>("Image2");
        QCOMPARE(picture->pictureName(), std::string("\\HSOn.jpg"));
        QTest::mousePress(run.element("Label9"), Qt::LeftButton);
        QCOMPARE(picture->pictureName(), std::string("\\HSRight.jpg"));
        QTest::mouseRelease(run.element("Label9"), Qt::LeftButton);
        QCOMPARE(picture->pictureName(), std::string("\\HSOn.jpg"));
        QCOMPARE(run.element<PictureElement>("Image3")->pictureName(), std::string("\\HSOff.jpg"));

        run.log.entries.clear();
        QTest::mouseMove(run.element("Label18"));
        QTest::mouseMove(run.element("Label8"));
        QCOMPARE(loggedLines(run.log), QStringList{"0 move Label18"});
        QCOMPARE(picture->pictureName(), std::string("\\HSLineOuters.jpg"));
    }

    // A click redraws only what changed, shows and hides elements as the view model has them.
    void aClickRedrawsOnlyWhatChanged() {
        WindowedSimulation run;
        run.runUntil(0);
        QCOMPARE(run.window.lastRedrawCount(), 0);
        auto* label = run.element<StateLabelElement>("Label6");
        QVERIFY(label->isHidden());
        run.click("Image7");
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), QStringLiteral("OPEN"));
        QCOMPARE(run.window.lastRedrawCount(), 1);
        // The label hides itself three seconds later.
        run.runUntil(3100);
        QVERIFY(label->isHidden());

        QVERIFY(run.element("Image9")->isHidden());
        run.click("Image10");
        QVERIFY(run.element("Image9")->isVisible());
        QVERIFY(run.element("Image11")->isHidden());
        QCOMPARE(run.element<ReadoutElement>("Label1")->text(), QStringLiteral("1"));
    }

    void aDoubleClickIsPressReleaseClickDoubleClickRelease() {
        WindowedSimulation run;
        run.wall.now = 700;
        // What the window system delivers for a double click: a click, then the double-click
        // event in place of the second press, then its release.
        QTest::mouseClick(run.element("Label3"), Qt::LeftButton);
        QTest::mouseDClick(run.element("Label3"), Qt::LeftButton);
        QTest::mouseRelease(run.element("Label3"), Qt::LeftButton);
        QCOMPARE(loggedLines(run.log),
                 (QStringList{"0.7 press Label3", "0.7 release Label3", "0.7 click Label3",
                              "0.7 dblclick Label3", "0.7 release Label3"}));
        // The double click opened the oxygen analysis prompt.
        QVERIFY(run.simulation.dialogs().prompt());
    }

    void checkBoxesSendTheirTicks() {
        WindowedSimulation run;
        auto* sound = run.element<QCheckBox>("Check1");
        QVERIFY(sound->isChecked());
        sound->click();
        QCOMPARE(run.simulation.state().SoundEnabled, 0);
        QVERIFY(!sound->isChecked());
        run.element<QCheckBox>("ADVOn")->click();
        QVERIFY(run.element("Image17")->isHidden());
        QCOMPARE(loggedLines(run.log), (QStringList{"0 uncheck Check1", "0 uncheck ADVOn"}));

        // The box does not tick itself: during the handset's turn-on hold the tick waits,
        // and the box shows it once the simulation has taken it.
        run.click("LHOO");
        run.click("Label8");
        sound->click();
        QVERIFY(!sound->isChecked());
        run.runUntil(2100);
        QVERIFY(sound->isChecked());
    }

    // The unit scales as a whole with the window, keeping its proportions; the regulator
    // moves to where the view model puts it.
    void theUnitScalesWithTheWindowKeepingItsProportions() {
        WindowedSimulation run;
        for (QSize size : {QSize(1088, 700), QSize(2176, 1400), QSize(1600, 700)}) {
            run.window.unit().resize(size);
            QWidget* display = run.element("Label14");
            const double scale = run.window.unit().scale();
            QCOMPARE(scale, std::min(size.width() / 16320.0, size.height() / 9960.0));
            QVERIFY(qAbs(display->width() - 3735 * scale) <= 1);
            QVERIFY(qAbs(display->height() - 975 * scale) <= 1);
            // The two handsets keep their spacing at every size.
            const int spacing = run.element("Label15")->x() - display->x();
            QVERIFY(qAbs(spacing - 6120 * scale) <= 1);
        }
        run.window.unit().resize(1632, 996);
        auto* regulator = run.element<PictureElement>("Image19");
        QCOMPARE(regulator->geometry(), run.window.unit().toPixels({6360, 2160, 600, 480}));
        run.click("Image19");
        QCOMPARE(regulator->geometry(), run.window.unit().toPixels({6120, 1200, 1080, 1800}));
        QCOMPARE(regulator->pictureName(), std::string("RegulatorLarge.jpg"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
