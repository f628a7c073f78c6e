#include "headless/Runner.h"
#include "stationweb/ServedRun.h"

// loopsim-run of a build with Qt: --serve plays the scenario for the instructor station.
int main(int argc, char** argv) {
    return loopsim::runnerMain(argc, argv, &loopsim::serveRun);
}
