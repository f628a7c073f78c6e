#include "app/window/UnitKeys.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>
#include <array>

#include "app/window/UnitView.h"
#include "core/Elements.h"

namespace loopsim {
namespace {

using namespace elements;

// The left handset's keys on the left of the keyboard, the right handset's on the right,
// the gas controls on the number row.
constexpr std::array kKeys{
    UnitKey{kLeftHandset.leftButton, Qt::Key_Q, "Left handset: left button (YES, Down)"},
    UnitKey{kLeftHandset.middleButton, Qt::Key_W, "Left handset: middle button (Confirm)"},
    UnitKey{kLeftHandset.rightButton, Qt::Key_E, "Left handset: right button (NO, Up)"},
    UnitKey{kLeftHandset.bothOuterButtons, Qt::Key_A, "Left handset: both outer buttons"},
    UnitKey{kLeftHandset.bothRightButtons, Qt::Key_S, "Left handset: both right buttons"},
    UnitKey{kLeftHandset.powerSwitch, Qt::Key_Z, "Left handset: hardware switch"},
    UnitKey{kRightHandset.leftButton, Qt::Key_I, "Right handset: left button (YES, Down)"},
    UnitKey{kRightHandset.middleButton, Qt::Key_O, "Right handset: middle button (Confirm)"},
    UnitKey{kRightHandset.rightButton, Qt::Key_P, "Right handset: right button (NO, Up)"},
    UnitKey{kRightHandset.bothOuterButtons, Qt::Key_K, "Right handset: both outer buttons"},
    UnitKey{kRightHandset.bothRightButtons, Qt::Key_L, "Right handset: both right buttons"},
    UnitKey{kRightHandset.powerSwitch, Qt::Key_M, "Right handset: hardware switch"},
    UnitKey{kOxygenValve, Qt::Key_1, "Oxygen cylinder valve"},
    UnitKey{kOxygenButton, Qt::Key_2, "Oxygen manual add (held)"},
    UnitKey{kDiluentValve, Qt::Key_3, "Diluent cylinder valve"},
    UnitKey{kDiluentButton, Qt::Key_4, "Diluent manual add (held)"},
    UnitKey{kAdvButton, Qt::Key_5, "ADV, operated by hand (held)"},
    UnitKey{kDumpValve, Qt::Key_6, "Dump valve (held)"},
    UnitKey{kMouthpiece, Qt::Key_7, "Mouthpiece open and closed"},
    UnitKey{kRegulator, Qt::Key_8, "Breathe from the loop, or stop"},
    UnitKey{kAscendArrow, Qt::Key_PageUp, "Ascend one step"},
    UnitKey{kDescendArrow, Qt::Key_PageDown, "Descend one step"},
};

const UnitKey* keyOf(int key) {
    for (const UnitKey& unitKey : kKeys)
        if (unitKey.key == key)
            return &unitKey;
    return nullptr;
}

}  // namespace

std::span<const UnitKey> unitKeys() {
    return kKeys;
}

QString keyNameFor(std::string_view element) {
    for (const UnitKey& unitKey : kKeys)
        if (element == unitKey.element)
            return QKeySequence(unitKey.key).toString(QKeySequence::NativeText);
    return {};
}

UnitKeys::UnitKeys(QWidget& window, const UnitView& unit, std::function<void(const Action&)> act)
    : QObject(&window), unit_(unit), act_(std::move(act)) {
    window.installEventFilter(this);
}

bool UnitKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const UnitKey* unitKey = keyOf(key->key());
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const QWidget* element = unitKey ? unit_.element(unitKey->element) : nullptr;
    if (!element || !plain || !element->isVisible())
        return false;
    // A key held down repeats; the unit sees one press and one release, as from the mouse.
    if (key->isAutoRepeat())
        return true;
    if (event->type() == QEvent::KeyPress) {
        act_(Action{Verb::Press, unitKey->element, {}});
    } else {
        act_(Action{Verb::Release, unitKey->element, {}});
        act_(Action{Verb::Click, unitKey->element, {}});
    }
    return true;
}

}  // namespace loopsim
