#include "app/dialogs/BugReportForm.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/dialogs/BugReport.h"
#include "app/dialogs/DialogPresenter.h"
#include "app/dialogs/StartupWarning.h"
#include "app/dialogs/UserMessages.h"
#include "core/Elements.h"

namespace loopsim {
namespace {

template <typename Widget, typename... Args>
Widget* named(const QString& name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

}  // namespace

BugReportForm::BugReportForm(const QString& supportAddress, UserMessages& messages, QWidget* parent,
                             UrlOpener openUrl, QString sessionLogPath)
    : QDialog(parent),
      supportAddress_(supportAddress),
      messages_(messages),
      openUrl_(openUrl ? std::move(openUrl) : UrlOpener(&QDesktopServices::openUrl)),
      sessionLogPath_(std::move(sessionLogPath)) {
    setWindowTitle(QStringLiteral("Bug Reporting Form"));

    auto* descriptionLabel =
        named<QLabel>(QStringLiteral("Label1"), QStringLiteral("Description of Bug"));
    description_ = named<QPlainTextEdit>(QStringLiteral("Text1"));
    description_->setTabChangesFocus(true);
    descriptionLabel->setBuddy(description_);
    auto* severityLabel = named<QLabel>(QStringLiteral("Label2"), QStringLiteral("Severity"));
    severity_ = named<QComboBox>(QStringLiteral("Combo1"));
    severity_->setEditable(true);
    severity_->addItems(severityEntries());
    severity_->setCurrentIndex(-1);
    severityLabel->setBuddy(severity_);
    auto* instructions = named<QLabel>(
        QStringLiteral("Label3"),
        QStringLiteral("If a mail program is set up on this computer, use the left button: it "
                       "opens a new mail with the report filled in, ready to send. Otherwise use "
                       "Manual Send: the report is copied to the clipboard; paste it into a new "
                       "mail to the support address, which is written at its start."));
    instructions->setWordWrap(true);
    if (supportAddress_.isEmpty())
        instructions->setText(instructions->text() + QLatin1Char(' ') +
                              QString::fromLatin1(kNoSupportAddressText));
    if (!sessionLogPath_.isEmpty() && QFile::exists(sessionLogPath_)) {
        sessionLogBox_ = named<QCheckBox>(QStringLiteral("SessionLogBox"),
                                          QStringLiteral("Send the log of this session with it"));
        sessionLogBox_->setToolTip(
            QStringLiteral("Every action of the session so far, which lets support play it again"));
    }
    auto* mailButton = named<QPushButton>(widgetNameOf(elements::kMailSendButton),
                                          QStringLiteral("Send Using Outlook"));
    auto* manualButton = named<QPushButton>(widgetNameOf(elements::kManualSendButton),
                                            QStringLiteral("Manual Send"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(descriptionLabel, 0, 0, 1, 2);
    layout->addWidget(description_, 1, 0, 1, 2);
    layout->addWidget(severityLabel, 2, 0, 1, 2);
    layout->addWidget(severity_, 3, 0, 1, 2);
    if (sessionLogBox_)
        layout->addWidget(sessionLogBox_, 4, 0, 1, 2);
    layout->addWidget(instructions, 5, 0, 1, 2);
    layout->addWidget(mailButton, 6, 0);
    layout->addWidget(manualButton, 6, 1);
    resize(480, 360);

    connect(mailButton, &QPushButton::clicked, this, &BugReportForm::sendByMail);
    connect(manualButton, &QPushButton::clicked, this, &BugReportForm::sendManually);
}

QString BugReportForm::reportText() const {
    QString log;
    if (sessionLogBox_ && sessionLogBox_->isChecked()) {
        QFile file(sessionLogPath_);
        if (file.open(QIODevice::ReadOnly))
            log = QString::fromUtf8(file.readAll());
    }
    return bugReportText({supportAddress_, description_->toPlainText(), severity_->currentText(),
                          StartupWarning::versionText(), log});
}

void BugReportForm::copyReport() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(reportText());
}

void BugReportForm::sendByMail() {
    if (!openUrl_(bugReportMailUrl(supportAddress_, reportText()))) {
        copyReport();
        messages_.showMessage(this, QString::fromLatin1(kMailFailureMessage) +
                                        QStringLiteral("\n\n") +
                                        QString::fromLatin1(kNoMailProgramMessage));
        return;
    }
    accept();
}

void BugReportForm::sendManually() {
    copyReport();
    QString told = QString::fromLatin1(kManualSendMessage);
    if (supportAddress_.isEmpty())
        told += QStringLiteral("\n\n") + QString::fromLatin1(kNoSupportAddressText);
    messages_.showMessage(this, told);
    accept();
}

}  // namespace loopsim
