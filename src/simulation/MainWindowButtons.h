#pragma once

#include "core/SimContext.h"

namespace loopsim {

// The main window's own buttons as the simulation sees them: "E&xit" (Command1) asks for the
// exit path; "Report &Bug" (Command3) opens the bug report form, which closes once one of its
// two send buttons has handed the report on (the sending itself is the window's).
// "&Options" (Command2) belongs to the options dialog.
class MainWindowButtons {
  public:
    explicit MainWindowButtons(SimContext& context);
};

}  // namespace loopsim
