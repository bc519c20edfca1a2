#include "ui/window/plot_menu.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <stdexcept>

#include "core/driver/scenario_isoclines.h"
#include "ui/app/application.h"
#include "ui/app/export_files.h"
#include "ui/app/output_file.h"

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
    menu_->addSeparator();
    ShowIsoclines = menu_->addAction("Show Isoclines");
    ShowIsoclines->setCheckable(true);
    TallyOutcomes = menu_->addAction("Tally Outcomes");
    TallyOutcomes->setCheckable(true);

    chooseFile_ = [this](const QString& caption, const QString& filter) {
        return QFileDialog::getSaveFileName(plot_.window(), caption, QString(), filter);
    };
    // The right button never clicks the plot, so it is free to open the menu.
    plot_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&plot_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu_->popup(plot_.mapToGlobal(at)); });
}

void PlotMenu::DrawOverEmptyPlot() {
    if (ShowIsoclines->isChecked())
        DrawScenarioIsoclines(plot_, ScenarioFromItem(scenario_.ItemIndex()));
}

void PlotMenu::RunFinished(RunOutlets& outlets) {
    SaveTrials->setEnabled(true);
    if (TallyOutcomes->isChecked()) outlets.AppendLog(TallyLine(observer_.Records()));
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
