#include "station/LiveDrill.h"

#include <algorithm>

#include "core/MessageExcerpt.h"
#include "drills/DrillParser.h"
#include "files/FileText.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

constexpr std::string_view kDrillExtension = ".drill";

}  // namespace

LiveDrill::LiveDrill(std::string name, Drill drill, Simulation& simulation)
    : name_(std::move(name)), drill_(std::make_unique<Drill>(std::move(drill))) {
    const Millis length = drill_->end - drill_->takeover;
    drill_->takeover = simulation.now();
    drill_->end = drill_->takeover + length;
    engine_ = std::make_unique<DrillEngine>(*drill_, simulation);
}

std::vector<std::string> drillNamesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file(error) && entry.path().extension() == kDrillExtension)
            names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::variant<Drill, std::string> readNamedDrill(const std::filesystem::path& folder,
                                                const std::string& name,
                                                const Simulation& simulation) {
    const auto names = drillNamesIn(folder);
    // Only a name of the list: a page cannot make the simulator read any other file.
    if (std::find(names.begin(), names.end(), name) == names.end())
        return "no drill named " + quotedExcerpt(name);
    const auto text = readFileText(folder / (name + std::string(kDrillExtension)));
    if (!text)
        return "the drill " + quotedExcerpt(name) + " cannot be read";
    DrillRead read = parseDrill(*text, &simulation.input());
    if (read.error)
        return "the drill " + quotedExcerpt(name) + " has an error on line " +
               std::to_string(read.error->lineNumber) + ": " + read.error->message;
    return std::move(read.drill);
}

}  // namespace loopsim
