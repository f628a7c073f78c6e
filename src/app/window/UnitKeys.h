// The keyboard's way to the unit: a key for each handset button, gesture and switch and for
// the common gas controls. A key goes down as the pointer does on the element and comes up as
// it is let go there, so the unit gets the same press, release and click as from the mouse,
// held as long as the key is, and the session log replays it alike.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <span>

#include "core/Action.h"

class QWidget;

namespace loopsim {

struct UnitKey {
    const char* element;
    Qt::Key key;
    const char* what;  // the control, as the Help window lists it
};

std::span<const UnitKey> unitKeys();
// The key's name as the tooltips and the Help window show it, or empty for none.
QString keyNameFor(std::string_view element);

class UnitView;

// Sends the unit's keys, pressed anywhere in the window, to act: only for elements in view,
// which the mouse could reach.
class UnitKeys : public QObject {
  public:
    UnitKeys(QWidget& window, const UnitView& unit, std::function<void(const Action&)> act);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const UnitView& unit_;
    std::function<void(const Action&)> act_;
};

}  // namespace loopsim
