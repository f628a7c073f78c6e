// One image showing every generated picture as written to disk, each labelled with its file
// name and pixel size: for a person to review the art at a glance.
#pragma once

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

namespace loopsim::assets {

// Only the pictures named in `only`, or all of them when it is empty.
QImage contactSheet(const std::filesystem::path& pictureFolder,
                    const std::vector<std::string>& only = {});

}  // namespace loopsim::assets
