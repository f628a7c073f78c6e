#include "headless/RunDebrief.h"

#include <chrono>
#include <ctime>

#include "debrief/Debrief.h"
#include "debrief/DebriefJson.h"
#include "debrief/ReportHtml.h"
#include "files/OutputFile.h"
#include "headless/Runner.h"

namespace loopsim {
namespace {

// "2026-12-06": the day the file was last written, by the local clock; empty when unknown.
std::string fileDate(const std::filesystem::path& path) {
    std::error_code error;
    const auto written = std::filesystem::last_write_time(path, error);
    if (error)
        return {};
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    std::tm local{};
    if (!localtime_r(&seconds, &local))
        return {};
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

}  // namespace

std::optional<DebriefFormat> debriefFormatOf(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    if (extension == ".json")
        return DebriefFormat::Json;
    if (extension == ".html" || extension == ".htm")
        return DebriefFormat::Html;
    return std::nullopt;
}

int writeRunDebrief(const std::filesystem::path& path, const std::filesystem::path& scenario,
                    const Debrief& debrief, const ReportMarks& passMarks, std::ostream& err) {
    const std::string text =
        debriefFormatOf(path) == DebriefFormat::Json
            ? debriefJson(debrief, passMarks)
            : debriefHtml(debrief, {scenario.filename().string(), fileDate(scenario), "",
                                    passMarks.title, passMarks.marks});
    if (auto error = writeWholeFile(path, text)) {
        err << "loopsim-run: " << *error << "\n";
        return kRunWriteFailed;
    }
    return kRunPlayed;
}

}  // namespace loopsim
