// What the chart takes from a recording table, and what hovering a second shows.
#include <QtTest>

#include "app/results/ChartData.h"

using namespace loopsim;

class ChartDataTest : public QObject {
    Q_OBJECT

  private slots:
    // With its message when it has one; a missing handset value shows as a dash.
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

    void numbersKeptAsTextAreDrawnAndOtherTextIsNot() {
        RecordTable table;
        table.row(1) = {std::monostate{}, std::string("0.5"), std::string("n/a"), 4.0, 0.7, 16.0};
        ChartSeriesData data = chartSeriesData(table, 1);
        QCOMPARE(data.realPO2, (QList<QPointF>{{1, 0.5}}));
        QVERIFY(data.handsetPO2.isEmpty());
        QCOMPARE(data.depth, (QList<QPointF>{{1, -4}}));
        QCOMPARE(data.deepest, 4.0);
        QVERIFY(data.events.isEmpty());
    }
};

QTEST_MAIN(ChartDataTest)
#include "ChartDataTest.moc"
