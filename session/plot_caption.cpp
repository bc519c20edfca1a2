#include "session/plot_caption.h"

#include "session/png_texts.h"

namespace morvanta {

std::string PlotCaptionText(const PlotSession& session) {
    // The words a saved picture's text chunks carry, less the program's own and the case.
    std::string text;
    for (const auto& [key, value] : PlotPngTexts(session, session.SelectedScenario())) {
        std::string part = value;
        if (key == "Title" || key == "Software" || key == "Case") continue;
        if (key == "Options" && value == "none") continue;
        if (key == "Coefficients" && !value.starts_with("a12")) part = "coefficients " + value;
        if (key == "Start" || key == "Seed")
            part = key == "Start" ? "start " + value : "seed " + value;
        text += (text.empty() ? "" : "; ") + part;
    }
    return text;
}

}  // namespace morvanta
