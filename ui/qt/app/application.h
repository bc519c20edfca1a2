#pragma once

#include <QApplication>
#include <QIcon>
#include <QString>
#include <exception>
#include <functional>

namespace morvanta {

// The executable's file name without folder and extension, every letter after the first
// in lower case: the title of error boxes and of the task-bar entry.
QString ApplicationTitleFor(const QString& executablePath);

// An error's text as the error box shows it: with a full stop after a last character whose
// code is above that of ".".
QString ErrorBoxText(const QString& errorText);

// The program's icon at every size it is installed in.
QIcon ProgramIcon();

// Runs a handler's body; an error raised inside it ends the body and is shown in the
// application's error box. The program then goes on with the next event.
void RunHandler(const std::function<void()>& body);

// Raises, in the handler now running, an error the toolkit caught while that handler had
// called into it (a repaint, say). Called where a handler gets control back from the toolkit.
void RaiseHeldToolkitError();

// The application object: it shows an error raised inside any handler in an error box and
// goes on with the next event. The program's own handlers catch their errors in
// RunHandler, before they unwind through the toolkit; this is the net for the rest.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    QString Title() const { return title_; }
    void ShowErrorBox(const QString& errorText);

private:
    // An error that unwound through the toolkit's delivery of an event.
    void ToolkitError(std::exception_ptr error) noexcept;

    QString title_;
};

}  // namespace morvanta
