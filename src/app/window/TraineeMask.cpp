#include "app/window/TraineeMask.h"

#include <QLabel>
#include <string_view>

#include "app/window/UnitLayout.h"
#include "app/window/UnitView.h"
#include "core/Elements.h"

namespace loopsim {
namespace {

constexpr int kCoverFontTwips = 200;

}  // namespace

TraineeMask::TraineeMask(UnitView& unit) : QObject(&unit) {
    for (const char* hidden : {elements::kLoopPO2, elements::kCellMillivolts}) {
        for (const ElementDesign& design : unitElements()) {
            if (std::string_view(design.name) != hidden)
                continue;
            auto* cover = new QLabel(QString::fromLatin1(kTraineeCoverText));
            cover->setObjectName(QStringLiteral("TraineeCover.") + QString::fromLatin1(hidden));
            cover->setAlignment(Qt::AlignCenter);
            cover->setToolTip(QStringLiteral("Hidden in trainee mode (Options window)"));
            cover->setStyleSheet(
                QStringLiteral("QLabel { background: #d8dde3; color: #5a6470;"
                               " border: 1px solid #96a0ac; }"));
            unit.place(cover, design.rect, kCoverFontTwips);
            cover->hide();
            covers_.push_back(cover);
        }
    }
}

void TraineeMask::setActive(bool active) {
    active_ = active;
    for (QLabel* cover : covers_) {
        cover->setVisible(active);
        if (active)
            cover->raise();
    }
}

}  // namespace loopsim
