#include "ui/qt/window/lesson_menu.h"

#include "ui/qt/widgets/handler_errors.h"
#include "ui/qt/window/plot_menu.h"

namespace morvanta {

LessonMenu::LessonMenu(QMenu& menu, QWidget& plot, PlotSession& session, QObject* parent)
    : QObject(parent), plot_(plot), session_(session) {
    menu.addSeparator();
    Coefficients =
        menu.addAction("Coefficients…", this, [this] { RunHandler([this] { OpenDialog(); }); });
    ShowTimeCourse = menu.addAction("Show Time Course", this,
                                    [this] { RunHandler([this] { OpenTimeCourse(); }); });
    ShowTimeCourse->setEnabled(false);  // until there is a run to show
    ShowDirectionField = AddOption(menu, "Show Direction Field", session_.options.directionField);
}

void LessonMenu::RunFinished(const std::vector<TrialRecord>& records) {
    lastRun_ = records;
    ShowTimeCourse->setEnabled(true);
    if (timeCourse_ && timeCourse_->isVisible()) timeCourse_->ShowTrials(lastRun_);
}

void LessonMenu::OpenDialog() {
    if (dialog_) return;
    dialog_ = new CoefficientsDialog(session_.ShownCoefficients(), plot_.window());
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog_, &QDialog::accepted, this, [this] {
        session_.overrides.coefficients = dialog_->Chosen();
        emit CoefficientsChosen();
    });
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
