// The bug report form: its texts, the mail link handed to the desktop, and the clipboard.
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

#include "RecordingFiles.h"
#include "app/dialogs/BugReport.h"
#include "app/dialogs/BugReportForm.h"

using namespace loopsim;
using namespace loopsim::test;

namespace {

const QString kAddress = QStringLiteral("support@example.org");

template <typename Widget>
Widget* part(const QWidget& form, const char* name) {
    return form.findChild<Widget*>(QString::fromLatin1(name));
}

}  // namespace

// Stands in for the user's mail program.
class MailCatcher : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> urls;

  public slots:
    void openMail(const QUrl& url) { urls.append(url); }
};

class BugReportTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The report joins address, description and severity, also when they are empty.
    void theFormsCaptionsSeveritiesAndReport() {
        BugReportForm form(kAddress, messages_);
        QCOMPARE(wrongCaptions(form, {{"", "Bug Reporting Form"},
                                      {"Label1", "Description of Bug"},
                                      {"Label2", "Severity"},
                                      {"Command1", "Send Using Outlook"},
                                      {"Command2", "Manual Send"}}),
                 QStringList());
        QVERIFY(!part<QLabel>(form, "Label3")->text().isEmpty());
        auto* severity = part<QComboBox>(form, "Combo1");
        QStringList entries;
        for (int i = 0; i < severity->count(); ++i)
            entries.append(severity->itemText(i));
        QCOMPARE(entries, (QStringList{
                              "5 Severe. Program cannot be used",
                              "4 Major. Program difficult to use",
                              "3 Annoyong. Can use program but inconveniant",
                              "2 Slight. Minor inconveniance",
                              "1 None. For information only",
                          }));
        QVERIFY(severity->currentText().isEmpty());
        QCOMPARE(form.reportText(), QStringLiteral("support@example.org ||  || "));

        part<QPlainTextEdit>(form, "Text1")->setPlainText(QStringLiteral("Left display blank"));
        severity->setCurrentIndex(1);
        QCOMPARE(form.reportText(), QStringLiteral("support@example.org || Left display blank || "
                                                   "4 Major. Program difficult to use"));
        severity->setEditText(QStringLiteral("typed"));
        QVERIFY(form.reportText().endsWith(QStringLiteral(" || typed")));
    }

    void theMailGoesToTheDesktopWithSubjectRecipientAndBody() {
        MailCatcher mail;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &mail, "openMail");
        BugReportForm form(kAddress, messages_);
        form.show();
        part<QPlainTextEdit>(form, "Text1")
            ->setPlainText(
                QStringLiteral("Valve stuck & leaking\nDepth = 30 m + 100% O2 #1 \u00fc"));
        part<QComboBox>(form, "Combo1")->setCurrentIndex(0);
        const QString report = form.reportText();
        part<QPushButton>(form, "Command1")->click();
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));

        QCOMPARE(mail.urls.size(), 1);
        const QUrl url = mail.urls.front();
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), kAddress);
        QVERIFY(!url.hasFragment());
        const QUrlQuery query(url);
        QCOMPARE(query.queryItems().size(), 2);
        QCOMPARE(query.queryItemValue("subject", QUrl::FullyDecoded),
                 QStringLiteral("TarvenLoopSIm Bug Report"));
        QString expectedBody = report;
        expectedBody.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        QCOMPARE(query.queryItemValue("body", QUrl::FullyDecoded), expectedBody);
        const QByteArray encoded = url.toEncoded();
        for (const char* raw : {" ", "\n", "|", "+", "%\r"})
            QVERIFY2(!encoded.contains(raw), raw);
        QVERIFY(encoded.contains("%0D%0A"));

        QVERIFY(messages_.texts.isEmpty());
        QVERIFY(!form.isVisible());
    }

    // A refused mail keeps the form open; Manual Send puts the report on the clipboard.
    void aRefusedMailKeepsTheFormOpenForManualSend() {
        QGuiApplication::clipboard()->setText(QStringLiteral("something older"));
        BugReportForm form(kAddress, messages_, nullptr, [](const QUrl&) { return false; });
        form.show();
        part<QPlainTextEdit>(form, "Text1")->setPlainText(QStringLiteral("No sound"));
        part<QComboBox>(form, "Combo1")->setCurrentIndex(4);
        part<QPushButton>(form, "Command1")->click();
        QCOMPARE(
            messages_.texts,
            QStringList{"Sorry, there appears to be a problem initialising your email system"});
        QVERIFY(form.isVisible());

        part<QPushButton>(form, "Command2")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("support@example.org || No sound || 1 None. For information only"));
        QCOMPARE(messages_.texts.last(),
                 QStringLiteral("Error text now copied to clipboard, go to your email program and "
                                "paste the text into the text box. The email address to send to "
                                "is at the start of the message"));
        QVERIFY(!form.isVisible());
    }

    void theSupportAddressIsASetting() {
        QTemporaryDir folder;
        QSettings empty(folder.filePath("empty.ini"), QSettings::IniFormat);
        QCOMPARE(supportAddress(empty), QStringLiteral("support@example.org"));
        QSettings set(folder.filePath("set.ini"), QSettings::IniFormat);
        set.setValue("Settings/SupportAddress", "help@training.example.net");
        QCOMPARE(supportAddress(set), QStringLiteral("help@training.example.net"));
    }

    void init() { messages_ = CollectedMessages(); }

  private:
    CollectedMessages messages_;
};

QTEST_MAIN(BugReportTest)
#include "BugReportTest.moc"
