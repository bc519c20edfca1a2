// A whole session of the program, made as main() makes it: the application object and the
// window on the stack, shown, then driven from inside the event loop by clicks as a person
// would make them: a 10-trial run in each of the four scenarios with a few clicks on the
// plot between them, then "End". The event loop returns when the window closes, and every
// object goes out of scope before main() returns; tests/leak/run_leak_check.sh runs this
// under Valgrind memcheck to find what was never freed.
//
// Exits 0 when the session went as scripted, 1 when it did not (so that a session which
// never ran cannot pass the leak check), 2 when the window never closed.

#include <QPointer>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "tests/ui/qt/form_fixture.h"
#include "ui/qt/app/application.h"
#include "ui/qt/app/platform_choice.h"
#include "ui/qt/app/toolkit_start.h"
#include "ui/qt/window/tform1.h"

namespace {

constexpr int ScenarioCount = 4;

// The clicks of the session. Returns what went differently from the script, or nothing.
QString PlaySession(morvanta::TForm1& form) {
    for (int scenario = 0; scenario < ScenarioCount; ++scenario) {
        QTest::mouseClick(form.RadioGroup2->Item(scenario), Qt::LeftButton, {}, QPoint(5, 8));
        QTest::mouseClick(form.RadioGroup1->Item(morvanta::TenTrialsItem), Qt::LeftButton, {},
                          QPoint(5, 8));
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        QCoreApplication::processEvents();
        if (morvanta::testkit::EndOfJobLines(form) != scenario + 1 || form.Edit1->text() != "10")
            return QString("run %1 left %2 log lines and trial %3")
                .arg(scenario + 1)
                .arg(morvanta::testkit::EndOfJobLines(form))
                .arg(form.Edit1->text());
        // Clicks on the plot clear it; the next run draws it afresh.
        for (const QPoint at : {QPoint(100, 100), QPoint(399, 1), QPoint(200, 300)})
            QTest::mouseClick(form.MapBox, Qt::LeftButton, {}, at);
    }
    QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
    return form.isVisible() ? "the window stayed open after \"End\"" : QString();
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    morvanta::WatchToolkitStart();
    morvanta::PrepareToolkitEnvironment();
    morvanta::Application application(argc, argv);
    if (!morvanta::ToolkitStartedOnUsableScreen()) return 1;
    morvanta::TForm1 Form1;
    const auto clock = morvanta::testkit::FixedClock::ForSeed(43200000);
    Form1.SetClock(clock);
    Form1.show();

    QString fault = "the session never started";
    QTimer::singleShot(0, &Form1, [&] { fault = PlaySession(Form1); });
    // Should "End" not end the event loop, the session fails instead of hanging.
    bool timedOut = false;
    QTimer::singleShot(480000, &application, [&] {
        timedOut = true;
        QCoreApplication::exit(2);
    });
    const int status = application.exec();
    if (timedOut) {
        std::fprintf(stderr, "session_leak_test: the window never closed\n");
        return status;
    }
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "session_leak_test: %s\n", qPrintable(fault));
        return 1;
    }
    std::printf("session_leak_test: 4 runs, closed by \"End\"\n");
    return status;
}
