#pragma once

#include <QImage>
#include <QString>
#include <string>
#include <vector>

#include "core/driver/trial_table.h"

namespace morvanta {

// Each writes to a temporary file beside path and renames it over path once all is written,
// so a failure leaves no partial file behind. They return an empty string on success, else
// a message that names the file.
QString SaveTrialsCsv(const QString& path, const std::vector<TrialRecord>& records);
QString SavePlotPng(const QString& path, const QImage& plot);
QString SaveTextFile(const QString& path, const std::string& text);

}  // namespace morvanta
