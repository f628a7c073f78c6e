// The drills the window offers: the files ending in .drill in the program's own drills/
// folder (those that ship) and in the user's drill folder (a setting, by default under the
// user's data folder), each read and checked as the runner checks it. A file with an error
// stays in the list with the error, and cannot be started.
#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "drills/Drill.h"

namespace loopsim {

// The setting that names the user's drill folder.
inline constexpr const char* kDrillFolderSetting = "Drills/Folder";

struct DrillFile {
    std::filesystem::path path;
    std::string fileName;  // as a drilled session's log names it
    std::string text;      // the file's bytes, which its content hash is of
    Drill drill;
    std::optional<std::string> error;  // "NAME:LINE: what is wrong"; the drill is then empty

    QString title() const;
};

// The program's folder first, then the user's.
std::vector<std::filesystem::path> drillFolders(const std::filesystem::path& programFolder);
// The user's drill folder: the setting, or the drills folder under the user's data folder.
std::filesystem::path userDrillFolder();

// Every drill file of the folders, each folder's by file name; folders that are not there
// give none.
std::vector<DrillFile> readDrillFiles(const std::vector<std::filesystem::path>& folders);
DrillFile readDrillFile(const std::filesystem::path& path);

}  // namespace loopsim
