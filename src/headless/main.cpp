#include <iostream>

#include "headless/Runner.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    auto options = loopsim::parseRunArguments(arguments, std::cerr);
    if (!options)
        return loopsim::kRunRefused;
    return loopsim::runScenario(*options, std::cout, std::cerr);
}
