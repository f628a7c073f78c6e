// Every window on the screen it opens on, run once for each screen size and scale factor the
// build lists (the offscreen platform's screen from a configuration file, QT_SCALE_FACTOR):
// each window lies within the screen's available area, its title and buttons in full view,
// and the text that does not fit scrolls.
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "TestMain.h"
#include "WindowFixtures.h"
#include "app/dialogs/HelpWindow.h"
#include "app/results/ResultsViewer.h"
#include "app/window/PictureFiles.h"
#include "app/window/UnitLayout.h"

using namespace loopsim;
using namespace loopsim::test;

namespace {

QString describe(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect available = window.screen()->availableGeometry();
    return QStringLiteral("%1x%2 at %3,%4 on %5x%6 at %7,%8, scale %9")
        .arg(frame.width())
        .arg(frame.height())
        .arg(frame.x())
        .arg(frame.y())
        .arg(available.width())
        .arg(available.height())
        .arg(available.x())
        .arg(available.y())
        .arg(window.devicePixelRatioF());
}

// The part lies wholly within its window and is drawn at its full size.
bool inFullView(const QWidget& part) {
    const QRect place(part.mapTo(part.window(), QPoint(0, 0)), part.size());
    const int wanted =
        part.hasHeightForWidth() ? part.heightForWidth(part.width()) : part.sizeHint().height();
    return part.isVisible() && part.window()->rect().contains(place) && part.height() >= wanted &&
           part.width() >= part.minimumSizeHint().width();
}

}  // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

  private slots:
    void theStartupWarningFitsWithItsTitleAndButtonsInView() {
        WindowSession s;
        StartupWarning warning(PictureFiles(runtimeFolder()), s.session.sound());
        warning.show();
        QVERIFY(QTest::qWaitForWindowExposed(&warning));
        const QString where = describe(warning);
        QVERIFY2(warning.screen()->availableGeometry().contains(warning.frameGeometry()),
                 qPrintable(where));
        for (const char* name : {"Title", "AcceptButton", "RefuseButton"}) {
            auto* part = warning.findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(part && inFullView(*part), qPrintable(where + " " + name));
        }

        // The text between them is all there: in view, or a scroll away.
        auto* scroll = warning.findChild<QScrollArea*>(QStringLiteral("WarningScroll"));
        QVERIFY(scroll);
        auto* text = warning.findChild<QLabel*>(QStringLiteral("WarningText"));
        const int below = text->mapTo(scroll->widget(), QPoint(0, text->height())).y();
        QVERIFY2(below <= scroll->viewport()->height() + scroll->verticalScrollBar()->maximum(),
                 qPrintable(where));
        QVERIFY2(text->height() >= text->heightForWidth(text->width()), qPrintable(where));
    }

    void theMainWindowFitsAndKeepsTheUnitsProportions() {
        WindowSession s;
        QVERIFY(s.start());
        s.at(0);
        MainWindow& window = s.window();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString where = describe(window);
        const QRect available = window.screen()->availableGeometry();
        QVERIFY2(available.contains(window.frameGeometry()), qPrintable(where));

        // The unit fills its panel with little room to spare, and most of the screen.
        const QSize panel = window.unit().size();
        const double unitWidth = kUnitWidth * window.unit().scale();
        const double unitHeight = kUnitHeight * window.unit().scale();
        QVERIFY2(unitWidth >= 0.97 * panel.width() && unitHeight >= 0.97 * panel.height(),
                 qPrintable(where));
        QVERIFY2(unitWidth >= 0.75 * available.width() || unitHeight >= 0.6 * available.height(),
                 qPrintable(where));
    }

    // The Help window and the results viewer, with and without a debrief, open within the
    // screen too.
    void theHelpWindowAndTheResultsViewerFit() {
        WindowSession s;
        HelpWindow help;
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QVERIFY2(help.screen()->availableGeometry().contains(help.frameGeometry()),
                 qPrintable(describe(help)));

        QVERIFY(writeFile(kRecordingFileName, recordingFile(steadyLines(3))));
        ResultsViewer viewer(s.files, s.messages);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QVERIFY2(viewer.screen()->availableGeometry().contains(viewer.frameGeometry()),
                 qPrintable(describe(viewer)));
    }
};

LOOPSIM_TEST_MAIN(WindowFitTest)
#include "WindowFitTest.moc"
