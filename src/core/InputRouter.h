// Where pointer input goes: each window element that the unit handles is registered here
// with its handlers by the subsystem that owns it. An element nobody registered is unknown
// to the scenario runner. Events an element has no handler for are ignored, as the window
// would ignore them.
#pragma once

#include <functional>
#include <map>
#include <string>

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
    const ElementHandlers* find(const std::string& element) const;
    const std::map<std::string, ElementHandlers, std::less<>>& elements() const {
        return elements_;
    }

  private:
    std::map<std::string, ElementHandlers, std::less<>> elements_;
};

}  // namespace loopsim
