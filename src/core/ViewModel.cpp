#include "core/ViewModel.h"

namespace loopsim {

const std::string& ElementView::textOrEmpty() const {
    static const std::string empty;
    return text_ ? *text_ : empty;
}

// Most ticks write the text an element already shows: compare before making a copy.
ElementView& ElementView::setText(std::string_view text) {
    if (text_ && *text_ == text)
        return *this;
    return assign(text_, std::string(text));
}

ElementView& ElementView::setPicture(std::string_view picture) {
    if (picture_ && *picture_ == picture)
        return *this;
    return assign(picture_, std::string(picture));
}

ElementView& ElementView::setTag(std::string_view tag) {
    return assign(tag_, std::string(tag));
}

ElementView& ElementView::setGeometry(int left, int top, int width, int height) {
    assign(left_, left);
    assign(top_, top);
    assign(width_, width);
    return assign(height_, height);
}

ElementView& ViewModel::element(const std::string& name) {
    auto found = elements_.find(name);
    if (found == elements_.end())
        found = elements_.emplace(name, ElementView(name, revision_)).first;
    return found->second;
}

const ElementView* ViewModel::find(const std::string& name) const {
    auto found = elements_.find(name);
    return found == elements_.end() ? nullptr : &found->second;
}

}  // namespace loopsim
