#include "headless/Runner.h"
#include "stationweb/ServedRun.h"

// The station's program: loopsim-run hands it a run with --serve, which it plays for the
// instructor station; it plays any other run as the runner does.
int main(int argc, char** argv) {
    return loopsim::runnerMain(argc, argv, &loopsim::serveRun);
}
