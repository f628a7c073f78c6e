// The main window and its dialogs in a running session: the unit's elements under their
// names, the mouse, the boxes, the slider and the buttons becoming the unit's actions, what
// the windows then show as the simulation has it, and how the unit scales. What the actions
// do to the simulation is the plain layers' to test; captions are in windows.txt.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSlider>
#include <QtTest>
#include <memory>

#include "TestMain.h"
#include "WindowFixtures.h"
#include "app/dialogs/BailoutWindow.h"
#include "app/dialogs/BugReport.h"
#include "app/dialogs/BugReportForm.h"
#include "app/dialogs/OptionsWindow.h"
#include "app/window/ElementKinds.h"

using namespace loopsim;
using namespace loopsim::test;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        s = std::make_unique<WindowSession>();
        QVERIFY(s->start());
    }
    void cleanup() { s.reset(); }

    // Every element the unit routes input to or shows is drawn under its name.
    void everyElementOfTheUnitIsThere() {
        const auto drawn = [this](const std::string& name) {
            return name.find('.') != std::string::npos || s->element(name.c_str());
        };
        for (const auto& [name, handlers] : s->simulation().input().elements())
            QVERIFY2(drawn(name), name.c_str());
        for (const auto& [name, view] : s->simulation().view().elements())
            QVERIFY2(drawn(name), name.c_str());
    }

    // Presses, releases, clicks, double clicks and moves reach the unit in the order the user
    // made them, and the handset shows what the unit then says: its picture while a button
    // is held, its display's lines.
    void mouseEventsBecomeTheUnitsActions() {
        auto* picture = s->element<PictureElement>("Image2");
        s->wall.now = 500;
        s->click("LHOO");
        QCOMPARE(picture->pictureName(), std::string("\\HSOn.jpg"));
        QTest::mousePress(s->element("Label9"), Qt::LeftButton);
        QCOMPARE(picture->pictureName(), std::string("\\HSRight.jpg"));
        QTest::mouseRelease(s->element("Label9"), Qt::LeftButton);
        QCOMPARE(picture->pictureName(), std::string("\\HSOn.jpg"));
        // Moves go only where the unit listens for them.
        QTest::mouseMove(s->element("Label18"));
        QTest::mouseMove(s->element("Label8"));
        QCOMPARE(picture->pictureName(), std::string("\\HSLineOuters.jpg"));
        s->wall.now = 1000;
        s->click("Label8");
        // The turn-on click holds the unit for two seconds; then the start-up banner shows.
        s->at(3000);
        QCOMPARE(s->element<DisplayElement>("Label14")->lines(),
                 (TwoLines{"  K.T.Varnel", "Calvendrite"}));
        // What the window system delivers for a double click: a click, the double-click
        // event in place of the second press, then its release.
        QTest::mouseClick(s->element("Label3"), Qt::LeftButton);
        QTest::mouseDClick(s->element("Label3"), Qt::LeftButton);
        QTest::mouseRelease(s->element("Label3"), Qt::LeftButton);
        QCOMPARE(s->actions(),
                 (QStringList{"0.5 press LHOO", "0.5 release LHOO", "0.5 click LHOO",
                              "0.5 press Label9", "0.5 release Label9", "0.5 click Label9",
                              "0.5 move Label18", "1 press Label8", "1 release Label8",
                              "1 click Label8", "3 press Label3", "3 release Label3",
                              "3 click Label3", "3 dblclick Label3", "3 release Label3"}));
        QVERIFY(s->dialogs().openPrompt());
    }

    // A click redraws only what changed; elements show and hide as the view model has them.
    void theUnitShowsWhatTheViewModelSays() {
        s->at(0);
        QCOMPARE(s->window().lastRedrawCount(), 0);
        auto* badge = s->element<StateLabelElement>("Label6");
        s->click("Image7");
        QVERIFY(badge->isVisible());
        QCOMPARE(badge->text(), QStringLiteral("OPEN"));
        QCOMPARE(s->window().lastRedrawCount(), 1);
        s->at(3100);
        QVERIFY(badge->isHidden());
        s->click("Image10");
        QVERIFY(s->element("Image9")->isVisible());
        QCOMPARE(s->element<ReadoutElement>("Label1")->text(), QStringLiteral("1"));
        // Check boxes send their ticks.
        auto* sound = s->element<QCheckBox>("Check1");
        sound->click();
        QCOMPARE(s->state().SoundEnabled, 0);
        QVERIFY(!sound->isChecked());
        s->element<QCheckBox>("ADVOn")->click();
        QVERIFY(s->element("Image17")->isHidden());
        QCOMPARE(s->actions().mid(s->actions().size() - 2),
                 (QStringList{"3.1 uncheck Check1", "3.1 uncheck ADVOn"}));
        // A box does not tick itself: during the handset's turn-on hold the tick waits, and the
        // box shows it once the simulation has taken it.
        s->click("LHOO");
        s->click("Label8");
        sound->click();
        QVERIFY(!sound->isChecked());
        s->at(5200);
        QVERIFY(sound->isChecked());
    }

    // The unit scales as a whole, keeping its proportions, whichever side limits it; the
    // regulator moves to where the view model puts it.
    void theUnitScalesWithTheWindowKeepingItsProportions() {
        UnitView& unit = s->window().unit();
        for (QSize size : {QSize(2176, 1400), QSize(1600, 700)}) {
            unit.resize(size);
            const double scale = unit.scale();
            QCOMPARE(scale, std::min(size.width() / 16320.0, size.height() / 9960.0));
            QVERIFY(qAbs(s->element("Label14")->width() - 3735 * scale) <= 1);
            QVERIFY(qAbs(s->element("Label15")->x() - s->element("Label14")->x() - 6120 * scale) <=
                    1);
        }
        auto* regulator = s->element<PictureElement>("Image19");
        s->click("Image19");
        QCOMPARE(regulator->geometry(), unit.toPixels({6120, 1200, 1080, 1800}));
        QCOMPARE(regulator->pictureName(), std::string("RegulatorLarge.jpg"));
    }

    // The options window shows the options as the simulation keeps them (a tick of one box
    // of a pair unticks the other) and sends every tick, slider move and button.
    void theOptionsWindowSendsItsChangesAndShowsTheOptions() {
        s->click("Command2");
        OptionsWindow& options = s->dialogs().options();
        QVERIFY(options.isVisible());
        QCOMPARE(options.windowModality(), Qt::ApplicationModal);
        clickNearTheLeftEdge(options.box(5));
        clickNearTheLeftEdge(options.box(4));
        QVERIFY(options.box(4)->isChecked());
        QVERIFY(!options.box(5)->isChecked());
        QTest::keyClick(options.slider(), Qt::Key_End);
        QCOMPARE(options.button(1)->text(), QStringLiteral("Change in 15 minutes"));
        for (int button : {2, 3, 1})
            clickNearTheLeftEdge(options.button(button));
        QVERIFY(!options.isVisible());
        // The close box and Esc close it too, applying nothing.
        s->click("Command2");
        QVERIFY(!options.close());
        QVERIFY(!options.isVisible());
        s->click("Command2");
        QTest::keyClick(&options, Qt::Key_Escape);
        QVERIFY(!options.isVisible());
        QCOMPARE(
            s->actions(),
            (QStringList{"0 click Command2", "0 check Options.Check5", "0 check Options.Check4",
                         "0 set Options.Slider1 15", "0 click Options.Command2",
                         "0 click Options.Command3", "0 click Options.Command1", "0 click Command2",
                         "0 click Options.Close", "0 click Command2", "0 click Options.Close"}));
    }

    // The bail-out window refuses to close, stays on top and leaves the main window usable
    // until its Return is clicked.
    void theBailoutWindowStaysUntilReturn() {
        s->click("Image20");
        BailoutWindow& bailout = s->dialogs().bailout();
        QVERIFY(bailout.isVisible());
        QVERIFY(!bailout.isModal());
        QVERIFY(bailout.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!bailout.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!bailout.close());
        QTest::keyClick(&bailout, Qt::Key_Escape);
        QVERIFY(bailout.isVisible());
        s->at(2000);
        s->click("Image7");
        QCOMPARE(s->actions().last(), QStringLiteral("2 click Image7"));
        s->click(bailout.returnButton());
        QVERIFY(!bailout.isVisible());
        QCOMPARE(s->actions().last(), QStringLiteral("2 click Bailout.Return"));
    }

    // The form the session opens is modal; the simulation hears which way it closed.
    void theBugReportFormTellsHowItClosed() {
        s->click("Command3");
        QDialog* form = s->dialogs().bugReport();
        QVERIFY(form && form->isVisible());
        QCOMPARE(form->windowModality(), Qt::ApplicationModal);
        s->click(form->findChild<QPushButton*>("Command2"));
        QVERIFY(!s->dialogs().bugReport());
        QCOMPARE(s->actions().last(), QStringLiteral("0 click BugReport.Command2"));
        s->click("Command3");
        s->dialogs().bugReport()->reject();
        QCOMPARE(s->actions().last(), QStringLiteral("0 click BugReport.Close"));
    }

    // The report joins address, description, severity and version; the mail carries it as
    // its body, every character outside the unreserved ones encoded, line breaks as CR LF. A
    // refused mail keeps the form open with the report on the clipboard and says how to send
    // it; Manual Send puts the report on the clipboard. Tab leaves the description.
    void theBugReportGoesByMailOrByTheClipboard() {
        QList<QUrl> mails;
        programSettings().setValue("Settings/SupportAddress", " help@training.example.net ");
        BugReportForm form(supportAddress(programSettings()), s->messages, nullptr,
                           [&mails](const QUrl& url) {
                               mails.append(url);
                               return mails.size() > 1;
                           });
        form.show();
        QVERIFY(!form.sessionLogBox());
        const QString version = StartupWarning::versionText();
        QCOMPARE(form.reportText(), "help@training.example.net ||  ||  || " + version);
        auto* description = form.findChild<QPlainTextEdit*>("Text1");
        QApplication::setActiveWindow(&form);
        description->setFocus();
        QTest::keyClick(description, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.findChild<QComboBox*>("Combo1"));
        description->setPlainText(QStringLiteral("Stuck & open\n#1 \u00fc"));
        form.findChild<QComboBox*>("Combo1")->setEditText(QStringLiteral("typed"));
        QVERIFY(form.reportText().endsWith(" || typed || " + version));
        form.findChild<QComboBox*>("Combo1")->setCurrentIndex(1);
        const QString report = form.reportText();
        QCOMPARE(report,
                 "help@training.example.net || Stuck & open\n#1 \u00fc || 4 Major. "
                 "Program difficult to use || " +
                     version);
        s->messages.texts.clear();
        QGuiApplication::clipboard()->clear();
        form.findChild<QPushButton*>("Command1")->click();
        QCOMPARE(s->messages.texts,
                 QStringList{
                     QStringLiteral("%1\n\n%2").arg(kMailFailureMessage, kNoMailProgramMessage)});
        QCOMPARE(QGuiApplication::clipboard()->text(), report);
        QVERIFY(form.isVisible());
        form.findChild<QPushButton*>("Command1")->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(mails.last().toEncoded(),
                 "mailto:help@training.example.net?subject=TarvenLoopSIm%20Bug%20Report&body="
                 "help%40training.example.net%20%7C%7C%20Stuck%20%26%20open%0D%0A%231%20%C3%BC%20"
                 "%7C%7C%204%20Major.%20Program%20difficult%20to%20use%20%7C%7C%20" +
                     QUrl::toPercentEncoding(version));

        form.show();
        QGuiApplication::clipboard()->clear();
        form.findChild<QPushButton*>("Command2")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), report);
        QCOMPARE(s->messages.texts.last(), QString::fromLatin1(kManualSendMessage));
        QVERIFY(!form.isVisible());
    }

    // With no address set there is none in the report (never a made-up one), and the form
    // says so; the session log goes with the report only when its box is ticked.
    void theBugReportNamesNoAddressItWasNotGivenAndSendsTheLogOnlyWhenAsked() {
        QVERIFY(writeFile("session.scenario", "# a log\n1 click Image7\n"));
        BugReportForm form(
            supportAddress(programSettings()), s->messages, nullptr,
            [](const QUrl&) { return false; }, QStringLiteral("session.scenario"));
        QCOMPARE(supportAddress(programSettings()), QString());
        QVERIFY(form.findChild<QLabel*>("Label3")->text().endsWith(kNoSupportAddressText));
        const QString plain = " || " + StartupWarning::versionText();
        QCOMPARE(form.reportText(), " || " + plain);
        form.sessionLogBox()->setChecked(true);
        QCOMPARE(form.reportText(), " || " + plain + "\n\nSession log:\n# a log\n1 click Image7\n");
        form.findChild<QPushButton*>("Command2")->click();
        QVERIFY(s->messages.texts.last().endsWith(kNoSupportAddressText));
    }

  private:
    std::unique_ptr<WindowSession> s;
};

LOOPSIM_TEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
