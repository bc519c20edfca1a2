#include "session/plot_caption.h"

#include "session/png_texts.h"

namespace morvanta {

std::string PlotCaptionText(const PlotSession& session) {
    // The words a saved picture's text chunks carry, less the program's own and the case. The
    // options come last, without the strip itself: the strip is one line the plot's width, so
    // what may not fit is what the plot shows anyway, never the seed that repeats the run.
    std::string text;
    std::string options;
    const auto add = [](std::string& to, const std::string& part, const char* separator) {
        if (!part.empty()) to += (to.empty() ? "" : separator) + part;
    };
    for (const auto& [key, value] : PlotPngTexts(session, session.SelectedScenario())) {
        if (key == "Title" || key == "Software" || key == "Case") continue;
        if (key == "Options") {
            if (value == "none") continue;
            std::string rest = value;
            for (const std::string self : {", caption", "caption, ", "caption"})
                if (const std::size_t at = rest.find(self); at != std::string::npos)
                    rest.erase(at, self.size());
            options = rest;
        } else if (key == "Coefficients" && !value.starts_with("a12")) {
            add(text, "coefficients " + value, "; ");
        } else if (key == "Start" || key == "Seed") {
            add(text, (key == "Start" ? "start " : "seed ") + value, "; ");
        } else {
            add(text, value, "; ");
        }
    }
    add(text, options, "; ");
    return text;
}

}  // namespace morvanta
