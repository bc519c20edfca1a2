#pragma once

#include <QApplication>
#include <QString>

namespace morvanta {

// The executable's file name without folder and extension, every letter after the first
// in lower case: the title of error boxes and of the task-bar entry.
QString ApplicationTitleFor(const QString& executablePath);

// An error's text as the error box shows it: with a full stop after a last character whose
// code is above that of ".".
QString ErrorBoxText(const QString& errorText);

// The application object: it shows an error raised inside any handler in an error box and
// goes on with the next event.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    QString Title() const { return title_; }
    void ShowErrorBox(const QString& errorText);

private:
    QString title_;
};

}  // namespace morvanta
