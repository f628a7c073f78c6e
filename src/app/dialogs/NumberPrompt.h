// The typed-value prompt as the window shows it: the unit's question over the values it
// takes, wide enough for its title. OK with text that is not a number keeps the prompt open
// and says so, so only numbers reach the simulation from the window.
#pragma once

#include <QInputDialog>

#include "core/Dialogs.h"

namespace loopsim {

class NumberPrompt : public QInputDialog {
    Q_OBJECT

  public:
    NumberPrompt(QWidget* parent, const TextPrompt& prompt);

    void done(int result) override;

  private:
    QString question_;
};

}  // namespace loopsim
