// Runs one scale-to-fit, file to file, for a given screen size: the work _Quillet does
// after asking Windows for the screen, timed from outside by bench/smartfit.sh.
#include <cstdio>
#include <cstdlib>

#include "smartfit/smart_fit.h"

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: smartfit_bench SRC.bmp OUT.bmp SCREEN_W SCREEN_H [BITS]\n");
        return 2;
    }
    const int bits = argc > 5 ? std::atoi(argv[5]) : 24;
    const auto r = mov::smartfit::RunFit(argv[1], argv[2], std::atoi(argv[3]), std::atoi(argv[4]), bits);
    return r == mov::smartfit::FitResult::Written ? 0 : 1;
}
