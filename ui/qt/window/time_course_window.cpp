#include "ui/qt/window/time_course_window.h"

#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <stdexcept>

#include "core/driver/time_course.h"
#include "session/plot_description.h"
#include "ui/qt/files/export_files.h"
#include "ui/qt/files/output_file.h"
#include "ui/qt/widgets/accessible_role.h"
#include "ui/qt/widgets/handler_errors.h"

namespace morvanta {
namespace {

// The figure, pixel for pixel as drawn.
class FigureView : public QWidget {
public:
    FigureView(const PlotImage& figure, QWidget* parent) : QWidget(parent), figure_(figure) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, figure_.Image());
    }

private:
    const PlotImage& figure_;
};

}  // namespace

TimeCourseWindow::TimeCourseWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), view_(new FigureView(figure_, this)) {
    setObjectName("TimeCourseWindow");
    setWindowTitle("Morvanta: Time Course");
    // The figure is drawn at its one size, pixel for pixel as in the batch mode's picture.
    setFixedSize(MapWidth, MapHeight);
    view_->setObjectName("TimeCourse");
    view_->setGeometry(0, 0, MapWidth, MapHeight);
    view_->setFocusPolicy(Qt::StrongFocus);
    view_->setAccessibleName("Time course");
    SetAccessibleRole(*view_, QAccessible::Graphic);
    setFocusProxy(view_);

    SaveTimeCourse = new QAction("Save Time Course As…", this);
    connect(SaveTimeCourse, &QAction::triggered, this,
            [this] { RunHandler([this] { SaveTable(); }); });
    view_->addAction(SaveTimeCourse);
    view_->setContextMenuPolicy(Qt::ActionsContextMenu);
    chooseFile_ = [this](const QString& caption, const QString& filter) {
        return QFileDialog::getSaveFileName(this, caption, QString(), filter);
    };
}

void TimeCourseWindow::ShowTrials(const std::vector<TrialRecord>& records) {
    records_ = records;
    DrawTimeCourses(figure_, TimeCoursesOf(records));
    view_->setAccessibleDescription(QString::fromStdString(TimeCourseDescription(records)));
    view_->update();
}

void TimeCourseWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    // Shift+F10 opens the window's menu, as the Menu key does.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QMenu::exec(view_->actions(), view_->mapToGlobal(QPoint(MapWidth / 8, MapHeight / 8)),
                    nullptr, view_);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TimeCourseWindow::SaveTable() {
    QString chosen = chooseFile_("Save Time Course As", "CSV tables (*.csv)");
    if (chosen.isEmpty()) return;
    // A name typed without an extension gets the table's.
    if (QFileInfo(chosen).suffix().isEmpty()) chosen += ".csv";
    const std::string path = QFile::encodeName(chosen).toStdString();
    if (PathOnlyReaches(path))
        throw std::runtime_error("cannot write '" + path + "': not a regular file");
    if (const std::string error = SaveTimeCourseCsv(path, records_); !error.empty())
        throw std::runtime_error(error);
}

}  // namespace morvanta
