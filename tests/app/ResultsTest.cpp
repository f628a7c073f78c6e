// The results viewer against recording files in a temporary current folder, what its chart
// takes from a recording table, its scales and the points it draws.
#include <QLabel>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <functional>

#include "ChartText.h"
#include "WindowFixtures.h"
#include "app/results/ChartData.h"
#include "app/results/DrawnPoints.h"
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

// Seconds 1 to n, each with the value the function gives it.
QList<QPointF> series(int n, const std::function<double(int)>& value) {
    QList<QPointF> result;
    for (int second = 1; second <= n; ++second)
        result.append({double(second), value(second)});
    return result;
}

double lowest(const QList<QPointF>& points) {
    return std::ranges::min(points, {}, &QPointF::y).y();
}

double highest(const QList<QPointF>& points) {
    return std::ranges::max(points, {}, &QPointF::y).y();
}

}  // namespace

class ResultsTest : public ViewerTestCase {
    Q_OBJECT

  private slots:
    // Shown, the viewer stops the sounds and draws the recording of the current folder: four
    // series, the depth downwards, a marker at each status message's second (as
    // viewer-known-run-chart.txt has them).
    void drawsTheRecordingOfTheCurrentFolder() {
        QVERIFY(writeFile(kRecordingFileName, recordingFile(kKnownRun)));
        ResultsViewer viewer(files, messages);
        QSignalSpy stops(&viewer, &ResultsViewer::stopSoundChannel);
        viewer.show();
        QCOMPARE(QList<QVariantList>(stops), (QList<QVariantList>{{5}, {1}}));
        QCOMPARE(viewer.rowCount(), 3);
        RecordingChartView* chart = viewer.chart();
        LOOPSIM_COMPARE_GOLDEN(asText({chartText(*chart)}), "viewer-known-run-chart.txt");

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
        clickButton(viewer, "Command3");
        clickButton(viewer, "Command2");
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
        QCOMPARE(viewer.statusLine()->text(),
                 QStringLiteral("No recording TarvenLoopsimData.csv in this folder."));
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
            clickButton(viewer, "Command3");
        QCOMPARE(viewer.rowCount(), 3);
        QCOMPARE(messages.texts.size(), 2);
        QVERIFY(messages.texts[0].contains("bare.csv") &&
                messages.texts[1].contains("missing.csv"));
    }

    // A full-length recording is drawn whole, with no more points than the plot has room
    // for; zoomed to a time range, every second of it is drawn, and then by dragging across
    // the chart; it comes back whole on both axes.
    void drawsAFullLengthRecordingAndZooms() {
        QVERIFY(writeFile(kRecordingFileName, recordingFile(steadyLines(18001))));
        ResultsViewer viewer(files, messages);
        viewer.show();
        QCOMPARE(viewer.rowCount(), 18000);
        RecordingChartView* chart = viewer.chart();
        const int columns = int(chart->chart()->plotArea().width());
        QVERIFY(columns > 100);
        for (QLineSeries* series : {chart->realPO2Series(), chart->handsetPO2Series(),
                                    chart->setpointSeries(), chart->depthSeries()}) {
            QVERIFY(series->count() <= 4 * columns);
            QCOMPARE(series->at(0).x(), 1.0);
            QCOMPARE(series->points().last().x(), 18000.0);
        }
        chart->zoomToTimeRange(2000, 1000);
        QCOMPARE(chart->timeAxis()->min(), 1000.0);
        QCOMPARE(chart->timeAxis()->max(), 2000.0);
        // Every second shown, and one on each side to carry the line to the edges.
        QCOMPARE(chart->realPO2Series()->points(), series(2001, [](int) { return 0.5; }).mid(998));
        const QRectF plot = chart->chart()->plotArea();
        chart->chart()->zoomIn(
            QRectF(plot.left() + plot.width() / 4, plot.top(), plot.width() / 4, plot.height()));
        viewer.findChild<QPushButton*>("ResetZoom")->click();
        QCOMPARE(chart->timeAxis()->min(), 0.0);
        QCOMPARE(chart->timeAxis()->max(), 18000.0);
        QCOMPARE(chart->po2Axis()->min(), 0.0);
        QVERIFY(chart->realPO2Series()->count() <= 4 * columns);
    }

    // Thinned for the plot's pixel columns, a line keeps in each column its first, lowest,
    // highest and last point, and one point beyond each end of the time shown; what fits is
    // drawn whole. Markers keep the first in each place.
    void thePointsDrawnFitThePlot() {
        const QList<QPointF> few = points({0.2, 0.4, 0.3});
        QCOMPARE(pointsToDraw(few, 0, 3, 100), few);
        QCOMPARE(pointsToDraw(few, 1.5, 2.5, 100), few);
        QCOMPARE(pointsToDraw(few, qQNaN(), 3, 100), few);

        const QList<QPointF> zigzag = series(18000, [](int second) { return second % 7 * 0.5; });
        const QList<QPointF> drawn = pointsToDraw(zigzag, 0, 18000, 100);
        QVERIFY(drawn.size() <= 4 * 100);
        QCOMPARE(drawn.first(), QPointF(1, 0.5));
        QCOMPARE(drawn.last(), zigzag.last());
        QCOMPARE(lowest(drawn), 0.0);
        QCOMPARE(highest(drawn), 3.0);
        for (int i = 1; i < drawn.size(); ++i)
            QVERIFY(drawn[i].x() > drawn[i - 1].x());
        // Each column of 180 seconds holds a whole zigzag: its lowest and highest are drawn.
        QCOMPARE(lowest(drawn.mid(0, 4)), 0.0);
        QCOMPARE(highest(drawn.mid(0, 4)), 3.0);

        const QList<QPointF> stretch = pointsToDraw(zigzag, 1000, 1100, 100);
        QCOMPARE(stretch, zigzag.mid(998, 103));

        const QList<QPointF> markers = series(18000, [](int) { return 0.025; });
        const QList<QPointF> placed = markersToDraw(markers, 0, 18000, 100);
        QCOMPARE(placed.size(), 100);
        QCOMPARE(placed[0].x(), 1.0);
        QCOMPARE(placed[1].x(), 180.0);
        QCOMPARE(markersToDraw(markers, 10, 12, 100), markers.mid(9, 3));

        QCOMPARE(drawnLength({{0, 0}, {3, 4}, {3, 4}, {6, 0}}, 1, 1), 10.0);
        QCOMPARE(drawnLength({{0, 0}, {3, 4}}, 2, 0.5), std::hypot(6.0, 2.0));
        QCOMPARE(drawnLength(few.mid(0, 1), 1, 1), 0.0);
    }

    // The setpoint is dashed, unless it runs up and down so much that dashing it would take
    // longer than drawing everything else: then it is solid.
    void aSetpointRunningUpAndDownIsDrawnSolid() {
        RecordTable steady, zigzag;
        for (int second = 1; second <= 18000; ++second) {
            steady.row(second) = {std::monostate{},          1.0, 1.0, 10.0,
                                  second < 9000 ? 0.7 : 1.3, 16.0};
            zigzag.row(second) = {std::monostate{}, 1.0, 1.0, 10.0, second % 2 ? 0.7 : 1.3, 16.0};
        }
        RecordingChartView chart;
        chart.resize(1280, 720);
        chart.showRecording(steady, 18000, QStringLiteral("steady.csv"));
        QCOMPARE(chart.setpointSeries()->pen().style(), Qt::DashLine);
        chart.showRecording(zigzag, 18000, QStringLiteral("zigzag.csv"));
        QCOMPARE(chart.setpointSeries()->pen().style(), Qt::SolidLine);
        // Zoomed to ten seconds, the same setpoint is short enough to be dashed.
        chart.zoomToTimeRange(100, 110);
        QCOMPARE(chart.setpointSeries()->pen().style(), Qt::DashLine);
    }

    // Runaway values are drawn at the end of their axis, which says so; the axes keep their
    // few ticks and the pointer still shows the values as recorded. A warning given every
    // second is one marker, where it begins. A handset PO2 below zero is off the scale too.
    // What the chart shows each time is in viewer-runaway-chart.txt.
    void runawayValuesAreDrawnAtTheEndOfTheirAxis() {
        RecordTable table;
        for (int second = 1; second <= 600; ++second)
            table.row(second) = {
                second > 300 ? RecordValue{std::string("Warning: High O2")} : RecordValue{},
                second > 300 ? 3.4e12 : 1.2,
                -1.0,
                second > 500 ? 1e300 : 20.0,
                1.3,
                16.0};
        RecordTable sane;
        sane.row(1) = {std::monostate{}, 1.2, 1.2, 20.0, 1.3, 16.0};
        RecordingChartView chart;
        chart.resize(1280, 720);
        QStringList shown;
        for (const auto& [shownTable, rows] : {std::pair{&table, 600}, {&table, 300}, {&sane, 1}}) {
            chart.showRecording(*shownTable, rows, QStringLiteral("runaway.csv"));
            shown << QStringLiteral("-- %1 rows").arg(rows) << chartText(chart);
        }
        LOOPSIM_COMPARE_GOLDEN(asText(shown), "viewer-runaway-chart.txt");
        QVERIFY(secondSummary(table, 301).contains("Real PO2 3400000000000 "));
        QVERIFY(chart.drawsAnyValue());
        const RecordTable empty;
        chart.showRecording(empty, 5, QStringLiteral("empty-rows.csv"));
        QVERIFY(!chart.drawsAnyValue());
    }

    // The status line names the file and its length and says what was odd about its lines.
    // A file that is no recording is said in a message, also when the viewer opens on it; a
    // file of long and short rows is read one row a line, and saved that way. What the status
    // line says is in viewer-status-lines.txt.
    void theStatusLineSaysWhatWasRead() {
        QVERIFY(writeFile(kRecordingFileName, "just,some,numbers\r\n1,2,3\r\n"));
        ResultsViewer viewer(files, messages);
        viewer.show();
        QStringList statuses{viewer.statusLine()->text()};
        QCOMPARE(messages.texts, statuses);
        QCOMPARE(viewer.rowCount(), 0);

        QList<QByteArray> lines = steadyLines(4);
        lines[1] += QByteArray(",7").repeated(993);
        lines[2] = "3,1.5";
        QVERIFY(writeFile("odd.csv", recordingFile(lines)));
        QVERIFY(writeFile("garbage.csv", recordingFile({"x", "\x01\x02", "y,z"})));
        files.answers = {"odd.csv", "saved.csv", "garbage.csv"};
        clickButton(viewer, "Command3");
        QCOMPARE(viewer.rowCount(), 4);
        statuses << viewer.statusLine()->text();
        QCOMPARE(viewer.chart()->realPO2Series()->points(), points({0.5, 0.5, 1.5, 0.5}));
        clickButton(viewer, "Command2");
        QCOMPARE(linesAfterTheFirst(readFile("saved.csv")),
                 linesAfterTheFirst(recordingFile({"1,0.5,0.49,5,0.7,16,", "2,0.5,0.49,5,0.7,16,",
                                                   "3,1.5,,,,,", "4,0.5,0.49,5,0.7,16,"})));

        clickButton(viewer, "Command3");
        statuses << viewer.statusLine()->text();
        QCOMPARE(messages.texts.size(), 1);
        LOOPSIM_COMPARE_GOLDEN(statuses.join('\n').toUtf8() + '\n', "viewer-status-lines.txt");
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
};

LOOPSIM_TEST_MAIN(ResultsTest)
#include "ResultsTest.moc"
