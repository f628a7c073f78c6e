#include "core/Dialogs.h"

#include <algorithm>

namespace loopsim {

void Dialogs::open(const std::string& name) {
    if (!isOpen(name))
        open_.push_back(name);
}

void Dialogs::close(const std::string& name) {
    std::erase(open_, name);
}

bool Dialogs::isOpen(const std::string& name) const {
    return std::find(open_.begin(), open_.end(), name) != open_.end();
}

bool Dialogs::closePrompt(std::optional<std::string> answer) {
    if (!prompt_)
        return false;
    auto onClose = std::move(prompt_->onClose);
    prompt_.reset();
    if (onClose)
        onClose(std::move(answer));
    return true;
}

}  // namespace loopsim
