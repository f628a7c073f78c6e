// The bug report window: a description, a severity, and two ways to send them to support.
// The first button hands the report to the user's mail program as a mailto: link; when
// nothing takes the link the window stays open for "Manual Send", which puts the report on
// the clipboard for the user to paste into a mail.
#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>
#include <functional>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace loopsim {

class UserMessages;

inline constexpr const char* kMailFailureMessage =
    "Sorry, there appears to be a problem initialising your email system";
inline constexpr const char* kManualSendMessage =
    "Error text now copied to clipboard, go to your email program and paste the text into the "
    "text box. The email address to send to is at the start of the message";

class BugReportForm : public QDialog {
    Q_OBJECT

  public:
    // Opens a link with the desktop's handler; false when nothing took it.
    using UrlOpener = std::function<bool(const QUrl&)>;

    BugReportForm(const QString& supportAddress, UserMessages& messages, QWidget* parent = nullptr,
                  UrlOpener openUrl = {});

    QString reportText() const;

  private:
    void sendByMail();
    void sendManually();

    QString supportAddress_;
    UserMessages& messages_;
    UrlOpener openUrl_;

    QPlainTextEdit* description_;
    QComboBox* severity_;
};

}  // namespace loopsim
