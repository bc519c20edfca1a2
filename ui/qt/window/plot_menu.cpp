#include "ui/qt/window/plot_menu.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <stdexcept>

#include "core/driver/scenario_isoclines.h"
#include "session/plot_description.h"
#include "ui/qt/files/export_files.h"
#include "ui/qt/files/output_file.h"
#include "ui/qt/widgets/handler_errors.h"

namespace morvanta {
namespace {

// Writes a file the user chose in a dialog. The window saves to regular files only: a pipe
// would hold the window until something read it, and a device is no place for a picture.
void SaveChosen(const QString& chosen, const std::function<std::string(const std::string&)>& save) {
    const std::string path = QFile::encodeName(chosen).toStdString();
    if (PathOnlyReaches(path))
        throw std::runtime_error("cannot write '" + path + "': not a regular file");
    if (const std::string error = save(path); !error.empty()) throw std::runtime_error(error);
}

}  // namespace

PlotMenu::PlotMenu(PlotPaintBox& plot, const RadioGroup& scenario, QObject* parent)
    : QObject(parent), plot_(plot), scenario_(scenario), menu_(new QMenu(&plot)) {
    menu_->setObjectName("PlotMenu");
    CopyPlot =
        menu_->addAction("Copy Plot", this, [this] { RunHandler([this] { CopyPlotImage(); }); });
    SavePlot = menu_->addAction("Save Plot As…", this,
                                [this] { RunHandler([this] { SavePlotImage(); }); });
    SaveTrials = menu_->addAction("Save Trials As…", this,
                                  [this] { RunHandler([this] { SaveTrialsTable(); }); });
    SaveTrials->setEnabled(false);  // until there is a run to save
    ClearPlot = menu_->addAction("Clear Plot");
    menu_->addSeparator();
    ShowIsoclines = menu_->addAction("Show Isoclines");
    ShowIsoclines->setCheckable(true);
    TallyOutcomes = menu_->addAction("Tally Outcomes");
    TallyOutcomes->setCheckable(true);
    OutcomeShapes = menu_->addAction("Outcome Shapes");
    OutcomeShapes->setCheckable(true);
    ShowOutcomeMap = menu_->addAction("Show Outcome Map");
    ShowOutcomeMap->setCheckable(true);
    lesson_ = new LessonMenu(*menu_, plot_, scenario_, this);

    chooseFile_ = [this](const QString& caption, const QString& filter) {
        return QFileDialog::getSaveFileName(plot_.window(), caption, QString(), filter);
    };
    // The right button never clicks the plot, so it is free to open the menu.
    plot_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&plot_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu_->popup(plot_.mapToGlobal(at)); });
}

void PlotMenu::PopupOverPlot() {
    // Near the plot's top-left corner, so that the whole menu lies over the plot.
    const QPoint corner(plot_.width() / 8, plot_.height() / 8);
    menu_->popup(plot_.mapToGlobal(corner));
    menu_->setActiveAction(CopyPlot);
}

void PlotMenu::DrawOverEmptyPlot() {
    runShown_ = false;
    const Scenario scenario = ScenarioFromItem(scenario_.ItemIndex());
    if (ShowOutcomeMap->isChecked())  // under everything else
        DrawScenarioOutcomeMap(plot_, maps_, scenario, lesson_->Overrides(), WindowMapGrid);
    lesson_->DrawOverEmptyPlot(plot_, scenario);  // under the isoclines
    if (ShowIsoclines->isChecked()) DrawScenarioIsoclines(plot_, scenario, lesson_->Overrides());
}

void PlotMenu::RunFinished(RunOutlets& outlets) {
    runShown_ = true;
    SaveTrials->setEnabled(true);
    const std::vector<TrialRecord>& records = observer_.Records();
    // The session's shares count every run of the run's system, the tally shown or not.
    const Scenario scenario =
        records.empty() ? ScenarioFromItem(scenario_.ItemIndex()) : records.front().scenario;
    const auto system = FixedSystemOf(scenario, lesson_->Overrides());
    const EndCounts& sofar =
        session_.Add(scenario, system ? system->a12 : 0.0, system ? system->a21 : 0.0, records);
    if (TallyOutcomes->isChecked()) {
        outlets.AppendLog(TallyLine(records));
        outlets.AppendLog(SharesLine(sofar));
    }
    lesson_->RunFinished(observer_.Records());
}

std::string PlotMenu::Description(const std::string& scenarioCaption) {
    const std::vector<TrialRecord>& records = observer_.Records();
    const Scenario scenario = runShown_ && !records.empty()
                                  ? records.front().scenario
                                  : ScenarioFromItem(scenario_.ItemIndex());
    const TrialOverrides& overrides = lesson_->Overrides();
    PlotContent content;
    content.scenarioCaption = scenarioCaption;
    content.system = FixedSystemOf(scenario, overrides);
    content.isoclines = ShowIsoclines->isChecked();
    content.directionField = lesson_->ShowDirectionField->isChecked();
    if (ShowOutcomeMap->isChecked())
        content.outcomeMap = ScenarioOutcomeMap(maps_, scenario, overrides, WindowMapGrid);
    if (TakesOverrides(scenario)) content.ownCoefficients = overrides.coefficients;
    if (runShown_) content.run = &records;
    return PlotDescription(content);
}

void PlotMenu::CopyPlotImage() { QGuiApplication::clipboard()->setImage(plot_.Image().copy()); }

void PlotMenu::SavePlotImage() {
    const QString path = chooseFile_("Save Plot As", "PNG images (*.png)");
    if (path.isEmpty()) return;
    SaveChosen(path, [this](const std::string& file) { return SavePlotPng(file, plot_.Image()); });
}

void PlotMenu::SaveTrialsTable() {
    const QString path = chooseFile_("Save Trials As", "CSV tables (*.csv)");
    if (path.isEmpty()) return;
    SaveChosen(
        path, [this](const std::string& file) { return SaveTrialsCsv(file, observer_.Records()); });
}

}  // namespace morvanta
