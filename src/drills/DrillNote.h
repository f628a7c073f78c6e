// A drilled session's log names its drill in a comment line, with a hash of the drill file's
// bytes: the debrief then knows which pass marks apply, and a replay knows that the drill's
// start and injections are in the log already, as the actions they were.
//
//     # Drill: solenoid-stuck-closed.drill, content 5b1f0d7e9c2a4e31
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace loopsim {

// The file's bytes as 16 hex digits (64-bit FNV-1a): any change to the file changes it.
std::string drillContentHash(std::string_view text);

// The comment's text, without the '#': "Drill: NAME, content HASH".
std::string drillNote(std::string_view fileName, std::string_view text);

struct NotedDrill {
    std::string fileName;
    std::string hash;
};

// The drill a log's comment lines name, if any.
std::optional<NotedDrill> drillNotedInLog(std::string_view logText);

}  // namespace loopsim
