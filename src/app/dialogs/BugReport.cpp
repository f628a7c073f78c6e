#include "app/dialogs/BugReport.h"

namespace loopsim {

QStringList severityEntries() {
    return {
        QStringLiteral("5 Severe. Program cannot be used"),
        QStringLiteral("4 Major. Program difficult to use"),
        QStringLiteral("3 Annoyong. Can use program but inconveniant"),
        QStringLiteral("2 Slight. Minor inconveniance"),
        QStringLiteral("1 None. For information only"),
    };
}

QString bugReportText(const BugReportContent& content) {
    QStringList fields{content.description, content.severity, content.version};
    if (!content.address.isEmpty())
        fields.prepend(content.address);
    QString text = fields.join(QStringLiteral(" || "));
    if (!content.sessionLog.isEmpty())
        text += QStringLiteral("\n\nSession log:\n") + content.sessionLog;
    return text;
}

QUrl bugReportMailUrl(const QString& address, const QString& report) {
    QString body = report;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    body.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const QByteArray query =
        "subject=" + QUrl::toPercentEncoding(QString::fromLatin1(kBugReportSubject)) +
        "&body=" + QUrl::toPercentEncoding(body);
    return QUrl::fromEncoded("mailto:" + QUrl::toPercentEncoding(address, "@") + "?" + query,
                             QUrl::StrictMode);
}

QString supportAddress(const QSettings& settings) {
    return settings.value(QStringLiteral("Settings/SupportAddress")).toString().trimmed();
}

}  // namespace loopsim
