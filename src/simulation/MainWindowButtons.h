#pragma once

#include "core/SimContext.h"

namespace loopsim {

// The main window's own buttons as the simulation sees them: "E&xit" asks for the exit
// path; "Report &Bug" opens the bug report form, which closes once one of its two send
// buttons has handed the report on (the sending itself is the window's). "&Options"
// belongs to the options dialog.
class MainWindowButtons {
  public:
    explicit MainWindowButtons(SimContext& context);
};

}  // namespace loopsim
