// The main window and its dialogs in a running session: the unit's elements under their
// names, the mouse, the keys, the boxes, the slider and the buttons becoming the unit's
// actions, what the windows then show as the simulation has it, and how the unit scales; what
// helps a newcomer find the way: the prompts saying what they take and refusing what is not a
// number, the tooltips, the Help window and the valves' state in view. What the actions do to
// the simulation is the plain layers' to test; captions are in windows.txt.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "WindowFixtures.h"
#include "app/dialogs/BailoutWindow.h"
#include "app/dialogs/BugReport.h"
#include "app/dialogs/BugReportForm.h"
#include "app/dialogs/HelpWindow.h"
#include "app/dialogs/OptionsWindow.h"
#include "app/window/ElementKinds.h"
#include "app/window/UnitKeys.h"
#include "app/window/ValveStateBadge.h"

using namespace loopsim;
using namespace loopsim::test;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        s = std::make_unique<WindowSession>();
        QVERIFY(s->start());
        s->at(0);
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
        LOOPSIM_COMPARE_GOLDEN(asText(s->actions()), "window-mouse-actions.txt");
        QVERIFY(s->dialogs().openPrompt());
    }

    // A click redraws only what changed; elements show and hide as the view model has them.
    void theUnitShowsWhatTheViewModelSays() {
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
        LOOPSIM_COMPARE_GOLDEN(asText(s->actions()), "window-options-actions.txt");
    }

    // The bail-out window refuses to close, stays on top, opens clear of both handsets and
    // leaves the main window usable until its Return, the default button, is clicked.
    void theBailoutWindowStaysUntilReturn() {
        s->click("Image20");
        BailoutWindow& bailout = s->dialogs().bailout();
        QVERIFY(bailout.isVisible());
        QVERIFY(!bailout.isModal());
        QVERIFY(bailout.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!bailout.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(bailout.returnButton()->isDefault() && !bailout.exitButton()->isDefault());
        UnitView& unit = s->window().unit();
        const QRect handsets = unit.toPixels({960, 1200, 4680 + 6120, 3720})
                                   .translated(unit.mapToGlobal(QPoint(0, 0)));
        QVERIFY(!bailout.frameGeometry().intersects(handsets));
        QVERIFY(!bailout.close());
        QTest::keyClick(&bailout, Qt::Key_Escape);
        QVERIFY(bailout.isVisible());
        s->at(2000);
        s->click("Image7");
        QCOMPARE(s->actions().last(), QStringLiteral("2 click Image7"));
        QTest::keyClick(&bailout, Qt::Key_Return);
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
    // it; Manual Send puts the report on the clipboard. Tab leaves the description. What the
    // form gives at each step is in window-bug-report.txt.
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
        auto* description = form.findChild<QPlainTextEdit*>("Text1");
        auto* severity = form.findChild<QComboBox*>("Combo1");
        QApplication::setActiveWindow(&form);
        description->setFocus();
        QTest::keyClick(description, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), severity);
        QStringList said{"report " + form.reportText()};
        description->setPlainText(QStringLiteral("Stuck & open\n#1 \u00fc"));
        severity->setEditText(QStringLiteral("typed"));
        said << "report " + form.reportText();
        severity->setCurrentIndex(1);
        s->messages.texts.clear();
        for (const char* button : {"Command1", "Command1", "Command2"}) {
            QGuiApplication::clipboard()->clear();
            form.show();
            clickButton(form, button);
            said << QStringLiteral("-- %1, form %2")
                        .arg(button, form.isVisible() ? "open" : "closed")
                 << "mails " + QString::fromUtf8(mails.isEmpty() ? "" : mails.last().toEncoded())
                 << "clipboard " + QGuiApplication::clipboard()->text() << s->messages.texts;
            s->messages.texts.clear();
        }
        const QString version = StartupWarning::versionText();
        for (QString& line : said)
            line.replace(QUrl::toPercentEncoding(version), "VERSION").replace(version, "VERSION");
        LOOPSIM_COMPARE_GOLDEN(asText(said), "window-bug-report.txt");
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
        clickButton(form, "Command2");
        QVERIFY(s->messages.texts.last().endsWith(kNoSupportAddressText));
    }

    // Each prompt names its unit and range and is wide enough for its title; text that is not
    // a number is refused with a message and sends nothing, a number goes to the unit.
    void aPromptSaysWhatItTakesAndRefusesWhatIsNotANumber() {
        const struct {
            const char* element;
            bool doubleClick;
            const char* range;
            const char* typed;
            const char* answer;
        } rows[] = {
            {"Label2", false, "750 to 1050 millibars", "990", "0 answer 990"},
            {"Label3", true, "0 to 99 percent", "32", "0 answer 32"},
            {"Label4", false, "0 to 20 litres per minute", "1.5", "0 answer 1.5"},
        };
        for (const auto& row : rows) {
            if (row.doubleClick)
                QTest::mouseDClick(s->element(row.element), Qt::LeftButton);
            else
                s->click(row.element);
            QInputDialog* prompt = s->dialogs().openPrompt();
            QVERIFY2(prompt, row.element);
            QVERIFY2(prompt->labelText().contains(row.range), qPrintable(prompt->labelText()));
            // The title with room beside it for the title bar's icon and buttons.
            QVERIFY(prompt->width() >=
                    prompt->fontMetrics().horizontalAdvance(prompt->windowTitle()) + 150);

            auto* edit = prompt->findChild<QLineEdit*>();
            const qsizetype logged = s->actions().size();
            for (const char* wrong : {"abc", "", "12 mb"}) {
                edit->setText(QString::fromLatin1(wrong));
                QTest::keyClick(edit, Qt::Key_Return);
                QCOMPARE(s->dialogs().openPrompt(), prompt);
                QVERIFY2(prompt->labelText().endsWith(
                             QStringLiteral("\"%1\" is not a number: type a number.").arg(wrong)),
                         qPrintable(prompt->labelText()));
            }
            QCOMPARE(s->actions().size(), logged);
            edit->setText(QString::fromLatin1(row.typed));
            QTest::keyClick(edit, Qt::Key_Return);
            QVERIFY(!s->dialogs().openPrompt());
            QCOMPARE(s->actions().last(), QString::fromLatin1(row.answer));
        }
    }

    // Every control of the unit says what it does; those with a key name it.
    void everyControlHasATooltipNamingItsKey() {
        for (const auto& [name, handlers] : s->simulation().input().elements()) {
            QWidget* widget = s->element(name.c_str());
            const bool control = handlers.press || handlers.click || handlers.dblclick ||
                                 qobject_cast<QCheckBox*>(widget) != nullptr;
            if (!widget || !control)
                continue;
            QVERIFY2(!widget->toolTip().isEmpty(), name.c_str());
            const QString key = keyNameFor(name);
            QVERIFY2(
                key.isEmpty() || widget->toolTip().endsWith(QStringLiteral(" (key %1)").arg(key)),
                qPrintable(widget->toolTip()));
        }
    }

    // A key goes down and up as the mouse button does on its element: the same actions in
    // the log, and the same effect on the unit. Keys of hidden elements and keys with a
    // modifier send nothing; a held key's repeats send nothing more.
    void aKeyActsAsAClickOnItsElement() {
        MainWindow& window = s->window();
        QTest::keyClick(&window, Qt::Key_1);
        QCOMPARE(s->state().OxygenValve, ValveState::Open);
        QTest::keyClick(&window, Qt::Key_Z);
        QTest::keyClick(&window, Qt::Key_PageUp);  // the ascend arrow is hidden at the surface
        QTest::keyClick(&window, Qt::Key_3, Qt::ControlModifier);
        s->at(500);
        QTest::keyPress(&window, Qt::Key_6);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_6, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&window, &repeat);
        s->at(1500);
        QTest::keyRelease(&window, Qt::Key_6);
        LOOPSIM_COMPARE_GOLDEN(asText(s->actions()), "window-key-actions.txt");
    }

    // F1 and the Help button open the Help window: the quick start, the gestures and every
    // key; its About box gives the version.
    void helpOpensOnF1AndTheButtonWithTheAboutBox() {
        MainWindow& window = s->window();
        auto* help = window.findChild<HelpWindow*>(QStringLiteral("HelpWindow"));
        QVERIFY(help && !help->isVisible());
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        QVERIFY(help->isVisible());
        help->close();
        s->click(window.findChild<QPushButton*>(QStringLiteral("HelpButton")));
        QVERIFY(help->isVisible());

        const QString page = help->findChild<QTextBrowser*>()->toPlainText();
        LOOPSIM_COMPARE_GOLDEN(page.toUtf8() + '\n', "window-help-page.txt");

        s->click(help->findChild<QPushButton*>(QStringLiteral("AboutButton")));
        auto* about = help->findChild<QMessageBox*>(QStringLiteral("AboutBox"));
        QVERIFY(about && about->isVisible());
        QVERIFY(about->text().contains(StartupWarning::versionText()));
        QVERIFY(s->actions().isEmpty());
    }

    // Each valve's state stays in view under its cylinder after the unit's badge has gone,
    // and lets the pointer through to what lies under it.
    void eachValvesStateStaysInView() {
        const auto lasting = [this](const char* badge) {
            return s->window().findChild<ValveStateBadge*>(QString::fromLatin1(badge) + "State");
        };
        for (const char* badge : {"Label6", "Label7"}) {
            QVERIFY(lasting(badge) && lasting(badge)->isVisible());
            QCOMPARE(lasting(badge)->text(), QStringLiteral("OFF"));
            QCOMPARE(lasting(badge)->geometry(), s->element(badge)->geometry());
            QVERIFY(lasting(badge)->testAttribute(Qt::WA_TransparentForMouseEvents));
        }
        s->click("Image7");
        s->at(3100);
        QVERIFY(s->element("Label6")->isHidden());
        QCOMPARE(lasting("Label6")->text(), QStringLiteral("OPEN"));
        QCOMPARE(lasting("Label7")->text(), QStringLiteral("OFF"));
        s->click("Image7");
        QCOMPARE(lasting("Label6")->text(), QStringLiteral("OFF"));
    }

  private:
    std::unique_ptr<WindowSession> s;
};

LOOPSIM_TEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
