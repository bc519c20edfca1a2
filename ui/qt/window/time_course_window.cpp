#include "ui/qt/window/time_course_window.h"

#include <QPainter>

#include "core/driver/time_course.h"

namespace morvanta {

TimeCourseWindow::TimeCourseWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TimeCourseWindow");
    setWindowTitle("Morvanta: Time Course");
    // The figure is drawn at its one size, pixel for pixel as in the batch mode's picture.
    setFixedSize(MapWidth, MapHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TimeCourseWindow::ShowTrials(const std::vector<TrialRecord>& records) {
    DrawTimeCourses(figure_, TimeCoursesOf(records));
    update();
}

void TimeCourseWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, figure_.Image());
}

}  // namespace morvanta
