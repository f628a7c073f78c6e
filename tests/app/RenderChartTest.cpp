// loopsim --render-chart, run as a separate program the way scripts use it.
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "RecordingFiles.h"
#include "app/results/ChartRender.h"

using namespace loopsim;
using namespace loopsim::test;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray errors;
};

Run runLoopsim(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(LOOPSIM_PROGRAM), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), process.readAllStandardError()};
}

}  // namespace

class RenderChartTest : public QObject {
    Q_OBJECT

  private slots:
    void rendersARecordingIntoAPngOfTheChartSize() {
        QTemporaryDir folder;
        const QString recording = folder.filePath("run.csv");
        const QString image = folder.filePath("run.png");
        QList<QByteArray> lines = steadyLines(30);
        lines[9] += "\"ADV Manually operated\"";
        QVERIFY(writeFile(recording, recordingFile(lines)));

        QCOMPARE(runLoopsim({"--render-chart", recording, image}).exitCode, 0);
        const QImage png(image);
        QCOMPARE(png.size(), kRenderedChartSize);
        // Something is drawn: the real PO2 line's blue is there.
        bool blue = false;
        for (int y = 0; y < png.height() && !blue; ++y) {
            for (int x = 0; x < png.width() && !blue; ++x)
                blue = png.pixelColor(x, y) == QColor(0x1f, 0x5f, 0xbf);
        }
        QVERIFY(blue);
    }

    void aFileThatIsNoRecordingGivesNoImage() {
        QTemporaryDir folder;
        const QString recording = folder.filePath("notes.csv");
        QVERIFY(writeFile(recording, "just,some,numbers\r\n1,2,3\r\n"));
        const Run run = runLoopsim({"--render-chart", recording, folder.filePath("out.png")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.errors.contains("not a recording file"));
        QVERIFY(!QFile::exists(folder.filePath("out.png")));
    }

    void wrongArgumentsShowTheUsage() {
        const Run run = runLoopsim({"--render-chart", "only-one.csv"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.errors.contains("usage: loopsim"));
    }
};

QTEST_MAIN(RenderChartTest)
#include "RenderChartTest.moc"
