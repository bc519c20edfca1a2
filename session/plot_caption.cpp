#include "session/plot_caption.h"

#include "session/png_texts.h"

namespace morvanta {

std::string PlotCaptionText(const PlotSession& session) {
    // The words a saved picture's text chunks carry, less the program's own and the case, and
    // less the strip itself among the options. The options come last: the strip is one line
    // the plot's width, so what may not fit is what the plot shows anyway, never the seed
    // that repeats the run.
    PlotOptions drawn = session.options;
    drawn.caption = false;
    std::string text;
    std::string options;
    for (const auto& [key, value] :
         PlotPngTexts(session.SelectedScenario(), session.overrides, drawn, session.ShownSeed())) {
        std::string part = value;
        if (key == "Title" || key == "Software" || key == "Case") continue;
        if (key == "Options") {
            if (value != "none") options = value;
            continue;
        }
        if (key == "Coefficients" && !value.starts_with("a12")) part = "coefficients " + value;
        if (key == "Start" || key == "Seed")
            part = key == "Start" ? "start " + value : "seed " + value;
        text += (text.empty() ? "" : "; ") + part;
    }
    if (!options.empty()) text += "; " + options;
    return text;
}

}  // namespace morvanta
