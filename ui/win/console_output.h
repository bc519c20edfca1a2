#pragma once

#include <string>
#include <vector>

#include "ui/win/wide_text.h"

namespace morvanta {

// A window program has no console: where its output goes nowhere, it goes to the console
// of the program that started it, if that has one.
void UseParentConsole();

// The executable's name without folder and extension, for messages and the help.
std::string ProgramName();

}  // namespace morvanta
