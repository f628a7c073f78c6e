#include <gtest/gtest.h>

#include <QImage>
#include <QRectF>
#include <cmath>
#include <map>
#include <string>
#include <tuple>

#include "HandsetArt.h"
#include "PictureCatalogue.h"
#include "PictureLayout.h"

namespace loopsim::assets {
namespace {

QRectF inWindow(const TwipRect& r) {
    return QRectF(r.left, r.top, r.width, r.height);
}

QRectF around(QPointF centre, qreal radius) {
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

struct Side {
    const char* name;
    HandsetAreas areas;
    QPointF pictureOrigin;
};

const Side kSides[] = {
    {"left", kLeftHandsetAreas, QPointF(kLeftHandsetPicture.left, kLeftHandsetPicture.top)},
    {"right", kRightHandsetAreas,
     QPointF(kLeftHandsetPicture.left + kHandsetSpacing, kLeftHandsetPicture.top)},
};

TEST(HandsetPictureTest, DrawnPartsLieInsideTheWindowsHotAreasOfBothHandsets) {
    const HandsetParts parts = handsetParts();
    for (const Side& side : kSides) {
        const QPointF o = side.pictureOrigin;
        const auto inside = [&](const QRectF& drawn, const TwipRect& area, const char* what) {
            EXPECT_TRUE(inWindow(area).contains(drawn.translated(o))) << side.name << " " << what;
        };
        inside(around(parts.leftButton, parts.buttonRadius), side.areas.leftButton, "left");
        inside(around(parts.middleButton, parts.buttonRadius), side.areas.middleButton, "middle");
        inside(around(parts.rightButton, parts.buttonRadius), side.areas.rightButton, "right");
        inside(parts.switchSlot, side.areas.hardwareSwitch, "switch");
        inside(parts.bothOuterMark, side.areas.bothOuterButtons, "both outer");
        inside(parts.bothRightMark, side.areas.bothRightButtons, "both right");
        EXPECT_EQ(inWindow(kHandsetDisplay).translated(o), inWindow(side.areas.display))
            << side.name << " display";
    }
}

QImage rendered(const std::string& name) {
    for (const PictureRecipe& recipe : pictureRecipes()) {
        if (recipe.fileName == name) {
            return renderPicture(recipe);
        }
    }
    ADD_FAILURE() << "no picture " << name;
    return {};
}

// Mean colour difference per pixel inside a circle of the picture, given in picture twips.
double differenceAround(const QImage& a, const QImage& b, QPointF centreTwips, qreal radiusTwips) {
    const double scale = static_cast<double>(kPixelsPerScale) / kTwipsPerScale;
    const QPointF centre = centreTwips * scale;
    const double radius = radiusTwips * scale;
    double total = 0;
    int count = 0;
    for (int y = static_cast<int>(centre.y() - radius); y <= centre.y() + radius; ++y) {
        for (int x = static_cast<int>(centre.x() - radius); x <= centre.x() + radius; ++x) {
            if (std::hypot(x - centre.x(), y - centre.y()) > radius) {
                continue;
            }
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q));
            ++count;
        }
    }
    return total / count;
}

// Each picture against the idle one: what it marks differs, the rest stays as it was.
TEST(HandsetPictureTest, EachPictureChangesExactlyItsOwnPartsOfTheIdleHandset) {
    struct Row {
        const char* picture;
        bool left, middle, right, switchOff;
    };
    const Row rows[] = {
        {"HSLeft.jpg", true, false, false, false},
        {"HSMid.jpg", false, true, false, false},
        {"HSRight.jpg", false, false, true, false},
        {"HSBothOuter.jpg", true, false, true, false},
        {"HSBothRight.jpg", false, true, true, false},
        {"HSLineOuters.jpg", true, false, true, false},
        {"HSLineRights.jpg", false, true, true, false},
        {"HSOff.jpg", false, false, false, true},
    };
    const HandsetParts parts = handsetParts();
    const QImage idle = rendered("HSOn.jpg");
    for (const Row& row : rows) {
        const QImage picture = rendered(row.picture);
        // Wide enough to take in the ring that the hint pictures draw around a button.
        const qreal ring = parts.buttonRadius * 1.4;
        const std::map<const char*, std::tuple<QPointF, qreal, bool>> areas{
            {"left", {parts.leftButton, ring, row.left}},
            {"middle", {parts.middleButton, ring, row.middle}},
            {"right", {parts.rightButton, ring, row.right}},
            {"switch", {parts.switchSlot.center(), parts.switchSlot.height() / 2, row.switchOff}},
        };
        for (const auto& [name, area] : areas) {
            const auto& [centre, radius, marked] = area;
            const double difference = differenceAround(idle, picture, centre, radius);
            if (marked) {
                EXPECT_GT(difference, 20.0) << row.picture << " should mark the " << name;
            } else {
                EXPECT_LT(difference, 1.0) << row.picture << " should leave the " << name;
            }
        }
    }
}

}  // namespace
}  // namespace loopsim::assets
