// How the window's programs end. Qt Multimedia's shared sound cache is torn down among the
// static destructors after main, and when a sound was still being decoded at that moment
// its destructor and its loading thread wait for each other for ever: the program would
// hang after its window closed. Everything the program writes is written and closed before
// main ends, so the process ends there, without the static destructors.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace loopsim {

[[noreturn]] inline void endProgram(int status) {
    std::fflush(nullptr);
    std::_Exit(status);
}

}  // namespace loopsim
