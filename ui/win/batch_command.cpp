#include "ui/win/batch_command.h"

#include <windows.h>

#include <memory>

#include "core/driver/time_course.h"
#include "session/batch_command.h"
#include "session/png_file.h"
#include "session/png_texts.h"
#include "ui/win/gdi_plot_surface.h"
#include "ui/win/output_file.h"
#include "ui/win/system_time_clock.h"

#ifndef MORVANTA_VERSION
#error "MORVANTA_VERSION must be defined by the build"
#endif

namespace morvanta {
namespace {

std::string SavePng(const std::string& path, const RasterSurface& picture,
                    const std::vector<PngText>& texts) {
    const std::vector<std::uint8_t> png = PngBytes({picture.Bits(), MapWidth, MapHeight}, texts);
    return WriteOutputFile(path,
                           std::string_view(reinterpret_cast<const char*>(png.data()), png.size()));
}

// The batch mode with GDI's plot surface off screen and the system's time as the clock.
class WindowsBatch : public BatchPlatform {
public:
    PlotSurface& StartBatch(const BatchOptions&) override {
        plot_ = std::make_unique<GdiPlotSurface>(nullptr);  // the window's plot, pixel for pixel
        plot_->SetLive(false);
        return *plot_;
    }
    std::uint32_t SeedNow() override { return MillisecondsOfDay(SystemTimeClock().NowUtc()); }
    std::unique_ptr<OutputFile> OpenFile(const std::string& path) override {
        return std::make_unique<WindowsOutputFile>(path);
    }
    std::string WriteFile(const std::string& path, std::string_view bytes) override {
        return WriteOutputFile(path, bytes);
    }
    std::string SavePlotPng(const std::string& path, const std::vector<PngText>& texts) override {
        return SavePng(path, *plot_, texts);
    }
    std::string SaveTimeCoursePng(const std::string& path,
                                  const std::vector<TrialRecord>& records) override {
        GdiPlotSurface figure(nullptr);
        figure.SetLive(false);
        DrawTimeCourses(figure, TimeCoursesOf(records));
        return SavePng(path, figure, {{"Title", "Time course"}, {"Software", "Morvanta"}});
    }

private:
    std::unique_ptr<GdiPlotSurface> plot_;
};

}  // namespace

int RunCommand(const CommandLine& command, const std::string& program) {
    WindowsBatch batch;
    return RunCommand(command, program, MORVANTA_VERSION, batch);
}

}  // namespace morvanta
