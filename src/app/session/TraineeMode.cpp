#include "app/session/TraineeMode.h"

#include <QCheckBox>
#include <QSettings>

#include "app/dialogs/OptionsWindow.h"
#include "app/session/AppSettings.h"
#include "app/window/MainWindow.h"
#include "app/window/TraineeMask.h"
#include "app/window/UnitView.h"

namespace loopsim {

void installTraineeMode(MainWindow& window, OptionsWindow& options) {
    auto* mask = new TraineeMask(window.unit());
    const bool stored = QSettings(QString::fromLatin1(kSettingsOrganization),
                                  QString::fromLatin1(kSettingsApplication))
                            .value(QString::fromLatin1(kTraineeModeKey), false)
                            .toBool();
    mask->setActive(stored);
    options.traineeModeBox()->setChecked(stored);
    QObject::connect(&options, &OptionsWindow::traineeModeToggled, mask, [mask](bool on) {
        mask->setActive(on);
        QSettings(QString::fromLatin1(kSettingsOrganization),
                  QString::fromLatin1(kSettingsApplication))
            .setValue(QString::fromLatin1(kTraineeModeKey), on);
    });
}

}  // namespace loopsim
