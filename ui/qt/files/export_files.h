#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "core/driver/trial_table.h"
#include "session/png_file.h"

namespace morvanta {

// Each writes its file as WriteOutputFile does (output_file.h): path is the file name's bytes
// as given, "-" the standard output; a regular file is replaced only once all is written.
// They return an empty string on success, else a message that names the file.
std::string SaveTrialsCsv(const std::string& path, const std::vector<TrialRecord>& records);
// The trials' time courses, as the batch mode's --time-course writes them.
std::string SaveTimeCourseCsv(const std::string& path, const std::vector<TrialRecord>& records);
// The plot's PNG is the program's own (the same bytes as every edition's), with the texts.
std::string SavePlotPng(const std::string& path, const QImage& plot,
                        const std::vector<PngText>& texts = {});
std::vector<std::uint8_t> PlotPngBytes(const QImage& plot, const std::vector<PngText>& texts);
std::string SaveTextFile(const std::string& path, const std::string& text);

}  // namespace morvanta
