#include "app/results/DebriefReport.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextObjectInterface>

#include "app/results/RecordingChartView.h"
#include "app/results/SessionDebrief.h"
#include "files/OutputFile.h"

namespace loopsim {
namespace {

// Where the chart goes in the page: an anchor, which no text of the report can make, as the
// page escapes every text it is given.
const QString kChartAnchor = QStringLiteral("chart");
const std::string kChartMarkup = "<a name=\"chart\">*</a>";
constexpr int kChartObject = QTextFormat::UserObject + 1;
// The chart is laid out at this size in pixels and drawn scaled to the page's width.
constexpr QSize kChartPixels{900, 430};
constexpr int kPdfDotsPerInch = 300;
constexpr double kPageMarginMillimetres = 15;
// The page is laid out in pixels of a screen, which the sizes in its style sheet are
// given in, and scaled to the printed page.
constexpr double kLayoutDotsPerInch = 96;
constexpr double kMillimetresPerInch = 25.4;

// Draws the chart wherever the page's layout puts its object: as wide as the text, in the
// chart's own proportions.
class ChartInPage : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

  public:
    explicit ChartInPage(RecordingChartView& chart) : chart_(chart) {}

    QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat&) override {
        const QTextFrameFormat frame = document->rootFrame()->frameFormat();
        const double width = (document->pageSize().width() > 0 ? document->pageSize().width()
                                                               : document->textWidth()) -
                             frame.leftMargin() - frame.rightMargin() - 2 * frame.padding() -
                             2 * frame.border() - 1;
        return {width, width * kChartPixels.height() / kChartPixels.width()};
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                    const QTextFormat&) override {
        chart_.render(painter, rect, chart_.rect());
    }

  private:
    RecordingChartView& chart_;
};

// The text under the anchor of that name, selected.
std::optional<QTextCursor> anchored(QTextDocument& document, const QString& name) {
    for (QTextBlock block = document.begin(); block != document.end(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment text = fragment.fragment();
            if (!text.charFormat().anchorNames().contains(name))
                continue;
            QTextCursor cursor(&document);
            cursor.setPosition(text.position());
            cursor.setPosition(text.position() + text.length(), QTextCursor::KeepAnchor);
            return cursor;
        }
    }
    return std::nullopt;
}

}  // namespace

ReportFormat reportFormatOf(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0
               ? ReportFormat::Pdf
               : ReportFormat::Html;
}

QByteArray debriefPdf(const ReportSource& source, const ReportHeading& heading) {
    RecordingChartView chart;
    chart.resize(kChartPixels);
    chart.showRecording(source.table, source.rows, source.title);
    chart.showDebrief(&source.debrief);
    // The chart lays itself out on posted events; shown off screen, it gets them.
    chart.setAttribute(Qt::WA_DontShowOnScreen);
    chart.show();
    QCoreApplication::sendPostedEvents();

    QTextDocument page;
    page.setHtml(
        QString::fromStdString(debriefPrintHtml(source.debrief.debrief, heading, kChartMarkup)));
    ChartInPage drawer(chart);
    page.documentLayout()->registerHandler(kChartObject, &drawer);
    if (std::optional<QTextCursor> place = anchored(page, kChartAnchor)) {
        QTextCharFormat object;
        object.setObjectType(kChartObject);
        place->insertText(QString(QChar::ObjectReplacementCharacter), object);
    }

    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    QPdfWriter writer(&out);
    writer.setResolution(kPdfDotsPerInch);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kPageMarginMillimetres, kPageMarginMillimetres,
                                               kPageMarginMillimetres, kPageMarginMillimetres),
                                     QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("Debrief"));
    writer.setCreator(QCoreApplication::applicationName());
    const QSizeF printed = writer.pageLayout().paintRect(QPageLayout::Millimeter).size();
    page.setPageSize(printed * kLayoutDotsPerInch / kMillimetresPerInch);
    page.print(&writer);
    return bytes;
}

std::optional<QString> writeDebriefReport(const QString& path, const ReportSource& source,
                                          const ReportHeading& heading) {
    const std::string bytes = reportFormatOf(path) == ReportFormat::Pdf
                                  ? debriefPdf(source, heading).toStdString()
                                  : debriefHtml(source.debrief.debrief, heading);
    if (auto error = writeWholeFile(std::filesystem::path(path.toStdU16String()), bytes))
        return QString::fromStdString(*error);
    return std::nullopt;
}

}  // namespace loopsim

#include "DebriefReport.moc"
