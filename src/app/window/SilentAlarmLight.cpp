#include "app/window/SilentAlarmLight.h"

#include "app/window/UnitView.h"

namespace loopsim {
namespace {

// In the volume panel, below the loop PO2.
constexpr TwipRect kLightPlace{13980, 4200, 1440, 720};
constexpr int kLightFontTwips = 300;

const QString kOn = QStringLiteral(
    "QLabel { background: #d02020; color: white;"
    " border: 2px solid #701010; border-radius: 6px;"
    " font-weight: bold; }");
const QString kOff = QStringLiteral(
    "QLabel { background: #f0c8c8; color: #701010;"
    " border: 2px solid #701010; border-radius: 6px;"
    " font-weight: bold; }");

}  // namespace

bool isAlarmSound(const std::string& file) {
    const QString name = QString::fromStdString(file).toLower();
    return name == QLatin1String("lowo2.wav") || name == QLatin1String("alarm.wav");
}

SilentAlarmLight::SilentAlarmLight(UnitView& unit) : QLabel(QString::fromLatin1(kSilentAlarmText)) {
    setObjectName(QStringLiteral("SilentAlarmLight"));
    setAlignment(Qt::AlignCenter);
    setToolTip(
        QStringLiteral("No sound device: this light flashes where the unit sounds an alarm"));
    setStyleSheet(kOn);
    unit.place(this, kLightPlace, kLightFontTwips);
    hide();
    stop_.setSingleShot(true);
    connect(&stop_, &QTimer::timeout, this, &SilentAlarmLight::goDark);
    connect(&flash_, &QTimer::timeout, this,
            [this] { setStyleSheet(styleSheet() == kOn ? kOff : kOn); });
}

void SilentAlarmLight::light() {
    if (!lit()) {
        setStyleSheet(kOn);
        show();
        raise();
        flash_.start(kFlashMilliseconds);
    }
    stop_.start(kLitMilliseconds);
}

void SilentAlarmLight::goDark() {
    stop_.stop();
    flash_.stop();
    hide();
}

}  // namespace loopsim
