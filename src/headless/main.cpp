#include "headless/Runner.h"
#include "headless/StationHandOver.h"

// A served run goes to the instructor station's program; without one (a build without Qt)
// --serve is refused.
int main(int argc, char** argv) {
    loopsim::handServedRunToStation(argc, argv);
    return loopsim::runnerMain(argc, argv, nullptr);
}
