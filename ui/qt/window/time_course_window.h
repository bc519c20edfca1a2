#pragma once

#include <QAction>
#include <QWidget>
#include <functional>
#include <vector>

#include "core/driver/trial_table.h"
#include "ui/qt/widgets/plot_image.h"

namespace morvanta {

// A window of its own beside the form: both species' densities against the step for the
// trials of a run, drawn by the plot module as the batch mode's picture is. The figure is a
// graphic a screen reader reads (its description tells the last trial in words) and has the
// focus; Escape closes the window, and its menu (right button or the Menu key) saves the time
// courses as the batch mode's --time-course writes them.
class TimeCourseWindow : public QWidget {
    Q_OBJECT

public:
    // Asks where to save: the dialog's caption and file filter in, a path (empty: cancelled) out.
    using FileChooser = std::function<QString(const QString& caption, const QString& filter)>;

    explicit TimeCourseWindow(QWidget* parent);

    // Draws the trials' time courses; the window shows them at its next paint.
    void ShowTrials(const std::vector<TrialRecord>& records);
    const QImage& Image() const { return figure_.Image(); }
    QWidget* Figure() const { return view_; }
    void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    QAction* SaveTimeCourse = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SaveTable();

    PlotImage figure_;
    QWidget* view_;
    std::vector<TrialRecord> records_;
    FileChooser chooseFile_;
};

}  // namespace morvanta
