#include "headless/Runner.h"

// This build has no instructor station: --serve is refused.
int main(int argc, char** argv) {
    return loopsim::runnerMain(argc, argv, nullptr);
}
