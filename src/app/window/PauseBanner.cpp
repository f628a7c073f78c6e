#include "app/window/PauseBanner.h"

#include "app/window/UnitView.h"

namespace loopsim {
namespace {

// Over the heading band, above both handsets.
constexpr TwipRect kBannerPlace{960, 120, 10800, 960};
constexpr int kBannerFontTwips = 280;

}  // namespace

PauseBanner::PauseBanner(UnitView& unit) {
    setObjectName(QStringLiteral("PauseBanner"));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(
        QStringLiteral("QLabel { background: rgba(24, 32, 44, 215); color: #ffd24a;"
                       " border: 2px solid #ffd24a; border-radius: 6px;"
                       " font-weight: bold; }"));
    unit.place(this, kBannerPlace, kBannerFontTwips);
    hide();
}

void PauseBanner::setPaused(bool paused) {
    if (paused == paused_)
        return;
    paused_ = paused;
    setText(QString::fromLatin1(kPausedText));
    setVisible(paused);
    if (paused)
        raise();
}

void PauseBanner::noteIgnoredClick() {
    setText(QString::fromLatin1(kPausedText) + QLatin1Char('\n') +
            QString::fromLatin1(kIgnoredClickText));
}

}  // namespace loopsim
