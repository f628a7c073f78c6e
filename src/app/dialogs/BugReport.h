// The bug report's texts: the severity list, the report text and the mail that carries it.
// The support address comes first in the report so that someone who pastes the report into
// a mail by hand finds the address in it.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace loopsim {

inline constexpr const char* kDefaultSupportAddress = "support@example.org";
inline constexpr const char* kBugReportSubject = "TarvenLoopSIm Bug Report";

// The five severity entries, most severe first.
QStringList severityEntries();

// The address, the description and the severity, joined by " || ".
QString bugReportText(const QString& address, const QString& description, const QString& severity);

// A mailto: link to address with the subject and the report as the body, every character
// outside the unreserved ones percent-encoded and line breaks sent as CR LF.
QUrl bugReportMailUrl(const QString& address, const QString& report);

// The support address from group "Settings", key "SupportAddress", or the default.
QString supportAddress(const QSettings& settings);

}  // namespace loopsim
