// The results viewer against recording files in a temporary current folder.
#include <QAbstractAxis>
#include <QChart>
#include <QDir>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QValueAxis>
#include <QtTest>
#include <memory>

#include "RecordingFiles.h"
#include "TestFolders.h"
#include "app/results/RecordingChartView.h"
#include "app/results/ResultsViewer.h"
#include "app/results/ViewerLayout.h"

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

QPushButton* button(const QWidget& window, const char* name) {
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

QList<QByteArray> lines(const QByteArray& fileText) {
    return fileText.split('\n');
}

}  // namespace

class ResultsViewerTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        folders_ = std::make_unique<TestFolders>();
        QVERIFY(folders_->entered());
        chooser_ = ScriptedFileChooser();
        messages_ = CollectedMessages();
    }

    void cleanup() { folders_.reset(); }

    // Shown, the viewer stops the sounds and draws the recording of the current folder: four
    // series, the depth downwards, a marker at each status message's second.
    void drawsTheRecordingOfTheCurrentFolder() {
        QVERIFY(writeFile("TarvenLoopsimData.csv", recordingFile(kKnownRun)));
        ResultsViewer viewer(chooser_, messages_);
        QCOMPARE(wrongCaptions(viewer, {{"", "Tarven Calvendrite Simulator  Results Viewer"},
                                        {"Frame1", "Data"},
                                        {"Command2", "&Save Data as"},
                                        {"Command3", "&Load data from"},
                                        {"Command1", "E&xit"},
                                        {"SaveChartImage", "Save chart as image"}}),
                 QStringList());
        QSignalSpy stops(&viewer, &ResultsViewer::stopSoundChannel);
        viewer.show();
        QCOMPARE(stops.size(), 2);
        QCOMPARE(stops[0][0].toInt(), 5);
        QCOMPARE(stops[1][0].toInt(), 1);
        QCOMPARE(viewer.rowCount(), 3);

        RecordingChartView* chart = viewer.chart();
        QCOMPARE(viewer.findChild<RecordingChartView*>("MSChart1"), chart);
        QStringList names;
        for (QAbstractSeries* series : chart->chart()->series()) {
            if (qobject_cast<QLineSeries*>(series))
                names.append(series->name());
        }
        QCOMPARE(names, (QStringList{"Real PO2", "Handset PO2", "Setpoint", "Depth"}));
        QCOMPARE(chart->realPO2Series()->points(), points({0.21, 0.35, 1.25}));
        QCOMPARE(chart->handsetPO2Series()->points(), points({0.2, 0.34, 1.3}));
        QCOMPARE(chart->setpointSeries()->points(), points({0.7, 0.7, 1.3}));
        QCOMPARE(chart->depthSeries()->points(), points({0, -10, -21}));
        QList<double> markerSeconds;
        for (const QPointF& marker : chart->eventSeries()->points())
            markerSeconds.append(marker.x());
        QCOMPARE(markerSeconds, (QList<double>{2, 3}));

        QCOMPARE(chart->timeAxis()->titleText(), QStringLiteral("time (s)"));
        QCOMPARE(chart->po2Axis()->titleText(), QStringLiteral("PO 2"));
        QCOMPARE(chart->depthAxis()->titleText(), QStringLiteral("Depth meters"));
        QVERIFY(chart->depthSeries()->attachedAxes().contains(chart->depthAxis()));
        QCOMPARE(chart->timeAxis()->max(), 3.0);
        QVERIFY(chart->depthAxis()->min() <= -21);
        QVERIFY(chart->po2Axis()->max() >= 1.3);

        chooser_.answers = {QStringLiteral("chart.png")};
        button(viewer, "SaveChartImage")->click();
        QCOMPARE(chooser_.requests.back().kind, FileDialogKind::Save);
        QCOMPARE(QImage(QStringLiteral("chart.png")).size(), chart->size());
    }

    void withoutARecordingTheChartIsEmptyAndTheWindowUsable() {
        ResultsViewer viewer(chooser_, messages_);
        viewer.show();
        QCOMPARE(viewer.rowCount(), 0);
        QCOMPARE(viewer.chart()->realPO2Series()->count(), 0);
        QVERIFY(messages_.texts.isEmpty());

        QVERIFY(writeFile("later.csv", recordingFile(kKnownRun)));
        chooser_.answers = {QStringLiteral("later.csv")};
        button(viewer, "Command3")->click();
        QCOMPARE(viewer.chart()->depthSeries()->count(), 3);

        QSignalSpy exits(&viewer, &ResultsViewer::exitRequested);
        button(viewer, "Command1")->click();
        QCOMPARE(exits.size(), 1);
        QVERIFY(!viewer.isVisible());
    }

    void aShorterFileAfterALongerOneDrawsAndSavesOnlyItsRows() {
        QVERIFY(writeFile("TarvenLoopsimData.csv", recordingFile(steadyLines(5))));
        const QList<QByteArray> shortRun = {"1,0.3,0.31,2,1.3,16,", "2,0.4,0.41,3,1.3,16,"};
        QVERIFY(writeFile("short.csv", recordingFile(shortRun)));
        ResultsViewer viewer(chooser_, messages_);
        viewer.open();
        QCOMPARE(viewer.rowCount(), 5);

        chooser_.answers = {QStringLiteral("short.csv"), QStringLiteral("saved.csv")};
        button(viewer, "Command3")->click();
        QCOMPARE(viewer.rowCount(), 2);
        QCOMPARE(viewer.chart()->realPO2Series()->points(), points({0.3, 0.4}));
        QCOMPARE(viewer.chart()->depthSeries()->points(), points({-2, -3}));
        QCOMPARE(viewer.chart()->timeAxis()->max(), 2.0);

        button(viewer, "Command2")->click();
        QCOMPARE(lines(readFile("saved.csv")).mid(1), lines(recordingFile(shortRun)).mid(1));
        QVERIFY(messages_.texts.isEmpty());
    }

    // Quoted messages and values left empty come back as they were; an empty value is not
    // drawn.
    void saveRightAfterOpenReproducesTheDataRows() {
        const QByteArray original = recordingFile({
            "1,0.21,0.21,0,0.7,16,",
            "2,0.2134,0.21,3,0.7,16,\"Dump Valve Operated\"",
            "3,1.6,1.58,40,1.3,16,\"Said \"\"stop\"\", then went on\"",
            "4,0.9,,12,1.3,16,",
        });
        QVERIFY(writeFile("TarvenLoopsimData.csv", original));
        ResultsViewer viewer(chooser_, messages_);
        viewer.open();
        QCOMPARE(viewer.chart()->realPO2Series()->count(), 4);
        QCOMPARE(viewer.chart()->handsetPO2Series()->points(), points({0.21, 0.21, 1.58}));
        chooser_.answers = {QStringLiteral("copy.csv")};
        button(viewer, "Command2")->click();

        const QList<QByteArray> expected = lines(original);
        const QList<QByteArray> saved = lines(readFile("copy.csv"));
        QCOMPARE(saved.size(), expected.size());
        QVERIFY(saved[0].startsWith("\"Tarven Calvendrite Simulator\",#"));
        QCOMPARE(saved.mid(1), expected.mid(1));
    }

    // Cancelled dialogs do nothing; a file without headers, or no file, is reported and
    // leaves the chart as it was.
    void cancelledOrRefusedFilesLeaveTheChartAsItWas() {
        QVERIFY(writeFile("TarvenLoopsimData.csv", recordingFile(kKnownRun)));
        QVERIFY(writeFile("bare.csv", recordingBody(steadyLines(8))));
        ResultsViewer viewer(chooser_, messages_);
        viewer.open();

        button(viewer, "Command3")->click();
        button(viewer, "Command2")->click();
        button(viewer, "SaveChartImage")->click();
        QCOMPARE(chooser_.requests.size(), std::size_t{3});
        QCOMPARE(chooser_.requests[0].kind, FileDialogKind::Open);
        QCOMPARE(chooser_.requests[1].kind, FileDialogKind::Save);
        for (std::size_t i : {0, 1})
            QCOMPARE(chooser_.requests[i].filter,
                     QStringLiteral("Data Files (comma seperated)(*.csv)"));
        QCOMPARE(QDir().entryList(QDir::Files), (QStringList{"bare.csv", "TarvenLoopsimData.csv"}));
        QVERIFY(messages_.texts.isEmpty());

        chooser_.answers = {QStringLiteral("bare.csv"), QStringLiteral("missing.csv")};
        button(viewer, "Command3")->click();
        button(viewer, "Command3")->click();
        QCOMPARE(viewer.rowCount(), 3);
        QCOMPARE(viewer.chart()->realPO2Series()->points(), points({0.21, 0.35, 1.25}));
        QCOMPARE(messages_.texts.size(), 2);
        QVERIFY(messages_.texts[0].contains("bare.csv"));
        QVERIFY(messages_.texts[1].contains("missing.csv"));
    }

    void zoomsToATimeRangeAndBack() {
        QVERIFY(writeFile("TarvenLoopsimData.csv", recordingFile(steadyLines(60))));
        ResultsViewer viewer(chooser_, messages_);
        viewer.show();
        RecordingChartView* chart = viewer.chart();

        chart->zoomToTimeRange(20, 10);
        QCOMPARE(chart->timeAxis()->min(), 10.0);
        QCOMPARE(chart->timeAxis()->max(), 20.0);
        button(viewer, "ResetZoom")->click();
        QCOMPARE(chart->timeAxis()->min(), 0.0);
        QCOMPARE(chart->timeAxis()->max(), 60.0);

        // What dragging across the chart does.
        const QRectF plot = chart->chart()->plotArea();
        chart->chart()->zoomIn(
            QRectF(plot.left() + plot.width() / 4, plot.top(), plot.width() / 4, plot.height()));
        QVERIFY(chart->timeAxis()->max() < 60);
        button(viewer, "ResetZoom")->click();
        QCOMPARE(chart->timeAxis()->min(), 0.0);
        QCOMPARE(chart->timeAxis()->max(), 60.0);
        QCOMPARE(chart->po2Axis()->min(), 0.0);
    }

    void drawsAFullLengthRecording() {
        QVERIFY(writeFile("TarvenLoopsimData.csv", recordingFile(steadyLines(18001))));
        ResultsViewer viewer(chooser_, messages_);
        viewer.show();
        QCOMPARE(viewer.rowCount(), 18000);
        RecordingChartView* chart = viewer.chart();
        for (QLineSeries* series : {chart->realPO2Series(), chart->handsetPO2Series(),
                                    chart->setpointSeries(), chart->depthSeries()})
            QCOMPARE(series->count(), 18000);
        QCOMPARE(chart->timeAxis()->max(), 18000.0);
    }

    // The layout's rules at two window sizes, checked in pixels to within rounding.
    void partsFollowTheWindowSize() {
        ResultsViewer viewer(chooser_, messages_);
        viewer.show();
        for (QSize size : {QSize(900, 600), QSize(1300, 820)}) {
            viewer.resize(size);
            const auto near = [](double seen, double units, double dpi, double within) {
                return qAbs(seen - units * dpi / kLayoutUnitsPerInch) <= within;
            };
            const double x = viewer.logicalDpiX();
            const double y = viewer.logicalDpiY();
            const QRect frame = viewer.findChild<QGroupBox*>("Frame1")->geometry();
            const QRect save = button(viewer, "Command2")->geometry();
            const QRect load = button(viewer, "Command3")->geometry();
            const QRect exit = button(viewer, "Command1")->geometry();
            const QRect chart = viewer.chart()->geometry();  // inside the frame
            const QSize inner = viewer.contentsRect().size();

            QVERIFY(near(frame.left(), 60, x, 1));
            QVERIFY(near(frame.top(), 60, y, 1));
            QVERIFY(near(inner.width() - (frame.x() + frame.width()), 180, x, 2));
            QVERIFY(qAbs(exit.x() + exit.width() - (frame.x() + frame.width())) <= 1);
            QVERIFY(near(exit.top() - (frame.y() + frame.height()), 60, y, 2));
            QVERIFY(near(inner.height() - (exit.y() + exit.height()), 600, y, 2));
            QCOMPARE(save.top(), exit.top());
            QCOMPARE(load.top(), exit.top());
            QCOMPARE(save.size(), exit.size());
            QVERIFY(near(save.left(), 60, x, 1));
            QVERIFY(near(load.left() - (save.x() + save.width()), 60, x, 1));
            QVERIFY(near(chart.left(), 120, x, 1));
            QVERIFY(near(chart.top(), 120, y, 1));
            QVERIFY(near(frame.width() - chart.width(), 240, x, 2));
            QVERIFY(near(frame.height() - chart.height(), 240, y, 2));
        }
    }

  private:
    std::unique_ptr<TestFolders> folders_;
    ScriptedFileChooser chooser_;
    CollectedMessages messages_;
};

QTEST_MAIN(ResultsViewerTest)
#include "ResultsViewerTest.moc"
