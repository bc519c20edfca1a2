#pragma once

#include <QApplication>
#include <QIcon>
#include <QString>

namespace morvanta {

// The executable's file name without folder and extension, every letter after the first
// in lower case: the title of error boxes and of the task-bar entry.
QString ApplicationTitleFor(const QString& executablePath);

// The program's icon at every size it is installed in.
QIcon ProgramIcon();

// The application object: it shows an error raised inside any handler in an error box and
// goes on with the next event. The program's own handlers catch their errors in
// RunHandler (ui/qt/widgets/handler_errors.h), before they unwind through the toolkit; this
// is the net for the rest.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace morvanta
