#include "ui/qt/files/export_files.h"

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

std::vector<std::uint8_t> PlotPngBytes(const QImage& plot, const std::vector<PngText>& texts) {
    // 0xffRRGGBB words, rows without padding: what the writer reads.
    const QImage rgb = plot.convertToFormat(QImage::Format_RGB32);
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(rgb.width()) * static_cast<std::size_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
        pixels.insert(pixels.end(), row, row + rgb.width());
    }
    return PngBytes({pixels.data(), rgb.width(), rgb.height()}, texts);
}

std::string SavePlotPng(const std::string& path, const QImage& plot,
                        const std::vector<PngText>& texts) {
    const std::vector<std::uint8_t> png = PlotPngBytes(plot, texts);
    return WriteOutputFile(path,
                           std::string_view(reinterpret_cast<const char*>(png.data()), png.size()));
}

std::string SaveTextFile(const std::string& path, const std::string& text) {
    return WriteOutputFile(path, text);
}

}  // namespace morvanta
