#include "ui/qt/files/export_files.h"

#include <QBuffer>
#include <QByteArray>
#include <sstream>

#include "core/driver/time_course.h"
#include "ui/qt/files/output_file.h"

namespace morvanta {

std::string SaveTrialsCsv(const std::string& path, const std::vector<TrialRecord>& records) {
    std::ostringstream text;
    WriteTrialsCsv(text, records);
    return WriteOutputFile(path, text.str());
}

std::string SaveTimeCourseCsv(const std::string& path, const std::vector<TrialRecord>& records) {
    std::ostringstream text;
    WriteTimeCourseCsv(text, TimeCoursesOf(records));
    return WriteOutputFile(path, text.str());
}

std::string SavePlotPng(const std::string& path, const QImage& plot) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!plot.save(&buffer, "PNG")) return "cannot write '" + path + "': the PNG encoder failed";
    return WriteOutputFile(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::string SaveTextFile(const std::string& path, const std::string& text) {
    return WriteOutputFile(path, text);
}

}  // namespace morvanta
