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

QString bugReportText(const QString& address, const QString& description, const QString& severity) {
    return address + QStringLiteral(" || ") + description + QStringLiteral(" || ") + severity;
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
    const QString address = settings.value(QStringLiteral("Settings/SupportAddress")).toString();
    return address.trimmed().isEmpty() ? QString::fromLatin1(kDefaultSupportAddress)
                                       : address.trimmed();
}

}  // namespace loopsim
