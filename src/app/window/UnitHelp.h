// Help within reach of the unit: a Help button on the Controls panel and F1 anywhere in the
// main window open the Help window.
#pragma once

namespace loopsim {

class HelpWindow;
class UnitView;

// Places the Help button on the unit and binds F1 on its window; returns the Help window,
// owned by that window and shown on demand.
HelpWindow& installHelp(UnitView& unit);

}  // namespace loopsim
