// The handset pictures against the window's hot areas: the drawn parts lie inside them on
// both handsets, and each picture changes exactly the parts it marks.
#include <gtest/gtest.h>

#include <QImage>
#include <QRectF>
#include <cmath>

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

TEST(HandsetPictureTest, DrawnPartsLieInsideTheWindowsHotAreasOfBothHandsets) {
    const HandsetParts p = handsetParts();
    for (const auto& [areas, shift] :
         {std::pair{kLeftHandsetAreas, 0}, {kRightHandsetAreas, kHandsetSpacing}}) {
        const QPointF origin(kLeftHandsetPicture.left + shift, kLeftHandsetPicture.top);
        const std::pair<QRectF, TwipRect> parts[] = {
            {around(p.leftButton, p.buttonRadius), areas.leftButton},
            {around(p.middleButton, p.buttonRadius), areas.middleButton},
            {around(p.rightButton, p.buttonRadius), areas.rightButton},
            {p.switchSlot, areas.hardwareSwitch},
            {p.bothOuterMark, areas.bothOuterButtons},
            {p.bothRightMark, areas.bothRightButtons},
        };
        for (std::size_t i = 0; i < std::size(parts); ++i)
            EXPECT_TRUE(inWindow(parts[i].second).contains(parts[i].first.translated(origin)))
                << "handset at " << shift << ", part " << i;
        EXPECT_EQ(inWindow(kHandsetDisplay).translated(origin), inWindow(areas.display)) << shift;
    }
}

QImage rendered(std::string_view name) {
    for (const PictureRecipe& recipe : pictureRecipes())
        if (recipe.fileName == name)
            return renderPicture(recipe);
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
            if (std::hypot(x - centre.x(), y - centre.y()) > radius)
                continue;
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q));
            ++count;
        }
    }
    return total / count;
}

// Each picture against the idle one: what it marks (left, middle and right button, switch)
// differs, the rest stays as it was.
TEST(HandsetPictureTest, EachPictureChangesExactlyItsOwnPartsOfTheIdleHandset) {
    const std::pair<const char*, std::array<bool, 4>> rows[] = {
        {"HSLeft.jpg", {true, false, false, false}},
        {"HSMid.jpg", {false, true, false, false}},
        {"HSRight.jpg", {false, false, true, false}},
        {"HSBothOuter.jpg", {true, false, true, false}},
        {"HSBothRight.jpg", {false, true, true, false}},
        {"HSLineOuters.jpg", {true, false, true, false}},
        {"HSLineRights.jpg", {false, true, true, false}},
        {"HSOff.jpg", {false, false, false, true}},
    };
    const HandsetParts p = handsetParts();
    // Wide enough to take in the ring that the hint pictures draw around a button.
    const qreal ring = p.buttonRadius * 1.4;
    const std::pair<QPointF, qreal> areas[] = {{p.leftButton, ring},
                                               {p.middleButton, ring},
                                               {p.rightButton, ring},
                                               {p.switchSlot.center(), p.switchSlot.height() / 2}};
    const QImage idle = rendered("HSOn.jpg");
    for (const auto& [name, marks] : rows) {
        const QImage picture = rendered(name);
        for (std::size_t i = 0; i < std::size(areas); ++i) {
            const double difference =
                differenceAround(idle, picture, areas[i].first, areas[i].second);
            if (marks[i]) {
                EXPECT_GT(difference, 20.0) << name << " should mark part " << i;
            } else {
                EXPECT_LT(difference, 1.0) << name << " should leave part " << i;
            }
        }
    }
}

}  // namespace
}  // namespace loopsim::assets
