// The results viewer against recording files in a temporary current folder, what its chart
// takes from a recording table, and loopsim --render-chart run as scripts run it.
#include <QLineSeries>
#include <QProcess>
#include <QScatterSeries>
#include <QValueAxis>
#include <QtTest>
#include <memory>

#include "WindowFixtures.h"
#include "app/results/ChartData.h"
#include "app/results/ChartRender.h"
#include "app/results/RecordingChartView.h"
#include "app/results/ResultsViewer.h"

using namespace loopsim;
using namespace loopsim::test;

namespace {

const QList<QByteArray> kKnownRun = {
    "1,0.21,0.2,0,0.7,16,",
    "2,0.35,0.34,10,0.7,16,\"Left handset: left button\"",
    "3,1.25,1.3,21,1.3,16,\"Warning: High O2\"",
};

QList<QPointF> points(const QList<double>& values) {
    QList<QPointF> result;
    for (int i = 0; i < values.size(); ++i)
        result.append({i + 1.0, values[i]});
    return result;
}

QList<QByteArray> linesAfterTheFirst(const QByteArray& fileText) {
    return fileText.split('\n').mid(1);
}

}  // namespace

class ResultsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        folders = std::make_unique<TestFolders>();
        files = ScriptedFileChooser();
        messages = CollectedMessages();
    }
    void cleanup() { folders.reset(); }

    // Shown, the viewer stops the sounds and draws the recording of the current folder: four
    // series, the depth downwards, a marker at each status message's second.
    void drawsTheRecordingOfTheCurrentFolder() {
        QVERIFY(writeFile(kRecordingFileName, recordingFile(kKnownRun)));
        ResultsViewer viewer(files, messages);
        QSignalSpy stops(&viewer, &ResultsViewer::stopSoundChannel);
        viewer.show();
        QCOMPARE(QList<QVariantList>(stops), (QList<QVariantList>{{5}, {1}}));
        QCOMPARE(viewer.rowCount(), 3);
        RecordingChartView* chart = viewer.chart();
        QCOMPARE(chart->realPO2Series()->points(), points({0.21, 0.35, 1.25}));
        QCOMPARE(chart->handsetPO2Series()->points(), points({0.2, 0.34, 1.3}));
        QCOMPARE(chart->setpointSeries()->points(), points({0.7, 0.7, 1.3}));
        QCOMPARE(chart->depthSeries()->points(), points({0, -10, -21}));
        QCOMPARE(chart->eventSeries()->count(), 2);
        QCOMPARE(chart->eventSeries()->at(0).x(), 2.0);
        QCOMPARE(chart->eventSeries()->at(1).x(), 3.0);
        QVERIFY(chart->depthSeries()->attachedAxes().contains(chart->depthAxis()));
        QCOMPARE(chart->timeAxis()->max(), 3.0);
        QVERIFY(chart->depthAxis()->min() <= -21 && chart->po2Axis()->max() >= 1.3);

        files.answers = {QStringLiteral("chart.png")};
        viewer.findChild<QPushButton*>("SaveChartImage")->click();
        QCOMPARE(files.requests.back().kind, FileDialogKind::Save);
        QCOMPARE(QImage(QStringLiteral("chart.png")).size(), chart->size());
        QSignalSpy exits(&viewer, &ResultsViewer::exitRequested);
        viewer.findChild<QPushButton*>("Command1")->click();
        QCOMPARE(exits.size(), 1);
        QVERIFY(!viewer.isVisible());
    }

    // Saved after a shorter file than the last one, the file holds only the shorter one's
    // rows, as drawn: a value left empty or kept as text that is no number is not drawn.
    void savesTheRowsItShows() {
        QVERIFY(writeFile(kRecordingFileName, recordingFile(steadyLines(5))));
        const QList<QByteArray> shortRun = {"1,0.3,,2,1.3,16,",
                                            "2,\"0.4\",\"n/a\",3,1.3,16,\"Said \"\"stop\"\"\""};
        QVERIFY(writeFile("short.csv", recordingFile(shortRun)));
        ResultsViewer viewer(files, messages);
        viewer.open();
        QCOMPARE(viewer.rowCount(), 5);
        files.answers = {"short.csv", "saved.csv"};
        viewer.findChild<QPushButton*>("Command3")->click();
        viewer.findChild<QPushButton*>("Command2")->click();
        QCOMPARE(viewer.rowCount(), 2);
        QCOMPARE(viewer.chart()->realPO2Series()->points(), points({0.3, 0.4}));
        QCOMPARE(viewer.chart()->handsetPO2Series()->count(), 0);
        QCOMPARE(viewer.chart()->depthSeries()->points(), points({-2, -3}));
        QCOMPARE(viewer.chart()->timeAxis()->max(), 2.0);
        const QByteArray saved = readFile("saved.csv");
        QVERIFY(saved.startsWith("\"Tarven Calvendrite Simulator\",#"));
        QCOMPARE(linesAfterTheFirst(saved), linesAfterTheFirst(recordingFile(shortRun)));
        QVERIFY(messages.texts.isEmpty());
    }

    // Without a recording the chart is empty and the window usable. Cancelled dialogs do
    // nothing; a file without headers, or no file, is reported and leaves the chart as it was.
    void cancelledOrRefusedFilesLeaveTheChartAsItWas() {
        QVERIFY(writeFile("run.csv", recordingFile(kKnownRun)));
        QVERIFY(writeFile("bare.csv", recordingFile(steadyLines(8), false)));
        ResultsViewer viewer(files, messages);
        viewer.show();
        QCOMPARE(viewer.rowCount(), 0);
        QCOMPARE(viewer.chart()->realPO2Series()->count(), 0);
        for (const char* button : {"Command3", "Command2", "SaveChartImage"})
            viewer.findChild<QPushButton*>(button)->click();
        QCOMPARE(files.requests.size(), std::size_t{3});
        QCOMPARE(files.requests[0].kind, FileDialogKind::Open);
        for (std::size_t i : {0, 1})
            QCOMPARE(files.requests[i].filter,
                     QStringLiteral("Data Files (comma seperated)(*.csv)"));
        QCOMPARE(QDir().entryList(QDir::Files), (QStringList{"bare.csv", "run.csv"}));
        QVERIFY(messages.texts.isEmpty());

        files.answers = {"run.csv", "bare.csv", "missing.csv"};
        for (int i = 0; i < 3; ++i)
            viewer.findChild<QPushButton*>("Command3")->click();
        QCOMPARE(viewer.rowCount(), 3);
        QCOMPARE(viewer.chart()->realPO2Series()->points(), points({0.21, 0.35, 1.25}));
        QCOMPARE(messages.texts.size(), 2);
        QVERIFY(messages.texts[0].contains("bare.csv") &&
                messages.texts[1].contains("missing.csv"));
    }

    // A full-length recording is drawn whole; zoomed to a time range and then by dragging
    // across the chart, it comes back whole on both axes.
    void drawsAFullLengthRecordingAndZooms() {
        QVERIFY(writeFile(kRecordingFileName, recordingFile(steadyLines(18001))));
        ResultsViewer viewer(files, messages);
        viewer.show();
        QCOMPARE(viewer.rowCount(), 18000);
        RecordingChartView* chart = viewer.chart();
        for (QLineSeries* series : {chart->realPO2Series(), chart->handsetPO2Series(),
                                    chart->setpointSeries(), chart->depthSeries()})
            QCOMPARE(series->count(), 18000);
        chart->zoomToTimeRange(2000, 1000);
        QCOMPARE(chart->timeAxis()->min(), 1000.0);
        QCOMPARE(chart->timeAxis()->max(), 2000.0);
        const QRectF plot = chart->chart()->plotArea();
        chart->chart()->zoomIn(
            QRectF(plot.left() + plot.width() / 4, plot.top(), plot.width() / 4, plot.height()));
        viewer.findChild<QPushButton*>("ResetZoom")->click();
        QCOMPARE(chart->timeAxis()->min(), 0.0);
        QCOMPARE(chart->timeAxis()->max(), 18000.0);
        QCOMPARE(chart->po2Axis()->min(), 0.0);
    }

    // Hovering a second shows its message and values, a missing handset value as a dash.
    void hoveringASecondShowsItsMessageAndValues() {
        RecordTable table;
        table.row(1) = {std::monostate{}, 0.21, std::monostate{}, 0.0, 0.7, 16.0};
        table.row(2) = {std::string("Warning: Low O2"), 0.35, 0.34, 10.0, 0.7, 16.0};
        QCOMPARE(secondSummary(table, 1),
                 QStringLiteral("1 s\nReal PO2 0.21   Handset PO2 -   Setpoint 0.7   Depth 0 m"));
        QCOMPARE(secondSummary(table, 2),
                 QStringLiteral("2 s: Warning: Low O2\n"
                                "Real PO2 0.35   Handset PO2 0.34   Setpoint 0.7   Depth 10 m"));
    }

    // A recording becomes a PNG of the chart's size with the real PO2 line's blue in it; a
    // file that is no recording gives no image, and wrong arguments the usage.
    void theRenderChartCommand() {
        QList<QByteArray> lines = steadyLines(30);
        lines[9] += "\"ADV Manually operated\"";
        QVERIFY(writeFile("run.csv", recordingFile(lines)));
        QVERIFY(writeFile("notes.csv", "just,some,numbers\r\n1,2,3\r\n"));
        const struct {
            QStringList arguments;
            int exitCode;
            const char* error;
        } runs[] = {
            {{"run.csv", "run.png"}, 0, ""},
            {{"notes.csv", "notes.png"}, 1, "not a recording file"},
            {{"only-one.csv"}, 2, "usage: loopsim"},
        };
        for (const auto& run : runs) {
            QProcess process;
            process.start(QStringLiteral(LOOPSIM_PROGRAM),
                          QStringList{"--render-chart"} + run.arguments);
            QVERIFY(process.waitForFinished(60000));
            QCOMPARE(process.exitCode(), run.exitCode);
            QVERIFY(process.readAllStandardError().contains(run.error));
        }
        QVERIFY(!QFile::exists("notes.png"));
        const QImage png(QStringLiteral("run.png"));
        QCOMPARE(png.size(), kRenderedChartSize);
        bool blue = false;
        for (int y = 0; y < png.height() && !blue; ++y)
            for (int x = 0; x < png.width() && !blue; ++x)
                blue = png.pixelColor(x, y) == QColor(0x1f, 0x5f, 0xbf);
        QVERIFY(blue);
    }

  private:
    std::unique_ptr<TestFolders> folders;
    ScriptedFileChooser files;
    CollectedMessages messages;
};

QTEST_MAIN(ResultsTest)
#include "ResultsTest.moc"
