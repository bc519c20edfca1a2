#include "ui/qt/window/window_bindings.h"

#include "ui/qt/screen/paced_screen.h"
#include "ui/qt/widgets/handler_errors.h"

namespace morvanta {

// Each outlet hands control to the toolkit, which may catch an error in an event it
// delivers meanwhile; the run ends there, as with an error of its own.

EditOutlets::EditOutlets(NumberBox& trial, NumberBox& step, QPlainTextEdit& log)
    : trial_(trial), step_(step), log_(log) {
    trial_.SetQuiet(true);
    step_.SetQuiet(true);
}

// Their last numbers are then their texts.
EditOutlets::~EditOutlets() {
    trial_.SetQuiet(false);
    step_.SetQuiet(false);
}

// A trial's start, or the run's end, brings the boxes' texts up to date.
void EditOutlets::ShowTrialNumber(int n) {
    step_.SyncText();
    trial_.ShowNumber(n);
    trial_.SyncText();
    RaiseHeldToolkitError();
}

void EditOutlets::ShowStepNumber(int n) {
    step_.ShowNumber(n);
    RaiseHeldToolkitError();
}

void EditOutlets::AppendLog(const std::string& line) {
    step_.SyncText();
    // The run's last step is on the screen before its end is told.
    PacedScreen::Of(step_).BringUpToDate();
    RaiseHeldToolkitError();
    log_.appendPlainText(QString::fromStdString(line));
    RaiseHeldToolkitError();
}

}  // namespace morvanta
