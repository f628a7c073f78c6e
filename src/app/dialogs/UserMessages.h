// The message boxes of the windows. The windows talk to this interface, so tests collect
// the messages instead of waiting for someone to press OK.
#pragma once

#include <QString>

class QWidget;

namespace loopsim {

class UserMessages {
  public:
    virtual ~UserMessages() = default;
    // Shows text with an OK button and returns when it is answered.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // Asks a question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
};

class MessageBoxMessages : public UserMessages {
  public:
    void showMessage(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
};

}  // namespace loopsim
