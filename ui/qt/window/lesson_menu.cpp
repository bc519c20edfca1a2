#include "ui/qt/window/lesson_menu.h"

#include "core/competition_system.h"
#include "core/driver/scenario_direction_field.h"
#include "ui/qt/widgets/handler_errors.h"

namespace morvanta {

LessonMenu::LessonMenu(QMenu& menu, QWidget& plot, const RadioGroup& scenario, QObject* parent)
    : QObject(parent), plot_(plot), scenario_(scenario) {
    menu.addSeparator();
    Coefficients =
        menu.addAction("Coefficients…", this, [this] { RunHandler([this] { OpenDialog(); }); });
    ShowTimeCourse = menu.addAction("Show Time Course", this,
                                    [this] { RunHandler([this] { OpenTimeCourse(); }); });
    ShowTimeCourse->setEnabled(false);  // until there is a run to show
    ShowDirectionField = menu.addAction("Show Direction Field");
    ShowDirectionField->setCheckable(true);
}

void LessonMenu::DrawOverEmptyPlot(PlotSurface& surface, Scenario scenario) const {
    if (ShowDirectionField->isChecked()) DrawScenarioDirectionField(surface, scenario, overrides_);
}

void LessonMenu::RunFinished(const std::vector<TrialRecord>& records) {
    lastRun_ = records;
    ShowTimeCourse->setEnabled(true);
    if (timeCourse_ && timeCourse_->isVisible()) timeCourse_->ShowTrials(lastRun_);
}

void LessonMenu::OpenDialog() {
    if (dialog_) return;
    // The dialog starts from the coefficients in use: the teacher's own, else the selected
    // scenario's (the severe ones for the scenario that draws its own).
    OffDiagonal shown{SevereCoefficient, SevereCoefficient};
    if (overrides_.coefficients)
        shown = *overrides_.coefficients;
    else if (const auto system = FixedSystemOf(ScenarioFromItem(scenario_.ItemIndex())))
        shown = {system->a12, system->a21};
    dialog_ = new CoefficientsDialog(shown, plot_.window());
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog_, &QDialog::accepted, this,
            [this] { overrides_.coefficients = dialog_->Chosen(); });
    dialog_->open();
}

void LessonMenu::OpenTimeCourse() {
    if (!timeCourse_) timeCourse_ = new TimeCourseWindow(plot_.window());
    timeCourse_->ShowTrials(lastRun_);
    timeCourse_->show();
    timeCourse_->raise();
    timeCourse_->activateWindow();
}

}  // namespace morvanta
