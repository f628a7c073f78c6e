// Every generated picture by file name: its layout size (PictureLayout.h) and the drawing that
// fills it. Pictures are written as JPEG at a fixed quality, so each build writes the same
// bytes.
#pragma once

#include <QImage>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

namespace loopsim::assets {

inline constexpr int kJpegQuality = 92;

struct PictureRecipe {
    std::string_view fileName;
    int widthTwips = 0;
    int heightTwips = 0;
    std::function<void(QPainter&)> draw;
};

std::vector<PictureRecipe> pictureRecipes();

QImage renderPicture(const PictureRecipe& recipe);

// Writes every picture into `folder`, creating it if needed. Throws std::runtime_error naming
// the file that could not be written.
void writePictures(const std::filesystem::path& folder);

}  // namespace loopsim::assets
