// The debrief as a file an instructor hands to the trainee, in the format its name asks for:
// the report page as one self-contained HTML file, or a PDF of the same content made with
// Qt's own PDF writer. The PDF's text is the page laid out by Qt's text layout (the page
// without its SVG chart); the chart is the results viewer's own, drawn into the page where
// the SVG would be, in vector, over the whole session.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "core/Recording.h"
#include "debrief/ReportHtml.h"

namespace loopsim {

struct SessionDebrief;

enum class ReportFormat { Html, Pdf };

inline constexpr const char* kReportFilter = "HTML page (*.html);;PDF document (*.pdf)";

// PDF for a name ending in .pdf, in any letter case; HTML for every other name.
ReportFormat reportFormatOf(const QString& path);

// The recording's table and rows are what the chart draws, as the viewer draws them.
struct ReportSource {
    const SessionDebrief& debrief;
    const RecordTable& table;
    int rows = 0;
    QString title;  // the chart's title: the recording's name
};

QByteArray debriefPdf(const ReportSource& source, const ReportHeading& heading);

// Writes the report through a temporary file and a rename; why it could not be, or nothing.
std::optional<QString> writeDebriefReport(const QString& path, const ReportSource& source,
                                          const ReportHeading& heading);

}  // namespace loopsim
