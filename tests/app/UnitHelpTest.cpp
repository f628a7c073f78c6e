// What helps a newcomer find the way round the unit: the typed-value prompts saying what
// they take and refusing what is not a number, the tooltips, the keyboard shortcuts going the
// same way as clicks, the Help window and the About box, and the valves' state in view.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "TestMain.h"
#include "WindowFixtures.h"
#include "app/dialogs/HelpWindow.h"
#include "app/window/ElementKinds.h"
#include "app/window/UnitKeys.h"
#include "app/window/ValveStateBadge.h"

using namespace loopsim;
using namespace loopsim::test;

class UnitHelpTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        s = std::make_unique<WindowSession>();
        QVERIFY(s->start());
        s->at(0);
    }
    void cleanup() { s.reset(); }

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
        QCOMPARE(keyNameFor("Label8"), QStringLiteral("Q"));
        QCOMPARE(keyNameFor("Image10"), QStringLiteral("PgDown"));
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
        QCOMPARE(s->actions(),
                 (QStringList{"0 press Image7", "0 release Image7", "0 click Image7",
                              "0 press LHOO", "0 release LHOO", "0 click LHOO", "0.5 press Image8",
                              "1.5 release Image8", "1.5 click Image8"}));
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
        for (const char* part :
             {"Quick start", "Switch on", "Answer the start-up questions", "Calibrate",
              "Check the setpoints", "Breathe from the loop", "Descend", "Two buttons at once",
              "Both outer buttons", "Both right buttons"})
            QVERIFY2(page.contains(QString::fromLatin1(part)), part);
        for (const UnitKey& key : unitKeys())
            QVERIFY2(page.contains(keyNameFor(key.element) + "\n" + QString::fromLatin1(key.what)),
                     key.what);

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

LOOPSIM_TEST_MAIN(UnitHelpTest)
#include "UnitHelpTest.moc"
