#pragma once

#include <string>
#include <vector>

#include "core/driver/trial_table.h"

namespace morvanta {

// Writes the time course of the trials as a picture. Returns why the file could not be
// written; empty when it was.
std::string SaveTimeCoursePng(const std::string& path, const std::vector<TrialRecord>& records);

}  // namespace morvanta
