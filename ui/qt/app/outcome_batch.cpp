#include "ui/qt/app/outcome_batch.h"

#include <unistd.h>

#include <iostream>
#include <sstream>

#include "session/batch_runs.h"
#include "ui/qt/files/export_files.h"

namespace morvanta {

Progress::Progress(long total) : total_(total), shown_(::isatty(STDERR_FILENO) == 1) {}

Progress::~Progress() {
    if (said_) std::cerr << '\n';
}

void Progress::Done(long runs) {
    if (!shown_) return;
    const auto now = Clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(100))
        return;
    last_ = now;
    said_ = true;
    std::cerr << "\rruns: " << runs << " of " << total_ << std::flush;
}

void DrawOutcomeField(PlotSurface& surface, const BatchOptions& options, OutcomeMaps& maps) {
    if (options.outcomes.outcomeMap)
        DrawScenarioOutcomeMap(surface, maps, ScenarioFromItem(options.scenarioItem),
                               OverridesOf(options.lesson), options.outcomes.grid);
}

std::string SaveOutcomeMapCsv(const BatchOptions& options, OutcomeMaps& maps) {
    const OutcomeOptions& outcomes = options.outcomes;
    if (outcomes.outcomeMapPath.empty()) return {};
    const OutcomeMap* map = ScenarioOutcomeMap(maps, ScenarioFromItem(options.scenarioItem),
                                               OverridesOf(options.lesson), outcomes.grid);
    if (!map) return {};
    std::ostringstream text;
    WriteOutcomeMapCsv(text, *map);
    return SaveTextFile(outcomes.outcomeMapPath, text.str());
}

}  // namespace morvanta
