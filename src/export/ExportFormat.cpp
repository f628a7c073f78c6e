#include "export/ExportFormat.h"

#include <algorithm>
#include <cctype>

#include "export/DiveCsv.h"
#include "export/SubsurfaceXml.h"
#include "export/Uddf.h"
#include "files/OutputFile.h"

namespace loopsim {

std::optional<ExportFormat> exportFormatOf(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".ssrf")
        return ExportFormat::Subsurface;
    if (extension == ".uddf")
        return ExportFormat::Uddf;
    if (extension == ".csv")
        return ExportFormat::Csv;
    return std::nullopt;
}

std::string exportText(const ExportedDive& dive, ExportFormat format) {
    switch (format) {
        case ExportFormat::Subsurface:
            return subsurfaceXml(dive);
        case ExportFormat::Uddf:
            return uddfXml(dive);
        case ExportFormat::Csv:
            break;
    }
    return diveCsv(dive);
}

std::optional<std::string> writeExport(const std::filesystem::path& path,
                                       const ExportedDive& dive) {
    const auto format = exportFormatOf(path);
    if (!format)
        return "cannot write " + path.string() + ": not a .ssrf, .uddf or .csv file";
    return writeWholeFile(path, exportText(dive, *format));
}

}  // namespace loopsim
