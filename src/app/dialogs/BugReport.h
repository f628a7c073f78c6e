// The bug report's texts: the severity list, the report text and the mail that carries it.
// The support address comes first in the report so that someone who pastes the report into
// a mail by hand finds the address in it; with no address set there is none (never a
// made-up one). The program's version follows the severity, and the session log, when the
// user chose to send it, closes the report.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace loopsim {

inline constexpr const char* kBugReportSubject = "TarvenLoopSIm Bug Report";

// The five severity entries, most severe first.
QStringList severityEntries();

struct BugReportContent {
    QString address;  // empty when none is set
    QString description;
    QString severity;
    QString version;     // "Version 1.2.3"
    QString sessionLog;  // empty unless the user agreed to send it
};

// The address (when there is one), the description, the severity and the version joined by
// " || ", then the session log after a line of its own.
QString bugReportText(const BugReportContent& content);

// A mailto: link to address with the subject and the report as the body, every character
// outside the unreserved ones percent-encoded and line breaks sent as CR LF.
QUrl bugReportMailUrl(const QString& address, const QString& report);

// The support address from group "Settings", key "SupportAddress", trimmed; empty when none
// is set.
QString supportAddress(const QSettings& settings);

}  // namespace loopsim
