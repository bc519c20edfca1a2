#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <functional>

#include "core/cli/command_line.h"
#include "core/driver/run_driver.h"
#include "core/driver/trial_table.h"
#include "session/plot_session.h"
#include "ui/qt/widgets/plot_paint_box.h"
#include "ui/qt/widgets/radio_group.h"
#include "ui/qt/window/lesson_menu.h"

namespace morvanta {

// The plot's menu on the right mouse button (or the Menu key), for teachers: copy, save or
// clear the plot, save the last run's trials, and options that add to what a run shows
// (isoclines and the outcome map on the empty plot, a tally of outcomes and the session's
// shares in the log, shapes for the outcomes). The options start off and last for the
// session. What the items do to the runs and the plot is the session's (PlotSession, the
// same in every edition); the menu binds its items to it.
// Adds a checkable item that switches the session's option, from the option's state.
QAction* AddOption(QMenu& menu, const QString& text, bool& option);

class PlotMenu : public QObject {
    Q_OBJECT

public:
    // Asks where to save: the dialog's caption and file filter in, a path (empty: cancelled) out.
    using FileChooser = std::function<QString(const QString& caption, const QString& filter)>;

    PlotMenu(PlotPaintBox& plot, const RadioGroup& scenario, QObject* parent = nullptr);

    // What a run reports its trials to; it adds the isoclines to the run's empty plot.
    RunObserver& Observer() { return session_.Observer(); }
    // Draws what the options add to the empty plot just drawn.
    void DrawOverEmptyPlot();
    // After a run: the tally line, when asked for, and the trials ready to save. A run ended
    // early counts in no shares.
    void RunFinished(RunOutlets& outlets, bool complete = true);

    void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    QMenu* Menu() const { return menu_; }
    // Checks the items as the session's options stand, after the options were set from
    // outside the menu (a command line).
    void ShowSessionOptions();
    // Opens the menu over the plot with its first item active, as the keyboard opens it.
    void PopupOverPlot();
    // What the plot shows now in words, the scenario named by its caption.
    std::string Description(const std::string& scenarioCaption) {
        return session_.Description(scenarioCaption);
    }
    // The trials of the last run.
    const std::vector<TrialRecord>& Records() const { return session_.Records(); }
    // What the items do to the runs and the plot.
    PlotSession& Session() { return session_; }
    const PlotSession& Session() const { return session_; }
    // The items for a lesson: own coefficients, the time course, the direction field.
    LessonMenu& Lesson() const { return *lesson_; }

    QAction* CopyPlot = nullptr;
    QAction* SavePlot = nullptr;
    QAction* SaveTrials = nullptr;
    QAction* ClearPlot = nullptr;  // the window connects it to the plot's click handler
    QAction* ShowIsoclines = nullptr;
    QAction* TallyOutcomes = nullptr;
    QAction* OutcomeShapes = nullptr;
    QAction* ShowOutcomeMap = nullptr;
    QAction* ResetShares = nullptr;
    // For a class: numbers on the axes, named isoclines, a caption, the window larger, a
    // run slow enough to follow.
    QAction* AxisNumbers = nullptr;
    QAction* LabelIsoclines = nullptr;
    QAction* ShowCaption = nullptr;
    QMenu* Zoom = nullptr;  // 1x, 1.5x, 2x, 3x
    QMenu* Pace = nullptr;  // Full, 2,000 and 200 steps a second

signals:
    // Something the empty plot shows has changed; the window draws it again where it must.
    void EmptyPlotChanged(PlotChange change);
    // The window's zoom was chosen.
    void ZoomChosen(double factor);
    // The caption was switched on or off.
    void CaptionSwitched();

private:
    void AddLessonViewItems();
    void CopyPlotImage();
    void SavePlotImage();
    void SaveTrialsTable();

    PlotPaintBox& plot_;
    const RadioGroup& scenario_;
    QMenu* menu_;
    PlotSession session_;
    LessonMenu* lesson_ = nullptr;
    FileChooser chooseFile_;
};

}  // namespace morvanta
