#include "ui/qt/window/plot_menu.h"

#include <QActionGroup>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalBlocker>
#include <array>
#include <stdexcept>

#include "core/driver/step_pace.h"
#include "session/file_names.h"
#include "session/link_setup.h"
#include "session/png_texts.h"
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

// The chosen file with the filter's extension where the user typed none; a file chosen from
// those that exist is taken as it is.
QString WithExtension(const QString& chosen, const std::string& extension) {
    if (chosen.isEmpty() || QFileInfo::exists(chosen)) return chosen;
    return QString::fromStdString(WithDefaultExtension(chosen.toStdString(), extension));
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
    ResetShares = menu_->addAction("Reset Shares", this, [this] { session_.ResetShares(); });
    lesson_ = new LessonMenu(*menu_, plot_, session_, this);
    AddLessonViewItems();
    for (QAction* option :
         {ShowIsoclines, ShowOutcomeMap, lesson_->ShowDirectionField, AxisNumbers, LabelIsoclines})
        connect(option, &QAction::toggled, this,
                [this] { emit EmptyPlotChanged(PlotChange::EmptyPlotOption); });
    connect(lesson_, &LessonMenu::CoefficientsChosen, this,
            [this] { emit EmptyPlotChanged(PlotChange::Coefficients); });

    chooseFile_ = [this](const QString& caption, const QString& filter) {
        return QFileDialog::getSaveFileName(plot_.window(), caption, QString(), filter);
    };
    // The right button never clicks the plot, so it is free to open the menu.
    plot_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&plot_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu_->popup(plot_.mapToGlobal(at)); });
}

void PlotMenu::AddLessonViewItems() {
    menu_->addSeparator();
    AxisNumbers = AddOption(*menu_, "Axis Numbers", session_.options.axisTicks);
    LabelIsoclines = AddOption(*menu_, "Label Isoclines", session_.options.labelledIsoclines);
    ShowCaption = AddOption(*menu_, "Show Caption", session_.options.caption);
    connect(ShowCaption, &QAction::toggled, this, &PlotMenu::CaptionSwitched);

    Zoom = menu_->addMenu("Zoom");
    auto* zooms = new QActionGroup(Zoom);
    for (const auto& [text, factor] :
         {std::pair{"1×", 1.0}, {"1.5×", 1.5}, {"2×", 2.0}, {"3×", 3.0}}) {
        QAction* item = Zoom->addAction(text);
        item->setCheckable(true);
        item->setChecked(factor == session_.options.zoom);
        item->setData(factor);  // its text may carry its state for a screen reader
        item->setActionGroup(zooms);
        connect(item, &QAction::triggered, this, [this, factor = factor] {
            session_.options.zoom = factor;
            emit ZoomChosen(factor);
        });
    }

    Pace = menu_->addMenu("Pace");
    auto* paces = new QActionGroup(Pace);
    for (const auto& [text, pace] : {std::pair{"Full", FullPace},
                                     {"2,000 Steps a Second", FastPace},
                                     {"200 Steps a Second", SlowPace}}) {
        QAction* item = Pace->addAction(text);
        item->setCheckable(true);
        item->setChecked(pace == session_.options.pace);
        item->setActionGroup(paces);
        connect(item, &QAction::triggered, this,
                [this, pace = pace] { session_.options.pace = pace; });
    }
}

void PlotMenu::ShowSessionOptions() {
    const PlotOptions& o = session_.options;
    const std::pair<QAction*, bool> options[] = {
        {ShowIsoclines, o.isoclines},     {TallyOutcomes, o.tallyOutcomes},
        {OutcomeShapes, o.outcomeShapes}, {ShowOutcomeMap, o.outcomeMap},
        {AxisNumbers, o.axisTicks},       {LabelIsoclines, o.labelledIsoclines},
        {ShowCaption, o.caption},         {lesson_->ShowDirectionField, o.directionField}};
    for (const auto& [action, on] : options) {
        const QSignalBlocker quiet(action);  // the session has them already
        action->setChecked(on);
    }
    for (QAction* item : Zoom->actions()) item->setChecked(item->data().toDouble() == o.zoom);
    const std::array<int, 3> paces{FullPace, FastPace, SlowPace};
    for (std::size_t i = 0; i < paces.size(); ++i)
        Pace->actions().at(static_cast<qsizetype>(i))->setChecked(paces[i] == o.pace);
}

void PlotMenu::PopupOverPlot() {
    // Near the plot's top-left corner, so that the whole menu lies over the plot.
    const QPoint corner(plot_.width() / 8, plot_.height() / 8);
    menu_->popup(plot_.mapToGlobal(corner));
    menu_->setActiveAction(CopyPlot);
}

void PlotMenu::DrawOverEmptyPlot() { session_.DrawOverEmptyPlot(); }

void PlotMenu::RunFinished(RunOutlets& outlets, bool complete) {
    SaveTrials->setEnabled(true);
    session_.RunFinished(outlets, complete);
    lesson_->RunFinished(session_.Records());
}

void PlotMenu::CopyPlotImage() {
    // The image for programs that paste pictures, and beside it the PNG that Save Plot As
    // writes, with the texts that say what it shows, for programs that paste PNG files.
    auto* data = new QMimeData;
    data->setImageData(plot_.Image().copy());
    const std::vector<std::uint8_t> png = PlotPngBytes(
        plot_.Image(), PlotPngTexts(session_, ScenarioFromItem(scenario_.ItemIndex())));
    data->setData("image/png", QByteArray(reinterpret_cast<const char*>(png.data()),
                                          static_cast<qsizetype>(png.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

void PlotMenu::SavePlotImage() {
    const QString path = WithExtension(chooseFile_("Save Plot As", "PNG images (*.png)"), ".png");
    if (path.isEmpty()) return;
    SaveChosen(path, [this](const std::string& file) {
        return SavePlotPng(file, plot_.Image(),
                           PlotPngTexts(session_, ScenarioFromItem(scenario_.ItemIndex())));
    });
}

void PlotMenu::SaveTrialsTable() {
    const QString path = WithExtension(chooseFile_("Save Trials As", "CSV tables (*.csv)"), ".csv");
    if (path.isEmpty()) return;
    SaveChosen(path,
               [this](const std::string& file) { return SaveTrialsCsv(file, session_.Records()); });
}

}  // namespace morvanta
