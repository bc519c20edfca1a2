#pragma once

#include <QWidget>
#include <vector>

#include "core/driver/trial_table.h"
#include "ui/qt/widgets/plot_image.h"

namespace morvanta {

// A window of its own beside the form: both species' densities against the step for the
// trials of a run, drawn by the plot module as the batch mode's picture is.
class TimeCourseWindow : public QWidget {
    Q_OBJECT

public:
    explicit TimeCourseWindow(QWidget* parent);

    // Draws the trials' time courses; the window shows them at its next paint.
    void ShowTrials(const std::vector<TrialRecord>& records);
    const QImage& Image() const { return figure_.Image(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PlotImage figure_;
};

}  // namespace morvanta
