// The page's entry points: the window's handlers and what the page reads back, called from
// page.js. The form lives for the whole page.

#include <emscripten.h>

#include <string>

#include "plot/zoom.h"
#include "ui/web/tform1.h"

namespace {

morvanta::TForm1& Form() {
    static morvanta::TForm1 form;
    return form;
}

// Text handed to the page stays valid until the next call that returns text.
const char* Handed(std::string text) {
    static std::string held;
    held = std::move(text);
    return held.c_str();
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void mv_form_create() { Form().FormCreate(); }
EMSCRIPTEN_KEEPALIVE void mv_paint() { Form().PaintB(); }
EMSCRIPTEN_KEEPALIVE void mv_start() { Form().BitBtn1Click(); }
EMSCRIPTEN_KEEPALIVE int mv_advance(double budgetMs, int maxSteps, double frameMs) {
    return Form().AdvanceRun(budgetMs, maxSteps, frameMs) ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE const char* mv_end_early() { return Handed(Form().EndRunEarly()); }
EMSCRIPTEN_KEEPALIVE int mv_slice_steps() { return Form().SliceSteps(); }
EMSCRIPTEN_KEEPALIVE int mv_running() { return Form().Running() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE void mv_set_items(int trials, int scenario) {
    Form().trialsItem = trials;
    Form().scenarioItem = scenario;
}
EMSCRIPTEN_KEEPALIVE int mv_trials_item() { return Form().trialsItem; }
EMSCRIPTEN_KEEPALIVE int mv_scenario_item() { return Form().scenarioItem; }
EMSCRIPTEN_KEEPALIVE int mv_trial() { return Form().outlets.trial; }
EMSCRIPTEN_KEEPALIVE int mv_step() { return Form().outlets.step; }

// The whole plot at the zoom, ZoomedLength(400) pixels square, as RGBA bytes.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* mv_zoomed_plot() {
    return Form().plot.ZoomedRgba(morvanta::MapHeight, Form().session.options.zoom);
}
EMSCRIPTEN_KEEPALIVE int mv_zoomed_length(int length) {
    return morvanta::ZoomedLength(length, Form().session.options.zoom);
}
// The caption strip at the zoom, ZoomedLength(400) x ZoomedLength(20) pixels; its words.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* mv_caption() { return Form().CaptionRgba(); }
EMSCRIPTEN_KEEPALIVE const char* mv_caption_text() { return Handed(Form().CaptionText()); }

// The rectangle changed since the last call, into four ints (left, top, right, bottom);
// its pixels as RGBA bytes.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* mv_take_changed(int* rect) {
    const morvanta::PixelRect r = Form().plot.TakeChanged();
    rect[0] = r.left;
    rect[1] = r.top;
    rect[2] = r.right;
    rect[3] = r.bottom;
    return Form().plot.RgbaOf(r);
}

EMSCRIPTEN_KEEPALIVE const char* mv_read_link(const char* fragment) {
    return Handed(Form().ReadLink(fragment));
}
EMSCRIPTEN_KEEPALIVE const char* mv_link() { return Handed(Form().Link()); }
EMSCRIPTEN_KEEPALIVE const char* mv_description() { return Handed(Form().PlotDescription()); }
EMSCRIPTEN_KEEPALIVE const char* mv_trials_csv() { return Handed(Form().session.TrialsCsv()); }
EMSCRIPTEN_KEEPALIVE int mv_has_run() { return Form().session.HasRun() ? 1 : 0; }

// The PNG's bytes stay valid until the next call; their count goes to *size.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* mv_plot_png(int* size) {
    static std::vector<std::uint8_t> png;
    png = Form().PlotPng();
    *size = static_cast<int>(png.size());
    return png.data();
}

// The plot options by number: 0 isoclines, 1 tally, 2 shapes, 3 outcome map, 4 direction field,
// 5 axis numbers, 6 labelled isoclines, 7 caption.
EMSCRIPTEN_KEEPALIVE int mv_option(int which, int set) {
    morvanta::PlotOptions& o = Form().session.options;
    bool* const options[] = {&o.isoclines,         &o.tallyOutcomes,  &o.outcomeShapes,
                             &o.outcomeMap,        &o.directionField, &o.axisTicks,
                             &o.labelledIsoclines, &o.caption};
    if (which < 0 || which >= 8) return 0;
    if (set >= 0) *options[which] = set != 0;
    return *options[which] ? 1 : 0;
}

// The coefficients the dialog shows.
EMSCRIPTEN_KEEPALIVE double mv_shown_coefficient(int which) {
    const morvanta::OffDiagonal shown = Form().session.ShownCoefficients();
    return which == 0 ? shown.a12 : shown.a21;
}
// Takes the dialog's two texts as the own coefficients; empty, or why not.
EMSCRIPTEN_KEEPALIVE const char* mv_set_coefficients_text(const char* a12, const char* a21) {
    return Handed(Form().SetCoefficients(a12, a21));
}
// The zoom (1 to 3) and the pace (steps a second, 0 for full); set where the argument is
// positive, or 0 for the pace.
EMSCRIPTEN_KEEPALIVE double mv_zoom(double set) {
    double& zoom = Form().session.options.zoom;
    if (set > 0) zoom = morvanta::ClampedZoom(set);
    return zoom;
}
EMSCRIPTEN_KEEPALIVE int mv_pace(int set) {
    int& pace = Form().session.options.pace;
    if (set >= 0) pace = set;
    return pace;
}
EMSCRIPTEN_KEEPALIVE void mv_reset_shares() { Form().session.ResetShares(); }
// Whether another scenario changes the empty plot: an option that draws on it is on.
EMSCRIPTEN_KEEPALIVE int mv_redraws_on_scenario() {
    return Form().session.RedrawsOn(morvanta::PlotChange::Scenario) ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE void mv_clear_coefficients() { Form().session.overrides.coefficients.reset(); }

// The last run's time course drawn on a plot of its own; its pixels at the zoom as RGBA bytes.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* mv_time_course() { return Form().TimeCourseRgba(); }

}  // extern "C"

int main() { return 0; }
