// Which export a file name asks for, by its extension (in any letter case): Subsurface's
// XML for .ssrf, UDDF for .uddf, the CSV for .csv.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "export/ExportedDive.h"

namespace loopsim {

enum class ExportFormat { Subsurface, Uddf, Csv };

std::optional<ExportFormat> exportFormatOf(const std::filesystem::path& path);

std::string exportText(const ExportedDive& dive, ExportFormat format);

// Writes the export the file's name asks for as an OutputFile (whole or not at all); the
// error, or nothing. A name with none of the three extensions is an error.
std::optional<std::string> writeExport(const std::filesystem::path& path, const ExportedDive& dive);

}  // namespace loopsim
