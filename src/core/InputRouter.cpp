#include "core/InputRouter.h"

namespace loopsim {

ElementHandlers& InputRouter::on(const std::string& element) {
    return elements_[element];
}

const ElementHandlers* InputRouter::find(const std::string& element) const {
    auto found = elements_.find(element);
    return found == elements_.end() ? nullptr : &found->second;
}

}  // namespace loopsim
