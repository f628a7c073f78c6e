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
#include "app/dialogs/BailoutWindow.h"
#include "app/dialogs/OptionsWindow.h"
#include "app/dialogs/SessionDialogs.h"
#include "instructor/OptionsDialog.h"

using namespace loopsim;
using namespace loopsim::test;

namespace {

// A windowed simulation with every dialog of the session shown by its presenter; the bug
// report form is a stand-in with a send button.
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
    QString lastLogged() const { return loggedLines(run.log).last(); }
    void click(QWidget* widget) { clickNearTheLeftEdge(widget); }
};

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void theOptionsButtonShowsTheModalOptionsWindowWithItsBoxes() {
        DialogRun d;
        OptionsWindow& options = d.options();
        QVERIFY(!options.isVisible());
        d.run.click("Command2");
        QVERIFY(d.isOpen("Options"));
        QVERIFY(options.isVisible());
        QCOMPARE(options.windowTitle(), QStringLiteral("Simulator Options"));
        QCOMPARE(options.windowModality(), Qt::ApplicationModal);
        QCOMPARE(options.button(1)->text(), QStringLiteral("Change now"));
        QCOMPARE(options.button(2)->text(), QStringLiteral("Refill Scrubber"));
        QCOMPARE(options.button(3)->text(), QStringLiteral("Change Batteries"));
        int count = 0;
        for (const OptionBox& option : optionBoxes()) {
            QCheckBox* box = options.box(option.number);
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
        QCOMPARE(options.findChildren<QGroupBox*>().size(), 9);
    }

    // The boxes and the slider show the simulation's options as it keeps them: ticking one
    // box of a pair unticks the other (every pair is checked with the options themselves),
    // and the slider sets the apply caption.
    void boxesAndSliderSendTheirActions() {
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

        QCOMPARE(loggedLines(d.run.log),
                 (QStringList{"0 click Command2", "0 check Options.Check5",
                              "0 check Options.Check4", "0 uncheck Options.Check4"}));

        QSlider* slider = d.options().slider();
        QCOMPARE(slider->minimum(), 0);
        QCOMPARE(slider->maximum(), 15);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(d.run.simulation.optionsDialog().delayMinutes(), 5);
        QCOMPARE(d.options().button(1)->text(), QStringLiteral("Change in 5 minutes"));
        QVERIFY(loggedLines(d.run.log).contains("0 set Options.Slider1 5"));
        QTest::keyClick(slider, Qt::Key_Home);
        QCOMPARE(d.options().button(1)->text(), QStringLiteral("Change Now"));
        QCOMPARE(d.lastLogged(), QStringLiteral("0 set Options.Slider1 0"));
    }

    // Refill and batteries act at once and keep the window open; applying starts the option
    // timer and hides it.
    void theButtonsActAndApplyingHides() {
        DialogRun d;
        d.run.simulation.state().ScrubberMinutes = 90;
        d.run.simulation.state().LeftHandset.BatteryVolts = 5.4;
        d.run.runUntil(1000);
        d.run.click("Command2");
        d.click(d.options().button(2));
        QCOMPARE(d.run.simulation.state().ScrubberMinutes, 0.0);
        d.click(d.options().button(3));
        QCOMPARE(d.run.simulation.state().LeftHandset.BatteryVolts, 6.3);
        QVERIFY(d.options().isVisible());
        QVERIFY(d.isOpen("Options"));

        d.click(d.options().box(3));
        QVERIFY(!d.run.simulation.clock().timer("OptionTimer").enabled());
        d.click(d.options().button(1));
        QVERIFY(d.run.simulation.clock().timer("OptionTimer").enabled());
        QCOMPARE(d.run.simulation.state().OptionsSetTime, 1000u);
        QVERIFY(!d.isOpen("Options"));
        QVERIFY(!d.options().isVisible());
        QCOMPARE(d.lastLogged(), QStringLiteral("1 click Options.Command1"));
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
        QCOMPARE(d.lastLogged(), QStringLiteral("0 click Options.Close"));
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

    // The bail-out window refuses to close, leaves the main window usable, returns to the
    // loop, and its exit ends the session without saving.
    void theBailoutWindowReturnsToTheLoopOrEnds() {
        DialogRun d;
        std::vector<Ending> endings;
        QObject::connect(&d.run.window, &MainWindow::endingRequested,
                         [&endings](Ending ending) { endings.push_back(ending); });
        d.run.click("Image20");
        QVERIFY(d.isOpen("Bailout"));
        BailoutWindow& bailout = d.dialogs.bailout();
        QVERIFY(bailout.isVisible());
        QVERIFY(!bailout.isModal());
        QVERIFY(bailout.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!bailout.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(wrongCaptions(bailout, {{"Label1", "Bailed !"}}), QStringList());
        QCOMPARE(bailout.returnButton()->text(), QStringLiteral("&Return to Loop"));
        QCOMPARE(bailout.exitButton()->text(), QStringLiteral("E&xit"));

        QVERIFY(!bailout.close());
        QTest::keyClick(&bailout, Qt::Key_Escape);
        QVERIFY(bailout.isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        d.run.click("Image7");
        QCOMPARE(d.run.simulation.state().OxygenValve, ValveState::Open);
        d.run.runUntil(5000);
        QVERIFY(bailout.isVisible());

        d.click(bailout.returnButton());
        QVERIFY(!d.isOpen("Bailout"));
        QVERIFY(!bailout.isVisible());
        QCOMPARE(d.lastLogged(), QStringLiteral("5 click Bailout.Return"));
        QVERIFY(endings.empty());

        d.run.click("Image20");
        d.click(bailout.exitButton());
        QCOMPARE(d.run.simulation.dialogs().ending(), Ending::WithoutSaving);
        QVERIFY(endings == std::vector<Ending>{Ending::WithoutSaving});
    }

    // The simulation runs on while the prompt is open; an answer types its value, a cancel
    // changes nothing.
    void thePromptAnswersOrCancels() {
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
        d.run.runUntil(4000);
        QCOMPARE(d.run.simulation.now(), 4000);
        prompt->setTextValue(QStringLiteral("50"));
        d.run.wall.now = 4500;
        prompt->reject();
        QVERIFY(!d.run.simulation.dialogs().prompt());
        QCOMPARE(d.run.simulation.state().OxygenAnalysis, 100.0);
        QCOMPARE(d.lastLogged(), QStringLiteral("4.5 cancel"));
        QVERIFY(!d.dialogs.openPrompt());

        QTest::mouseDClick(d.run.element("Label3"), Qt::LeftButton);
        auto* edit = d.dialogs.openPrompt()->findChild<QLineEdit*>();
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("32"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!d.run.simulation.dialogs().prompt());
        QCOMPARE(d.run.simulation.state().OxygenAnalysis, 32.0);
        QCOMPARE(d.lastLogged(), QStringLiteral("4.5 answer 32"));
        QVERIFY(!d.dialogs.openPrompt());
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
        QCOMPARE(d.lastLogged(), QStringLiteral("0 click BugReport.Command2"));

        d.run.click("Command3");
        QCOMPARE(d.bugReportsMade, 2);
        d.dialogs.bugReport()->reject();
        QVERIFY(!d.isOpen("BugReport"));
        QCOMPARE(d.lastLogged(), QStringLiteral("0 click BugReport.Close"));
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
