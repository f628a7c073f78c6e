// The bug report window: a description, a severity, whether to send the session log, and
// two ways to send them to support. The first button hands the report to the user's mail
// program as a mailto: link; when nothing takes the link the report goes on the clipboard,
// the user is told how to send it by hand, and the window stays open. "Manual Send" puts the
// report on the clipboard for the user to paste into a mail. Tab moves between the fields.
#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace loopsim {

class UserMessages;

inline constexpr const char* kMailFailureMessage =
    "Sorry, there appears to be a problem initialising your email system";
inline constexpr const char* kNoMailProgramMessage =
    "No mail program took the report, so it is now on the clipboard: paste it into a new mail "
    "in whatever you send mail with.";
inline constexpr const char* kNoSupportAddressText =
    "No support address is set (key SupportAddress in the simulator's settings): ask your "
    "instructor where to send the report.";
inline constexpr const char* kManualSendMessage =
    "Error text now copied to clipboard, go to your email program and paste the text into the "
    "text box. The email address to send to is at the start of the message";

class BugReportForm : public QDialog {
    Q_OBJECT

  public:
    // Opens a link with the desktop's handler; false when nothing took it.
    using UrlOpener = std::function<bool(const QUrl&)>;

    // sessionLogPath: the log the user may send along; the box is there only when it exists.
    BugReportForm(const QString& supportAddress, UserMessages& messages, QWidget* parent = nullptr,
                  UrlOpener openUrl = {}, QString sessionLogPath = {});

    QString reportText() const;

    QCheckBox* sessionLogBox() const { return sessionLogBox_; }

  private:
    void copyReport();
    void sendByMail();
    void sendManually();

    QString supportAddress_;
    UserMessages& messages_;
    UrlOpener openUrl_;

    QPlainTextEdit* description_;
    QComboBox* severity_;
    QString sessionLogPath_;
    QCheckBox* sessionLogBox_ = nullptr;
};

}  // namespace loopsim
