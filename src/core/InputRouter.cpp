#include "core/InputRouter.h"

namespace loopsim {

ElementHandlers& InputRouter::on(const std::string& element) {
    withoutHandlers_.erase(element);
    return elements_[element];
}

void InputRouter::acceptWithoutHandlers(const std::string& element) {
    if (!elements_.contains(element))
        withoutHandlers_.insert(element);
}

const ElementHandlers* InputRouter::find(std::string_view element) const {
    auto found = elements_.find(element);
    return found == elements_.end() ? nullptr : &found->second;
}

bool InputRouter::accepts(std::string_view element) const {
    return elements_.contains(element) || withoutHandlers_.contains(element);
}

}  // namespace loopsim
