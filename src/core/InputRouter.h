// Where pointer input goes: each window element that the unit handles is registered here
// with its handlers by the subsystem that owns it. Every other element the window shows (a
// readout, a frame) is accepted too and has no handlers, so input may name any element a
// state dump shows; a name the window does not know is unknown to the scenario runner.
// Events an element has no handler for are ignored, as the window would ignore them.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace loopsim {

struct ElementHandlers {
    enum class Kind { Plain, CheckBox, Slider } kind = Kind::Plain;
    std::function<void()> press;
    std::function<void()> release;
    std::function<void()> click;  // for a check box: runs after its value changed
    std::function<void()> dblclick;
    std::function<void()> move;
    std::function<void(int)> set;  // slider moved to a value
};

class InputRouter {
  public:
    // Registers an element; a second registration adds the handlers it sets.
    ElementHandlers& on(const std::string& element);
    // An element the window shows that nothing handles: input may name it, to no effect.
    void acceptWithoutHandlers(const std::string& element);

    // The handlers of a registered element; nothing for any other.
    const ElementHandlers* find(std::string_view element) const;
    // Whether input may name the element: registered, or accepted without handlers.
    bool accepts(std::string_view element) const;
    // The registered elements, those with handlers.
    const std::map<std::string, ElementHandlers, std::less<>>& elements() const {
        return elements_;
    }

  private:
    std::map<std::string, ElementHandlers, std::less<>> elements_;
    std::set<std::string, std::less<>> withoutHandlers_;
};

}  // namespace loopsim
