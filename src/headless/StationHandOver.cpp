#include "headless/StationHandOver.h"

#include <unistd.h>

#include <filesystem>
#include <string_view>
#include <system_error>

namespace loopsim {

void handServedRunToStation(int argc, char** argv) {
    bool served = false;
    for (int i = 1; i < argc; ++i)
        served = served || std::string_view(argv[i]) == "--serve";
    if (!served)
        return;
    std::error_code error;
    const auto runner = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return;
    const std::string station = (runner.parent_path() / kStationRunProgram).string();
    if (::access(station.c_str(), X_OK) != 0)
        return;
    // The station's program reads the command line itself, so a bad one is reported as the
    // runner would; its messages keep the runner's name.
    ::execv(station.c_str(), argv);
}

}  // namespace loopsim
