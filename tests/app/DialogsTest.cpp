// The simulator window's dialogs on a running simulation: the options window, the bail-out
// window, the typed-value prompt and the bug report form. Every change the user makes in
// them reaches the simulation as a logged action; the windows only show its state.
#include <QCheckBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QtTest>
#include <vector>

#include "WindowFixtures.h"
#include "app/BailoutWindow.h"
#include "app/OptionsWindow.h"
#include "app/SessionDialogs.h"
#include "core/Scenario.h"
#include "tools/OptionsDialog.h"

using namespace loopsim;
using namespace loopsim::test;

namespace {

// A windowed simulation with every dialog of the session shown by its presenter.
struct DialogRun {
    WindowedSimulation run;
    int bugReportsMade = 0;
    SessionDialogs dialogs{&run.window, [this](const Action& action) { run.driver.apply(action); },
                           [this](QWidget* parent) -> QDialog* {
                               ++bugReportsMade;
                               auto* form = new QDialog(parent);
                               auto* send = new QPushButton(QStringLiteral("Send"), form);
                               send->setObjectName(QStringLiteral("Command2"));
                               QObject::connect(send, &QPushButton::clicked, form,
                                                &QDialog::accept);
                               return form;
                           }};

    DialogRun() {
        run.window.setDialogPresenter(&dialogs);
        run.runUntil(0);
    }

    OptionsWindow& options() { return dialogs.options(); }
    bool isOpen(const char* dialog) const { return run.simulation.dialogs().isOpen(dialog); }
    QStringList logged() const {
        QStringList lines;
        for (const auto& entry : run.log.entries)
            lines.append(QString::fromStdString(formatScenarioLine(entry.time, entry.action)));
        return lines;
    }
    // Near the left edge: on a check box, that is its tick square.
    void click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
    }
};

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void theOptionsButtonShowsTheModalOptionsWindow() {
        DialogRun d;
        QVERIFY(!d.options().isVisible());
        d.run.click("Command2");
        QVERIFY(d.isOpen("Options"));
        QVERIFY(d.options().isVisible());
        QCOMPARE(d.options().windowTitle(), QStringLiteral("Simulator Options"));
        QCOMPARE(d.options().windowModality(), Qt::ApplicationModal);
        QCOMPARE(d.options().button(1)->text(), QStringLiteral("Change now"));
        QCOMPARE(d.options().button(2)->text(), QStringLiteral("Refill Scrubber"));
        QCOMPARE(d.options().button(3)->text(), QStringLiteral("Change Batteries"));
    }

    void theBoxesSitInTheirFramesWithTheirCaptionsAndTips() {
        DialogRun d;
        int count = 0;
        for (const OptionBox& option : optionBoxes()) {
            QCheckBox* box = d.options().box(option.number);
            QVERIFY(box);
            QCOMPARE(box->objectName(), QStringLiteral("Check%1").arg(option.number));
            QCOMPARE(box->text(), QString::fromUtf8(option.caption));
            QCOMPARE(box->toolTip(), QString::fromUtf8(option.tooltip));
            auto* frame = qobject_cast<QGroupBox*>(box->parentWidget());
            QVERIFY(frame);
            QCOMPARE(frame->title(), QString::fromUtf8(option.frame));
            QVERIFY(!box->isChecked());
            ++count;
        }
        QCOMPARE(count, OptionsDialog::kBoxCount);
        QCOMPARE(d.options().findChildren<QGroupBox*>().size(), 9);
    }

    void tickingOneBoxOfAPairUnticksTheOther() {
        DialogRun d;
        d.run.click("Command2");
        QCheckBox* drift = d.options().box(4);
        QCheckBox* concurrent = d.options().box(5);
        d.click(concurrent);
        QVERIFY(concurrent->isChecked());
        d.click(drift);
        QVERIFY(drift->isChecked());
        QVERIFY(!concurrent->isChecked());
        QVERIFY(!d.run.simulation.optionsDialog().isTicked(5));
        d.click(drift);
        QVERIFY(!drift->isChecked());
        QVERIFY(!concurrent->isChecked());

        d.click(d.options().box(8));
        d.click(d.options().box(11));
        QVERIFY(!d.options().box(8)->isChecked());
        d.click(d.options().box(9));
        d.click(d.options().box(10));
        QVERIFY(!d.options().box(9)->isChecked());
        QVERIFY(d.options().box(10)->isChecked());
        QCOMPARE(d.logged().mid(0, 3), (QStringList{"0 click Command2", "0 check Options.Check5",
                                                    "0 check Options.Check4"}));
        QVERIFY(d.logged().contains("0 uncheck Options.Check4"));
    }

    void theSliderSetsTheApplyCaption() {
        DialogRun d;
        d.run.click("Command2");
        QSlider* slider = d.options().slider();
        QCOMPARE(slider->minimum(), 0);
        QCOMPARE(slider->maximum(), 15);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(d.run.simulation.optionsDialog().delayMinutes(), 5);
        QCOMPARE(d.options().button(1)->text(), QStringLiteral("Change in 5 minutes"));
        QTest::keyClick(slider, Qt::Key_Home);
        QCOMPARE(d.options().button(1)->text(), QStringLiteral("Change Now"));
        QCOMPARE(d.logged().last(), QStringLiteral("0 set Options.Slider1 0"));
        QVERIFY(d.logged().contains("0 set Options.Slider1 5"));
    }

    void applyingStartsTheOptionTimerAndHides() {
        DialogRun d;
        d.run.runUntil(1000);
        d.run.click("Command2");
        d.click(d.options().box(3));
        QVERIFY(!d.run.simulation.clock().timer("OptionTimer").enabled());
        d.click(d.options().button(1));
        QVERIFY(d.run.simulation.clock().timer("OptionTimer").enabled());
        QCOMPARE(d.run.simulation.state().OptionsSetTime, 1000u);
        QVERIFY(!d.isOpen("Options"));
        QVERIFY(!d.options().isVisible());
        QCOMPARE(d.logged().last(), QStringLiteral("1 click Options.Command1"));
    }

    void theCloseBoxAppliesNothingAndKeepsTheWindow() {
        DialogRun d;
        d.run.click("Command2");
        OptionsWindow* window = &d.options();
        d.click(window->box(2));
        QVERIFY(!window->close());
        QVERIFY(!window->isVisible());
        QVERIFY(!d.isOpen("Options"));
        QVERIFY(!d.run.simulation.clock().timer("OptionTimer").enabled());
        QCOMPARE(d.logged().last(), QStringLiteral("0 click Options.Close"));
        // The same window opens again with the box as it was left.
        d.run.click("Command2");
        QCOMPARE(&d.options(), window);
        QVERIFY(window->isVisible());
        QVERIFY(window->box(2)->isChecked());
        // Esc is the close box too.
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QVERIFY(!d.run.simulation.clock().timer("OptionTimer").enabled());
    }

    void refillAndBatteriesActAtOnceAndStayOpen() {
        DialogRun d;
        d.run.simulation.state().ScrubberMinutes = 90;
        d.run.simulation.state().LeftHandset.BatteryVolts = 5.4;
        d.run.click("Command2");
        d.click(d.options().button(2));
        QCOMPARE(d.run.simulation.state().ScrubberMinutes, 0.0);
        d.click(d.options().button(3));
        QCOMPARE(d.run.simulation.state().LeftHandset.BatteryVolts, 6.3);
        QVERIFY(d.options().isVisible());
        QVERIFY(d.isOpen("Options"));
    }

    void theBailoutWindowRefusesToCloseAndReturnsToTheLoop() {
        DialogRun d;
        d.run.click("Image20");
        QVERIFY(d.isOpen("Bailout"));
        BailoutWindow& bailout = d.dialogs.bailout();
        QVERIFY(bailout.isVisible());
        QVERIFY(!bailout.isModal());
        QVERIFY(bailout.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!bailout.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(bailout.findChild<QLabel*>("Label1")->text(), QStringLiteral("Bailed !"));
        QCOMPARE(bailout.returnButton()->text(), QStringLiteral("&Return to Loop"));
        QCOMPARE(bailout.exitButton()->text(), QStringLiteral("E&xit"));

        QVERIFY(!bailout.close());
        QTest::keyClick(&bailout, Qt::Key_Escape);
        QVERIFY(bailout.isVisible());
        // The main window is not blocked and the simulation runs on behind it.
        QVERIFY(!QApplication::activeModalWidget());
        d.run.click("Image7");
        QCOMPARE(d.run.simulation.state().OxygenValve, std::string("OPEN"));
        d.run.runUntil(5000);
        QVERIFY(bailout.isVisible());

        d.click(bailout.returnButton());
        QVERIFY(!d.isOpen("Bailout"));
        QVERIFY(!bailout.isVisible());
        QCOMPARE(d.logged().last(), QStringLiteral("5 click Bailout.Return"));
    }

    void theBailoutExitEndsWithoutSaving() {
        DialogRun d;
        std::vector<Ending> endings;
        QObject::connect(&d.run.window, &MainWindow::endingRequested,
                         [&endings](Ending ending) { endings.push_back(ending); });
        d.run.click("Image20");
        d.click(d.dialogs.bailout().exitButton());
        QCOMPARE(d.run.simulation.dialogs().ending(), Ending::WithoutSaving);
        QVERIFY(endings == std::vector<Ending>{Ending::WithoutSaving});
    }

    void anAnsweredPromptTypesItsValue() {
        DialogRun d;
        d.run.wall.now = 2000;
        QTest::mouseDClick(d.run.element("Label3"), Qt::LeftButton);
        QInputDialog* prompt = d.dialogs.openPrompt();
        QVERIFY(prompt);
        QVERIFY(prompt->isVisible());
        const auto& open = d.run.simulation.dialogs().prompt();
        QVERIFY(open);
        QCOMPARE(prompt->labelText(), QString::fromStdString(open->prompt));
        QCOMPARE(prompt->windowTitle(), QString::fromStdString(open->title));
        QCOMPARE(prompt->textValue(), QString::fromStdString(open->defaultText));
        // The simulation runs on while the prompt is open.
        d.run.runUntil(4000);
        QCOMPARE(d.run.simulation.now(), 4000);
        auto* edit = prompt->findChild<QLineEdit*>();
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("32"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!d.run.simulation.dialogs().prompt());
        QCOMPARE(d.run.simulation.state().OxygenAnalysis, 32.0);
        QCOMPARE(d.logged().last(), QStringLiteral("4 answer 32"));
        QVERIFY(!d.dialogs.openPrompt());
    }

    void aCancelledPromptChangesNothing() {
        DialogRun d;
        QTest::mouseDClick(d.run.element("Label3"), Qt::LeftButton);
        QInputDialog* prompt = d.dialogs.openPrompt();
        QVERIFY(prompt);
        prompt->setTextValue(QStringLiteral("50"));
        d.run.wall.now = 1500;
        prompt->reject();
        QVERIFY(!d.run.simulation.dialogs().prompt());
        QCOMPARE(d.run.simulation.state().OxygenAnalysis, 100.0);
        QCOMPARE(d.logged().last(), QStringLiteral("1.5 cancel"));
    }

    void reportBugOpensTheFormAndSendingClosesIt() {
        DialogRun d;
        d.run.click("Command3");
        QVERIFY(d.isOpen("BugReport"));
        QCOMPARE(d.bugReportsMade, 1);
        QDialog* form = d.dialogs.bugReport();
        QVERIFY(form);
        QVERIFY(form->isVisible());
        QCOMPARE(form->windowModality(), Qt::ApplicationModal);
        d.click(form->findChild<QPushButton*>("Command2"));
        QVERIFY(!d.isOpen("BugReport"));
        QCOMPARE(d.logged().last(), QStringLiteral("0 click BugReport.Command2"));

        d.run.click("Command3");
        QCOMPARE(d.bugReportsMade, 2);
        d.dialogs.bugReport()->reject();
        QVERIFY(!d.isOpen("BugReport"));
        QCOMPARE(d.logged().last(), QStringLiteral("0 click BugReport.Close"));
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
