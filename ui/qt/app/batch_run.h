#pragma once

#include <string>

#include "core/cli/command_line.h"

namespace morvanta {

// The command line the toolkit is given: the program's name and nothing else, so that none
// of the toolkit's own options (-reverse, -stylesheet, -platform ...) reach it.
struct ToolkitArguments {
    explicit ToolkitArguments(char* program) : argv{program, nullptr} {}
    int argc = 1;
    char* argv[2];
};

// Everything but the window: the help, the version, a refusal, or a batch run. Returns the
// process's exit status: 0 done, 1 a file could not be written, 2 a refused command line.
int RunCommand(const CommandLine& command, char* program);

}  // namespace morvanta
