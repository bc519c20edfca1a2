// The main() of the end-to-end tests of the real program: GoogleTest's options, then the path
// of the program to start.

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/e2e/x11_session.h"

namespace morvanta::e2e {
const char* ProgramPath = nullptr;
}  // namespace morvanta::e2e

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PATH-TO-MORVANTA\n", argv[0]);
        return 2;
    }
    morvanta::e2e::ProgramPath = argv[1];
    return RUN_ALL_TESTS();
}
