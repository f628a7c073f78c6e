#include "files/FileText.h"

#include <fstream>
#include <sstream>

namespace loopsim {

std::optional<std::string> readFileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream contents;
    contents << in.rdbuf();
    return std::move(contents).str();
}

}  // namespace loopsim
