// Brings the window up to date with the view model: every revision in the model is newer
// than all before it, so the elements to redraw are exactly those whose revision is above
// the model's revision at the previous sync.
#pragma once

#include <cstdint>

#include "core/ViewModel.h"

namespace loopsim {

class UnitView;

class ViewSync {
  public:
    explicit ViewSync(UnitView& unit) : unit_(unit) {}

    // Shows every element that changed since the last sync; returns how many it showed.
    int sync(const ViewModel& model);

  private:
    UnitView& unit_;
    std::uint64_t shownRevision_ = 0;
    bool first_ = true;
};

}  // namespace loopsim
