#include "app/window/ViewSync.h"

#include "app/window/UnitView.h"

namespace loopsim {

int ViewSync::sync(const ViewModel& model) {
    if (!first_ && model.revision() == shownRevision_)
        return 0;
    int shown = 0;
    for (const auto& [name, view] : model.elements()) {
        if (first_ || view.revision() > shownRevision_) {
            unit_.showElement(view);
            ++shown;
        }
    }
    first_ = false;
    shownRevision_ = model.revision();
    return shown;
}

}  // namespace loopsim
