// Every window on the screen it opens on, run once for each screen size and scale factor the
// build lists (the offscreen platform's screen from a configuration file, QT_SCALE_FACTOR):
// each window lies within the screen's available area, its title and buttons in full view,
// and the text that does not fit scrolls.
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "WindowFixtures.h"
#include "app/dialogs/HelpWindow.h"
#include "app/results/ResultsViewer.h"
#include "app/window/PictureFiles.h"
#include "app/window/UnitLayout.h"

using namespace loopsim;
using namespace loopsim::test;

namespace {

// Whether the window, shown, lies within its screen's available area; if not, where it is.
QByteArray notOnItsScreen(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return "not shown";
    const QRect frame = window.frameGeometry();
    const QRect available = window.screen()->availableGeometry();
    if (available.contains(frame))
        return {};
    return QStringLiteral("%1x%2 at %3,%4 on %5x%6 at %7,%8, scale %9")
        .arg(frame.width())
        .arg(frame.height())
        .arg(frame.x())
        .arg(frame.y())
        .arg(available.width())
        .arg(available.height())
        .arg(available.x())
        .arg(available.y())
        .arg(window.devicePixelRatioF())
        .toUtf8();
}
#define LOOPSIM_VERIFY_ON_SCREEN(window) \
    QVERIFY2(notOnItsScreen(window).isEmpty(), notOnItsScreen(window).constData())

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
        LOOPSIM_VERIFY_ON_SCREEN(warning);
        for (const char* name : {"Title", "AcceptButton", "RefuseButton"}) {
            auto* part = warning.findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(part && inFullView(*part), name);
        }

        // The text between them is all there: in view, or a scroll away.
        auto* scroll = warning.findChild<QScrollArea*>(QStringLiteral("WarningScroll"));
        QVERIFY(scroll);
        auto* text = warning.findChild<QLabel*>(QStringLiteral("WarningText"));
        const int below = text->mapTo(scroll->widget(), QPoint(0, text->height())).y();
        QVERIFY(below <= scroll->viewport()->height() + scroll->verticalScrollBar()->maximum());
        QVERIFY(text->height() >= text->heightForWidth(text->width()));
    }

    // The main window, the Help window and the results viewer open within the screen too;
    // the unit fills its panel with little room to spare, and most of the screen.
    void theOtherWindowsFitAndTheUnitKeepsItsProportions() {
        {
            WindowSession s;
            QVERIFY(s.start());
            s.at(0);
            MainWindow& window = s.window();
            LOOPSIM_VERIFY_ON_SCREEN(window);
            const QSize panel = window.unit().size();
            const QRect available = window.screen()->availableGeometry();
            const double unitWidth = kUnitWidth * window.unit().scale();
            const double unitHeight = kUnitHeight * window.unit().scale();
            QVERIFY(unitWidth >= 0.97 * panel.width() && unitHeight >= 0.97 * panel.height());
            QVERIFY(unitWidth >= 0.75 * available.width() ||
                    unitHeight >= 0.6 * available.height());
        }
        // Each of the others as it opens, the main window gone.
        WindowSession s;
        HelpWindow help;
        LOOPSIM_VERIFY_ON_SCREEN(help);
        QVERIFY(writeFile(kRecordingFileName, recordingFile(steadyLines(3))));
        ResultsViewer viewer(s.files, s.messages);
        LOOPSIM_VERIFY_ON_SCREEN(viewer);
    }
};

LOOPSIM_TEST_MAIN(WindowFitTest)
#include "WindowFitTest.moc"
