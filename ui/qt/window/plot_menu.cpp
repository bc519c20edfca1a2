#include "ui/qt/window/plot_menu.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <stdexcept>

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

QAction* AddOption(QMenu& menu, const QString& text, bool& option) {
    QAction* action = menu.addAction(text);
    action->setCheckable(true);
    action->setChecked(option);
    QObject::connect(action, &QAction::toggled, action, [&option](bool on) { option = on; });
    return action;
}

PlotMenu::PlotMenu(PlotPaintBox& plot, const RadioGroup& scenario, QObject* parent)
    : QObject(parent),
      plot_(plot),
      scenario_(scenario),
      menu_(new QMenu(&plot)),
      session_(plot, [&scenario] { return scenario.ItemIndex(); }) {
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
    ShowIsoclines = AddOption(*menu_, "Show Isoclines", session_.options.isoclines);
    TallyOutcomes = AddOption(*menu_, "Tally Outcomes", session_.options.tallyOutcomes);
    OutcomeShapes = AddOption(*menu_, "Outcome Shapes", session_.options.outcomeShapes);
    ShowOutcomeMap = AddOption(*menu_, "Show Outcome Map", session_.options.outcomeMap);
    lesson_ = new LessonMenu(*menu_, plot_, session_, this);

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

void PlotMenu::DrawOverEmptyPlot() { session_.DrawOverEmptyPlot(); }

void PlotMenu::RunFinished(RunOutlets& outlets) {
    SaveTrials->setEnabled(true);
    session_.RunFinished(outlets);
    lesson_->RunFinished(session_.Records());
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
    SaveChosen(path,
               [this](const std::string& file) { return SaveTrialsCsv(file, session_.Records()); });
}

}  // namespace morvanta
