// Prints the five-hour benchmark dive as a scenario file, for scripts/bench to time the
// runner, the results viewer and the chart on the files it writes.
#include <iostream>

#include "DiveScenarios.h"

int main() {
    std::cout << loopsim::fiveHourDiveScenario();
}
