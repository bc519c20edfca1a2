#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <vector>

#include "core/driver/trial_table.h"
#include "core/trial_overrides.h"
#include "session/plot_session.h"
#include "ui/qt/window/coefficients_dialog.h"
#include "ui/qt/window/time_course_window.h"

namespace morvanta {

// The plot menu's items for a lesson: own coefficients, the time course of the last run in a
// window of its own, and the direction field on the empty plot. All start off and last for
// the session; nothing is stored. The coefficients and the field are the session's.
class LessonMenu : public QObject {
    Q_OBJECT

public:
    // Adds the items to the end of the menu. The window the plot is in is the parent of the
    // dialog and of the time course window.
    LessonMenu(QMenu& menu, QWidget& plot, PlotSession& session, QObject* parent);

    // What runs use instead of the scenarios' own choices.
    const TrialOverrides& Overrides() const { return session_.overrides; }
    // After a run: its trials for the time course, which shows them if it is open.
    void RunFinished(const std::vector<TrialRecord>& records);

    // The coefficients dialog while it is open, else null.
    CoefficientsDialog* Dialog() const { return dialog_; }
    // The time course window once it has been opened, else null.
    TimeCourseWindow* TimeCourse() const { return timeCourse_; }

    QAction* Coefficients = nullptr;
    QAction* ShowTimeCourse = nullptr;
    QAction* ShowDirectionField = nullptr;

signals:
    // The teacher's coefficients were set (the dialog's OK).
    void CoefficientsChosen();

private:
    void OpenDialog();
    void OpenTimeCourse();

    QWidget& plot_;
    PlotSession& session_;
    std::vector<TrialRecord> lastRun_;
    QPointer<CoefficientsDialog> dialog_;
    TimeCourseWindow* timeCourse_ = nullptr;
};

}  // namespace morvanta
