// What the window shows of each element, kept in the core as plain data under the
// element's own name (Label14, Shape3, ClungVolBar, Options.Check5). Handlers write it;
// the window only draws it. Every change bumps a revision so a drawer can redraw just
// what changed since it last looked. Properties that an element never had stay unset.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace loopsim {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

class ElementView {
  public:
    ElementView(std::string name, std::uint64_t& revisionCounter)
        : name_(std::move(name)), counter_(&revisionCounter) {}

    const std::string& name() const { return name_; }
    std::uint64_t revision() const { return revision_; }

    // Label caption, frame title or button caption.
    const std::optional<std::string>& text() const { return text_; }
    const std::optional<bool>& visible() const { return visible_; }
    const std::optional<std::string>& picture() const { return picture_; }
    const std::optional<Rgb>& fill() const { return fill_; }
    const std::optional<Rgb>& border() const { return border_; }
    const std::optional<int>& borderWidth() const { return borderWidth_; }
    const std::optional<int>& left() const { return left_; }
    const std::optional<int>& top() const { return top_; }
    const std::optional<int>& width() const { return width_; }
    const std::optional<int>& height() const { return height_; }
    const std::optional<bool>& checked() const { return checked_; }
    const std::optional<int>& value() const { return value_; }
    const std::optional<std::string>& tag() const { return tag_; }

    bool isVisible() const { return visible_.value_or(true); }
    bool isChecked() const { return checked_.value_or(false); }
    const std::string& textOrEmpty() const;

    ElementView& setText(std::string_view text);
    ElementView& setVisible(bool visible) { return assign(visible_, visible); }
    ElementView& setPicture(std::string_view picture);
    ElementView& setFill(Rgb colour) { return assign(fill_, colour); }
    ElementView& setBorder(Rgb colour) { return assign(border_, colour); }
    ElementView& setBorderWidth(int width) { return assign(borderWidth_, width); }
    ElementView& setGeometry(int left, int top, int width, int height);
    ElementView& setHeight(int height) { return assign(height_, height); }
    ElementView& setChecked(bool checked) { return assign(checked_, checked); }
    ElementView& setValue(int value) { return assign(value_, value); }
    ElementView& setTag(std::string_view tag);

  private:
    template <typename T>
    ElementView& assign(std::optional<T>& property, const T& value) {
        if (!property || !(*property == value)) {
            property = value;
            revision_ = ++*counter_;
        }
        return *this;
    }

    std::string name_;
    std::uint64_t* counter_;
    std::uint64_t revision_ = 0;
    std::optional<std::string> text_;
    std::optional<bool> visible_;
    std::optional<std::string> picture_;
    std::optional<Rgb> fill_;
    std::optional<Rgb> border_;
    std::optional<int> borderWidth_;
    std::optional<int> left_;
    std::optional<int> top_;
    std::optional<int> width_;
    std::optional<int> height_;
    std::optional<bool> checked_;
    std::optional<int> value_;
    std::optional<std::string> tag_;
};

class ViewModel {
  public:
    ViewModel() = default;
    ViewModel(const ViewModel&) = delete;
    ViewModel& operator=(const ViewModel&) = delete;

    // The element of that name, created empty the first time. References stay valid.
    ElementView& element(const std::string& name);
    const ElementView* find(const std::string& name) const;
    const std::map<std::string, ElementView, std::less<>>& elements() const { return elements_; }
    std::uint64_t revision() const { return revision_; }

  private:
    std::uint64_t revision_ = 0;
    std::map<std::string, ElementView, std::less<>> elements_;
};

}  // namespace loopsim
