#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <iostream>

#include "headless/Runner.h"

namespace loopsim {
namespace {

// A standard stream the program was started without stays taken, so no file the run opens
// lands on it; opened for reading only, writing to it fails as writing to a closed one would.
void keepStandardStreamsTaken() {
    for (int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) != -1)
            continue;
        const int placeholder = ::open("/dev/null", O_RDONLY);
        if (placeholder >= 0 && placeholder != stream) {
            ::dup2(placeholder, stream);
            ::close(placeholder);
        }
    }
}

}  // namespace

int runnerMain(int argc, char** argv, ServeRun serve) {
    keepStandardStreamsTaken();
    // A reader that went away is a failed write with its reason, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::string> arguments(argv + 1, argv + argc);
    auto options = parseRunArguments(arguments, std::cerr);
    if (!options)
        return kRunRefused;
    if (options->serve && !serve) {
        std::cerr << "loopsim-run: --serve needs the instructor station, which this build "
                     "leaves out (it was built without Qt)\n";
        return kRunRefused;
    }
    if (options->serve)
        return serve(*options, std::cout, std::cerr);
    return runScenario(*options, std::cout, std::cerr);
}

}  // namespace loopsim
