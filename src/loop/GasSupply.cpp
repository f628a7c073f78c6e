#include "loop/GasSupply.h"

namespace loopsim {

GasSupply::GasSupply(SimContext& context)
    : context_(context),
      advOn_(context.view.element("ADVOn")),
      advButton_(context.view.element("Image17")) {
    advButton_.setVisible(true);

    auto& advBox = context.input.on("ADVOn");
    advBox.kind = ElementHandlers::Kind::CheckBox;
    advBox.click = [this] { advBoxClicked(); };
}

void GasSupply::advBoxClicked() {
    advButton_.setVisible(advOn_.isChecked());
}

}  // namespace loopsim
