// Reads a drill file (docs/drills.md). A file with an error is refused whole, with the
// number of the line that is wrong and what is wrong with it, before anything plays.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/InputRouter.h"
#include "drills/Drill.h"

namespace loopsim {

struct DrillError {
    int lineNumber = 0;
    std::string message;
};

struct DrillRead {
    Drill drill;
    std::optional<DrillError> error;
};

// With a router, the start's elements are checked as a scenario's are.
DrillRead parseDrill(std::string_view text, const InputRouter* router);

// A drill file read and parsed: its bytes (which its content hash is of) and the drill, or
// why not, as "NAME:LINE: what is wrong" or "NAME: cannot read the drill file".
struct DrillFileRead {
    std::string text;
    Drill drill;
    std::optional<std::string> error;
};
DrillFileRead loadDrillFile(const std::filesystem::path& path, const std::string& name,
                            const InputRouter* router);

}  // namespace loopsim
