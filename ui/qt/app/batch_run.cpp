#include "ui/qt/app/batch_run.h"

#include <QFontInfo>
#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>

#include "core/system_clock.h"
#include "plot/phase_plot.h"
#include "session/batch_command.h"
#include "ui/qt/app/application.h"
#include "ui/qt/app/lesson_batch.h"
#include "ui/qt/app/outcome_batch.h"
#include "ui/qt/app/toolkit_start.h"
#include "ui/qt/files/export_files.h"
#include "ui/qt/files/output_file.h"
#include "ui/qt/widgets/fonts.h"
#include "ui/qt/widgets/plot_image.h"

#ifndef MORVANTA_VERSION
#error "MORVANTA_VERSION must be defined by the build"
#endif

namespace morvanta {
namespace {

std::string ProgramName(const char* program) {
    const std::string path = program ? program : "morvanta";
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The batch mode with the toolkit: the window's fonts and plot surface, off screen.
class QtBatch : public BatchPlatform {
public:
    explicit QtBatch(char* program) : program_(program), name_(ProgramName(program)) {}

    PlotSurface& StartBatch(const BatchOptions& options) override {
        // A batch run shows nothing, so it needs no display: the toolkit renders the plot's
        // text off screen, with the same fonts as the window. What the toolkit has to say
        // about its surroundings (a missing runtime folder, say) is no concern of a batch
        // run's.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QuietToolkitForBatch();
        application_ = std::make_unique<Application>(toolkit_.argc, toolkit_.argv);
        WarnWithoutFonts();
        progress_.emplace(options.outcomes.runs);
        plot_ = std::make_unique<PlotImage>();  // the window's plot surface: the same pixels
        return *plot_;
    }
    std::uint32_t SeedNow() override { return MillisecondsOfDay(SystemClock().NowUtc()); }
    std::unique_ptr<OutputFile> OpenFile(const std::string& path) override {
        return std::make_unique<PosixOutputFile>(path);
    }
    std::string WriteFile(const std::string& path, std::string_view bytes) override {
        return WriteOutputFile(path, bytes);
    }
    std::string SavePlotPng(const std::string& path, const std::vector<PngText>& texts) override {
        return morvanta::SavePlotPng(path, plot_->Image(), texts);
    }
    std::string SaveTimeCoursePng(const std::string& path,
                                  const std::vector<TrialRecord>& records) override {
        return morvanta::SaveTimeCoursePng(path, records);
    }
    void RunsDone(long runs) override { progress_->Done(runs); }

private:
    // Where no font can be found the plot's labels come out as boxes.
    void WarnWithoutFonts() const {
        QFont label = InstalledFont(QString::fromLatin1(LabelFace));
        label.setPointSize(LabelPoints);
        if (QFontInfo(label).pixelSize() > 0) return;
        std::fprintf(stderr, "%s: no font found; the plot's labels are drawn as boxes\n",
                     name_.c_str());
    }

    char* program_;
    std::string name_;
    ToolkitArguments toolkit_{program_};
    std::unique_ptr<Application> application_;
    std::optional<Progress> progress_;
    std::unique_ptr<PlotImage> plot_;
};

}  // namespace

int RunCommand(const CommandLine& command, char* program) {
    // A reader that goes away, or the file size limit, fails the write instead of ending
    // the program without a word.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    QtBatch batch(program);
    return RunCommand(command, ProgramName(program), MORVANTA_VERSION, batch);
}

}  // namespace morvanta
