// A served run (--serve) is played by the instructor station's own program, which sits beside
// the runner in a build with Qt. The runner stays plain C++ and starts quickly: the Qt
// libraries are loaded only by the run that serves the page.
#pragma once

namespace loopsim {

// The name of the station's program, in the runner's own folder.
inline constexpr const char* kStationRunProgram = "loopsim-station-run";

// With --serve among the arguments, replaces this process with the station's program given
// the same arguments. Returns when there is nothing to hand over to (no --serve, or no station
// program beside the runner: a build without Qt), and the runner goes on by itself.
void handServedRunToStation(int argc, char** argv);

}  // namespace loopsim
