// What helps a newcomer find the way round the unit: the typed-value prompts saying what
// they take and refusing what is not a number, the tooltips, the keyboard shortcuts going the
// same way as clicks, the Help window and the About box, and the valves' state in view.
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <memory>

#include "TestMain.h"
#include "WindowFixtures.h"

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

  private:
    std::unique_ptr<WindowSession> s;
};

LOOPSIM_TEST_MAIN(UnitHelpTest)
#include "UnitHelpTest.moc"
