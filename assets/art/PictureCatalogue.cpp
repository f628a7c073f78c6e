#include "PictureCatalogue.h"

#include <QImageWriter>
#include <QString>
#include <map>
#include <stdexcept>
#include <string>

#include "ArtKit.h"
#include "DiverArt.h"
#include "GasArt.h"
#include "HandsetArt.h"
#include "LogoArt.h"
#include "PanelArt.h"
#include "PictureLayout.h"

namespace loopsim::assets {
namespace {

using Drawing = std::function<void(QPainter&)>;

Drawing handset(HandsetLook look) {
    return [look](QPainter& painter) { drawHandset(painter, look); };
}

std::map<std::string_view, Drawing> drawingsByName() {
    const auto held = [](bool left, bool middle, bool right) {
        return handset({true, left, middle, right, GestureHint::None});
    };
    return {
        {"HSOn.jpg", held(false, false, false)},
        {"HSOff.jpg", handset({false, false, false, false, GestureHint::None})},
        {"HSLeft.jpg", held(true, false, false)},
        {"HSMid.jpg", held(false, true, false)},
        {"HSRight.jpg", held(false, false, true)},
        {"HSBothOuter.jpg", held(true, false, true)},
        {"HSBothRight.jpg", held(false, true, true)},
        {"HSLineOuters.jpg", handset({true, false, false, false, GestureHint::BothOuter})},
        {"HSLineRights.jpg", handset({true, false, false, false, GestureHint::BothRight})},
        {"MouthO.jpg", [](QPainter& p) { drawMouthpiece(p, true); }},
        {"MouthC.jpg", [](QPainter& p) { drawMouthpiece(p, false); }},
        {"RegulatorLarge.jpg", drawRegulatorLarge},
        {"RegulatorSmall.jpg", drawRegulatorSmall},
        {"BailOut.jpg", drawBailOutButton},
        {"O2Valve.jpg", [](QPainter& p) { drawCylinderValve(p, Gas::Oxygen); }},
        {"DiluentValve.jpg", [](QPainter& p) { drawCylinderValve(p, Gas::Diluent); }},
        {"O2Butt.jpg", [](QPainter& p) { drawManualAddButton(p, Gas::Oxygen); }},
        {"DiluentButt.jpg", [](QPainter& p) { drawManualAddButton(p, Gas::Diluent); }},
        {"ManualAddMissing.jpg", drawMissingAddButton},
        {"AdvButt.jpg", drawAdvButton},
        {"Dump.jpg", [](QPainter& p) { drawDumpValve(p, false); }},
        {"DumpFail.jpg", [](QPainter& p) { drawDumpValve(p, true); }},
        {"Counterlung.jpg", drawCounterlung},
        {"ArrowUp.jpg", [](QPainter& p) { drawArrowButton(p, true); }},
        {"ArrowDown.jpg", [](QPainter& p) { drawArrowButton(p, false); }},
        {"Unit.jpg", drawUnitOverview},
        {"LogoOrganisation.jpg", drawOrganisationLogo},
        {"LogoSimulator.jpg", drawSimulatorLogo},
    };
}

}  // namespace

std::vector<PictureRecipe> pictureRecipes() {
    std::map<std::string_view, Drawing> drawings = drawingsByName();
    std::vector<PictureRecipe> recipes;
    for (const PictureSize& size : kPictureSizes) {
        const auto found = drawings.find(size.fileName);
        if (found == drawings.end()) {
            throw std::logic_error("no drawing for " + std::string(size.fileName));
        }
        recipes.push_back({size.fileName, size.widthTwips, size.heightTwips, found->second});
    }
    return recipes;
}

QImage renderPicture(const PictureRecipe& recipe) {
    return paintPicture(recipe.widthTwips, recipe.heightTwips, recipe.draw);
}

void writePictures(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    for (const PictureRecipe& recipe : pictureRecipes()) {
        const std::filesystem::path file = folder / recipe.fileName;
        QImageWriter writer(QString::fromStdString(file.string()), "jpg");
        writer.setQuality(kJpegQuality);
        writer.setOptimizedWrite(true);
        if (!writer.write(renderPicture(recipe))) {
            throw std::runtime_error("cannot write picture " + file.string() + ": " +
                                     writer.errorString().toStdString());
        }
    }
}

}  // namespace loopsim::assets
