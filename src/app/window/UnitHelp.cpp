#include "app/window/UnitHelp.h"

#include <QPushButton>
#include <QShortcut>

#include "app/dialogs/HelpWindow.h"
#include "app/window/UnitView.h"

namespace loopsim {

HelpWindow& installHelp(UnitView& unit) {
    QWidget* window = unit.window();
    auto* help = new HelpWindow(window);
    const auto open = [help] {
        help->show();
        help->raise();
        help->activateWindow();
    };

    auto* button = new QPushButton(QStringLiteral("Help"));
    button->setObjectName(QStringLiteral("HelpButton"));
    button->setToolTip(
        QStringLiteral("A quick start, the two-button gestures and the keys (key F1)"));
    unit.place(button, kHelpButton, kControlTwips);
    QObject::connect(button, &QPushButton::clicked, help, open);

    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, help, open);
    return *help;
}

}  // namespace loopsim
