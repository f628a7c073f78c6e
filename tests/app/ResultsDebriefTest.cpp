// The results viewer's debrief: a recording's session log found beside it and played, the
// Debrief panel's metrics and events, an event's time selected on the chart, the chart read
// as a debrief, and the report saved as HTML or PDF; the pieces they are made of, table by
// table. The recording and its log are the solenoid drill of scenarios/ and its golden
// recording, copied into a temporary current folder.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include "ChartText.h"
#include "WindowFixtures.h"
#include "app/results/ChartRender.h"
#include "app/results/DebriefChartData.h"
#include "app/results/DebriefChartLayer.h"
#include "app/results/DebriefPanel.h"
#include "app/results/DebriefReport.h"
#include "app/results/EventListModel.h"
#include "app/results/LogDebrief.h"
#include "app/results/RecordingChartView.h"
#include "app/results/RecordingStatus.h"
#include "app/results/ResultsViewer.h"
#include "app/results/SessionDebrief.h"
#include "app/results/ViewerLayout.h"

using namespace loopsim;
using namespace loopsim::test;

namespace {

const QString kDrillLog = QStringLiteral(LOOPSIM_SCENARIOS "/solenoid-drill.scenario");
const QString kDrillRecording = QStringLiteral(LOOPSIM_TEST_DATA "/solenoid-drill.csv");
// An hour of a session with one action at its start and one half way.
const QByteArray kHourLog = "1 tap Image7\n1800 tap Image4\n3600 end\n";
const QByteArray kBrokenLog = "1 tap Image7\n2 frobnicate Image7\n";

bool copyDrill(const QString& name) {
    return QFile::copy(kDrillRecording, name + ".csv") &&
           QFile::copy(kDrillLog, name + ".scenario");
}

// A line a row: the cells joined, after the first cell's mark where it has one.
QStringList rowLines(const QAbstractItemModel& model) {
    QStringList lines;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells{model.index(row, 0).data(Qt::UserRole).toString()};
        cells.removeAll(QString());
        for (int column = 0; column < model.columnCount(); ++column)
            cells << model.index(row, column).data().toString();
        lines << cells.join(" | ");
    }
    return lines;
}

// The row of the events list with that time and text.
int eventRow(const DebriefPanel& panel, const QString& time, const QString& what) {
    const QAbstractItemModel* model = panel.eventsView()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, EventListModel::TimeColumn).data().toString() == time &&
            model->index(row, EventListModel::WhatColumn).data().toString() == what)
            return row;
    }
    return -1;
}

void clickEvent(DebriefPanel& panel, int row) {
    QTableView* view = panel.eventsView();
    const QModelIndex index = view->model()->index(row, EventListModel::WhatColumn);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

}  // namespace

class ResultsDebriefTest : public ViewerTestCase {
    Q_OBJECT

  private slots:
    // The session's own recording is debriefed from its log beside it. Loaded, a recording
    // is debriefed from NAME.scenario beside NAME.csv; alone, or beside a log that cannot be
    // played, it is charted as before and the status line says why there is no debrief.
    void aLogBesideTheRecordingIsFoundAndPlayed() {
        QVERIFY(QFile::copy(kDrillRecording, kRecordingFileName));
        QVERIFY(QFile::copy(kDrillLog, kSessionLogFileName));
        QVERIFY(copyDrill("drill"));
        QVERIFY(QFile::copy(kDrillRecording, "alone.csv"));
        QVERIFY(QFile::copy(kDrillRecording, "broken.csv"));
        QVERIFY(writeFile("broken.scenario", kBrokenLog));
        QVERIFY(QFile::copy(kDrillRecording, "folder.csv"));
        QVERIFY(QDir().mkdir("folder.scenario"));
        ResultsViewer viewer(files, messages);
        viewer.show();
        QVERIFY(viewer.debrief() && viewer.debriefPanel()->isVisible());
        QCOMPARE(viewer.debrief()->logPath, QStringLiteral("./TarvenLoopsimData.scenario"));

        const QString length = QStringLiteral(": 357 rows (0:05:57).");
        const struct {
            const char* recording;
            bool debriefed;
            QString status;
        } loads[] = {
            {"drill.csv", true, "drill.csv" + length + "  Debrief from drill.scenario."},
            {"alone.csv", false, "alone.csv" + length},
            {"broken.csv", false,
             "broken.csv" + length +
                 "  No debrief: the session log broken.scenario cannot be played: line 2: "
                 "unknown verb 'frobnicate'."},
            {"drill.csv", true, "drill.csv" + length + "  Debrief from drill.scenario."},
            {"folder.csv", false,
             "folder.csv" + length +
                 "  No debrief: the session log folder.scenario is not a file."},
        };
        for (const auto& load : loads) {
            files.answers = {QString::fromLatin1(load.recording)};
            clickButton(viewer, "Command3");
            QCOMPARE(viewer.statusLine()->text(), load.status);
            QCOMPARE(viewer.debrief() != nullptr, load.debriefed);
            QCOMPARE(viewer.debriefPanel()->isVisible(), load.debriefed);
            QCOMPARE(viewer.chart()->debriefLayer() != nullptr, load.debriefed);
            QCOMPARE(viewer.chart()->eventSeries()->isVisible(), !load.debriefed);
            QCOMPARE(viewer.rowCount(), 357);
        }
        QVERIFY(messages.texts.isEmpty());
    }

    // A session the bail-out window's Exit ended left its log alone: played into a folder of
    // its own, its recording opens in the viewer with the debrief; a log that cannot be
    // played says why. The session's folder gets no recording.
    void aBailedOutSessionIsDebriefedFromItsLogAlone() {
        QVERIFY(writeFile(kSessionLogFileName,
                          "1 tap Image7\n2 tap Image20\n4 tap Bailout.Exit\n"
                          "# The session ended.\n"));
        {
            const LogDebriefFolder folder(kSessionLogFileName);
            QVERIFY(!folder.error());
            ResultsViewer viewer(files, messages);
            viewer.open(folder.recordingPath());
            QCOMPARE(viewer.rowCount(), 4);
            QVERIFY(viewer.debrief());
            QVERIFY(messages.texts.isEmpty());
        }
        QVERIFY(!QFile::exists(kRecordingFileName));
        QVERIFY(writeFile("broken.scenario", kBrokenLog));
        QCOMPARE(*LogDebriefFolder("broken.scenario").error(),
                 QStringLiteral("line 2: unknown verb 'frobnicate'"));
        QCOMPARE(*LogDebriefFolder("missing.scenario").error(),
                 QStringLiteral("missing.scenario cannot be read"));
    }

    // Export… writes the session for a dive log in the format of the name chosen: from its
    // debrief when its log is beside it, else the recording alone with its voted PO2 as the one
    // sensor; a cancelled dialog writes nothing.
    void exportWritesTheSessionForADiveLog() {
        QVERIFY(copyDrill("drill"));
        QVERIFY(QFile::copy(kDrillRecording, "alone.csv"));
        const struct {
            const char* recording;
            const char* exportTo;
            const char* holds;
        } rows[] = {
            {"drill.csv", "drill.ssrf", "no_o2sensors='3'"},
            {"drill.csv", "drill.uddf", "<measuredpo2 ref="},
            {"alone.csv", "alone.ssrf", "no_o2sensors='1'"},
            {"alone.csv", "alone.csv.csv", "Sample time"},
        };
        for (const auto& row : rows) {
            ResultsViewer viewer(files, messages);
            viewer.open(QString::fromLatin1(row.recording));
            files.answers = {QString::fromLatin1(row.exportTo)};
            clickButton(viewer, "ExportSession");
            QVERIFY2(readFile(row.exportTo).contains(row.holds), row.exportTo);
        }
        ResultsViewer viewer(files, messages);
        viewer.open(QStringLiteral("alone.csv"));
        files.answers = {QString()};
        clickButton(viewer, "ExportSession");
        QVERIFY(messages.texts.isEmpty());
    }

    // The panel lists every metric of the drill's debrief with its mark and value, and every
    // event with its time and kind. Those worked out by hand for the drill are among them:
    // the response to the stuck solenoid 44.50 s and its recovery 99.50 s, both good.
    void thePanelListsTheMetricsAndTheEvents() {
        QVERIFY(copyDrill("TarvenLoopsimData"));
        ResultsViewer viewer(files, messages);
        viewer.show();
        const QStringList lines = rowLines(*viewer.debriefPanel()->metricsTable()->model()) +
                                  rowLines(*viewer.debriefPanel()->eventsView()->model());
        LOOPSIM_COMPARE_GOLDEN(lines.join('\n').toUtf8() + '\n', "solenoid-drill-panel.txt");
    }

    // Choosing an event marks its time on the chart with a line across plot and strip, and
    // brings it into view: a session of up to twenty minutes stays whole; in a longer one
    // the stretch on show moves to have it in the middle, narrowed to ten minutes when it was
    // wider than twenty, kept within the session.
    void choosingAnEventSelectsItsTime() {
        QVERIFY(copyDrill("drill"));
        QVERIFY(writeFile("hour.csv", recordingFile(steadyLines(3600))));
        QVERIFY(writeFile("hour.scenario", kHourLog));
        ResultsViewer viewer(files, messages);
        viewer.show();
        RecordingChartView* chart = viewer.chart();
        const struct {
            const char* recording;
            std::pair<double, double> zoomed;  // before choosing; none when both are 0
            const char* time;
            const char* what;
            double selected;
            std::pair<double, double> shown;
        } choices[] = {
            {"drill.csv", {}, "04:05", "tap oxygen cylinder valve", 245, {0, 360}},
            {"hour.csv", {}, "30:00", "tap diluent cylinder valve", 1800, {1500, 2100}},
            {"hour.csv", {}, "00:01", "tap oxygen cylinder valve", 1, {0, 600}},
            {"hour.csv", {100, 200}, "30:00", "tap diluent cylinder valve", 1800, {1750, 1850}},
            {"hour.csv", {1700, 1900}, "30:00", "Diluent Valve Opened", 1800, {1700, 1900}},
            {"hour.csv", {2000, 3200}, "30:00", "tap diluent cylinder valve", 1800, {1200, 2400}},
            {"hour.csv", {2000, 3201}, "30:00", "tap diluent cylinder valve", 1800, {1500, 2100}},
        };
        for (const auto& choice : choices) {
            if (viewer.fileName() != QLatin1String(choice.recording)) {
                files.answers = {QString::fromLatin1(choice.recording)};
                clickButton(viewer, "Command3");
            }
            if (choice.zoomed.second > 0)
                chart->zoomToTimeRange(choice.zoomed.first, choice.zoomed.second);
            const int row = eventRow(*viewer.debriefPanel(), choice.time, choice.what);
            QVERIFY2(row >= 0, choice.what);
            clickEvent(*viewer.debriefPanel(), row);
            QCOMPARE(chart->debriefLayer()->selected(), std::optional(choice.selected));
            QCOMPARE(
                chart->debriefLayer()->selectionLine()->points(),
                (QList<QPointF>{{choice.selected, 0}, {choice.selected, chart->po2Axis()->max()}}));
            QCOMPARE(chart->timeAxis()->min(), choice.shown.first);
            QCOMPARE(chart->timeAxis()->max(), choice.shown.second);
        }
    }

    // With a debrief the chart reads as one: the rows at the session's time, time on a
    // clock, depth down from 0 at the top, the PO2 scale's top at its grid with the strip of
    // markers above it, the time above 1.6 bar shaded, the failure a marker in the strip, the
    // cells hidden until switched on. Alone, the same recording is charted as before. What the
    // chart shows is in viewer-debrief-chart.txt.
    void theChartReadsAsADebrief() {
        QVERIFY(copyDrill("TarvenLoopsimData"));
        ResultsViewer viewer(files, messages);
        viewer.show();
        RecordingChartView* chart = viewer.chart();
        // Row 199 was taken at 201.5 s: the handsets' turn-on clicks held the unit 2.5 s.
        const SecondSample& row199 = viewer.debrief()->debrief.timeline.seconds[198];
        QCOMPARE(row199.time, 201500);
        QVERIFY(chart->realPO2Series()->points().contains(QPointF(201.5, row199.loopPO2)));
        QStringList shown{chartText(*chart)};
        clickNearTheLeftEdge(viewer.debriefPanel()->findChild<QCheckBox*>("ShowCell2"));
        shown << "-- the second cell switched on" << chartText(*chart);
        chart->showDebrief(nullptr);
        QVERIFY(!chart->debriefLayer());
        shown << "-- without the debrief" << chartText(*chart);
        LOOPSIM_COMPARE_GOLDEN(asText(shown), "viewer-debrief-chart.txt");
    }

    // The report in the format of the name chosen: the page, or a PDF of it, with the
    // trainee's name and the recording's date in its heading; a file that cannot be written
    // is said in a message.
    void theReportIsSavedAsHtmlOrPdf() {
        QVERIFY(copyDrill("TarvenLoopsimData"));
        ResultsViewer viewer(files, messages);
        viewer.show();
        viewer.debriefPanel()->findChild<QLineEdit*>("TraineeName")->setText(" Alex Diver ");
        files.answers = {"report.html", "report.PDF", "", "missing/report.pdf"};
        for (int i = 0; i < 4; ++i)
            viewer.debriefPanel()->findChild<QPushButton*>("SaveReport")->click();
        QCOMPARE(files.requests.size(), std::size_t{4});
        QCOMPARE(files.requests[0].filter, QString::fromLatin1(kReportFilter));
        QCOMPARE(files.requests[0].kind, FileDialogKind::Save);

        const QString written = recordingWrittenText(kRecordingFileName);
        QVERIFY(!written.isEmpty());
        const QByteArray page = readFile("report.html");
        QVERIFY(page.startsWith("<!DOCTYPE html>\n"));
        QVERIFY(page.contains("<h1>Debrief: Alex Diver</h1>"));
        QVERIFY(page.contains(("TarvenLoopsimData.scenario · " + written).toUtf8()));
        QVERIFY(page.contains("<svg"));

        const QByteArray pdf = readFile("report.PDF");
        QVERIFY(pdf.startsWith("%PDF-1."));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        QVERIFY(pdf.count("/Type /Page\n") >= 2);
        QCOMPARE(pdf.count("/Type /Pages"), 1);

        QCOMPARE(QDir().entryList({"report*"}), (QStringList{"report.html", "report.PDF"}));
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.texts[0].startsWith("Cannot save missing/report.pdf: "));
    }

    // loopsim --render-chart draws a recording as a PNG of the chart's size with the real PO2
    // line's blue in it, and its debrief too when the log is beside it; --render-viewer draws
    // the whole viewer as it opens, its status line on standard output. What is odd about a
    // recording, or a log that cannot be played, is said; a file that is no recording, or
    // wrong arguments, draw nothing. The commands and what each says and ends with are in
    // viewer-render-commands.txt: its "$ " lines are the commands run.
    void theRenderCommands() {
        QVERIFY(copyDrill("drill"));
        QList<QByteArray> lines = steadyLines(30);
        lines[9] += "\"ADV Manually operated\"";
        QVERIFY(writeFile("run.csv", recordingFile(lines)));
        QVERIFY(writeFile("notes.csv", "just,some,numbers\r\n1,2,3\r\n"));
        QVERIFY(writeFile("short.csv", recordingFile({"1,0.5", "2,0.5,0.5,3,1.3,16,"})));
        QVERIFY(QDir().mkdir("a-folder.csv"));
        QVERIFY(QFile::copy(kDrillRecording, "broken.csv"));
        QVERIFY(writeFile("broken.scenario", kBrokenLog));
        const QString golden = QStringLiteral("viewer-render-commands.txt");
        QStringList said;
        for (const QString& line : QString(readFile(LOOPSIM_TEST_DATA "/" + golden)).split('\n')) {
            if (!line.startsWith("$ "))
                continue;
            QProcess process;
            process.start(QStringLiteral(LOOPSIM_PROGRAM), line.mid(2).split(' '));
            QVERIFY(process.waitForFinished(60000));
            said << line;
            // The program's own words, without what the platform may add.
            for (const QString& error : QString(process.readAllStandardError()).split('\n'))
                if (error.startsWith("loopsim") || error.startsWith("usage:"))
                    said << "! " + error;
            for (const QString& output : QString(process.readAllStandardOutput()).split('\n'))
                if (!output.isEmpty())
                    said << "> " + output;
            said << QStringLiteral("exit %1").arg(process.exitCode());
        }
        QVERIFY(said.size() > 20);
        LOOPSIM_COMPARE_GOLDEN(said.join('\n').toUtf8() + '\n', "viewer-render-commands.txt");
        QCOMPARE(QDir().entryList({"*.png"}),
                 (QStringList{"broken.png", "drill.png", "run.png", "short.png", "viewer.png"}));
        QCOMPARE(QImage(QStringLiteral("viewer.png")).size(), QSize(1000, 700));
        const QImage png(QStringLiteral("run.png"));
        QCOMPARE(png.size(), kRenderedChartSize);
        bool blue = false;
        for (int y = 0; y < png.height() && !blue; ++y)
            for (int x = 0; x < png.width() && !blue; ++x)
                blue = png.pixelColor(x, y) == QColor(0x1f, 0x5f, 0xbf);
        QVERIFY(blue);
    }

    // Where a recording's log is, and which names ask for a PDF.
    void theLogsPlaceAndTheReportsFormat() {
        const QMap<QString, QString> places = {
            {"TarvenLoopsimData.csv", "./TarvenLoopsimData.scenario"},
            {"runs/drill.csv", "runs/drill.scenario"},
            {"/data/a.b.csv", "/data/a.b.scenario"},
            {"no-suffix", "./no-suffix.scenario"},
        };
        for (auto place = places.begin(); place != places.end(); ++place)
            QCOMPARE(sessionLogBeside(place.key()), place.value());
        for (const char* name : {"report.pdf", "REPORT.PDF"})
            QCOMPARE(reportFormatOf(name), ReportFormat::Pdf);
        for (const char* name : {"report.html", "report.htm", "report", "report.pdf.html"})
            QCOMPARE(reportFormatOf(name), ReportFormat::Html);
    }

    // The recording's rows move to the times of their samples; rows past the samples keep a
    // second apart. Episodes become one outline, overlapping ones merged.
    void theDebriefsTimesOnTheChart() {
        std::vector<SecondSample> seconds(3);
        seconds[0].time = 1000;
        seconds[1].time = 3000;
        seconds[2].time = 4500;
        QCOMPARE(atSessionTime({{1, 0.5}, {2, 0.6}, {3, 0.7}, {5, 0.8}}, seconds),
                 (QList<QPointF>{{1, 0.5}, {3, 0.6}, {4.5, 0.7}, {6.5, 0.8}}));
        QCOMPARE(atSessionTime({{1, 0.5}}, {}), (QList<QPointF>{{1, 0.5}}));

        const struct {
            std::vector<Episode> episodes;
            QList<QPointF> outline;
        } outlines[] = {
            {{}, {}},
            {{{5000, 7000}}, {{4, 0}, {4, 1}, {7, 1}, {7, 0}}},
            {{{20000, 30000}, {5000, 7000}, {6000, 9000}, {10000, 10000}},
             {{4, 0}, {4, 1}, {10, 1}, {10, 0}, {19, 0}, {19, 1}, {30, 1}, {30, 0}}},
        };
        for (const auto& row : outlines)
            QCOMPARE(episodeOutline(row.episodes), row.outline);
    }

    // The pointer shows the nearest sample's values and the master's cells, and the events
    // within its reach, six of them, the rest counted (see debrief-pointer.txt).
    void thePointerShowsEveryValue() {
        SessionDebrief shown;
        shown.debrief.timeline.seconds = {{.time = 62000,
                                           .loopPO2 = 1.25,
                                           .handsetPO2 = 1.2,
                                           .rightCells = {1.21, 1.19, 1.2},
                                           .rightOn = true,
                                           .rightIsMaster = true,
                                           .setpoint = 1.3,
                                           .depth = 18}};
        for (int i = 0; i < 8; ++i)
            shown.events.push_back({61000 + i * 100, EventKind::Trainee, "tap dump valve"});
        shown.events.push_back({70000, EventKind::Warning, "Low O2"});

        const QString summaries =
            debriefSecondSummary(shown, 61.7, 1) + "\n\n" + debriefSecondSummary(shown, 70, 1);
        LOOPSIM_COMPARE_GOLDEN(summaries.toUtf8() + '\n', "debrief-pointer.txt");

        // A drifting cell's reading past what the handset can show is dashes here too.
        shown.debrief.timeline.seconds[0].rightCells[1] = -1e100;
        shown.debrief.timeline.seconds[0].handsetPO2 = -12.5;
        const QString runaway = debriefSecondSummary(shown, 62, 0);
        QVERIFY2(runaway.contains("Handset PO2 ----   Setpoint") &&
                     runaway.contains("Cells 1.21  ----  1.2 (right handset)"),
                 qPrintable(runaway));
    }

    // With a debrief the panel takes the right part of the frame's place, lined up with
    // Exit's right edge, and the status line runs under both; without one, nothing changes.
    void thePanelSitsBesideTheChart() {
        const QSize inner(19800, 10800);
        const ViewerGeometry alone = viewerGeometry(inner);
        const ViewerGeometry debriefed = viewerGeometry(inner, kViewerButtonSize, true);
        QVERIFY(alone.panel.isEmpty());
        QCOMPARE(debriefed.panel.right(), alone.frame.right());
        QCOMPARE(debriefed.panel.right(), debriefed.exitButton.right());
        QCOMPARE(debriefed.panel.top(), alone.frame.top());
        QCOMPARE(debriefed.panel.height(), alone.frame.height());
        QCOMPARE(debriefed.panel.width(), int(alone.frame.width() * kPanelShare));
        QCOMPARE(debriefed.frame.right() + kViewerMargin + 1, debriefed.panel.left());
        QCOMPARE(debriefed.statusLine.width(), alone.frame.width());
        QCOMPARE(viewerGeometry({13500, 9000}, kViewerButtonSize, true).panel.width(),
                 kLeastPanelWidth);
        QCOMPARE(viewerGeometry({7200, 4800}, kViewerButtonSize, true).panel.width(),
                 (7200 - 4 * kViewerMargin) / 2);
    }
};

LOOPSIM_TEST_MAIN(ResultsDebriefTest)
#include "ResultsDebriefTest.moc"
