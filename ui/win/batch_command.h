#pragma once

#include <string>

#include "core/cli/command_line.h"

namespace morvanta {

// Everything but the window: the help, the version, a refusal, or a batch run, with the
// program's name for its messages. Returns the process's exit status: 0 done, 1 a file could
// not be written, 2 a refused command line.
int RunCommand(const CommandLine& command, const std::string& program);

}  // namespace morvanta
