// A check box whose tick belongs to the simulation. A click does not tick or untick it: it
// reports the tick the box shows now (clicked(bool)), the window turns that into a check or
// uncheck action, and the next redraw shows what the view model then holds.
#pragma once

#include <QCheckBox>

namespace loopsim {

class ActionCheckBox : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    void nextCheckState() override {}
};

}  // namespace loopsim
