// On Qt's own Wayland platform (a private weston, no X display), a run's repaints keep to
// the compositor's frames while the window is shown, and stop waiting on the compositor
// once it no longer shows the window.

#include <QTest>

#include "tests/ui/form_fixture.h"
#include "ui/screen/wayland_frame_gate.h"

namespace morvanta {

using testkit::EndOfJobLines;
using testkit::FixedClock;
using testkit::ShowNewForm;

namespace {

// Counts the paints a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

struct RunCount {
    int steps = 0;
    int stepBoxPaints = 0;
    qint64 ms = 0;
};

RunCount OneTrialOfCompMild(TForm1& form) {
    form.RadioGroup1->SetItemIndex(0);
    form.RadioGroup2->SetItemIndex(2);
    RunCount count;
    form.SetStepHook([&](int) { ++count.steps; });
    PaintCounter counter(form.Edit2);
    QElapsedTimer clock;
    clock.start();
    form.BitBtn1Click();
    count.ms = clock.elapsed();
    count.stepBoxPaints = counter.paints;
    return count;
}

}  // namespace

class WaylandGateTest : public QObject {
    Q_OBJECT

private slots:
    void shownWindowPaintsEveryStep() {
        FixedClock clock({12, 0, 0, 0});
        auto form = ShowNewForm(&clock);
        QVERIFY(form);
        QCOMPARE(QGuiApplication::platformName(), QString("wayland"));
        const RunCount run = OneTrialOfCompMild(*form);
        QVERIFY(run.steps > 100);
        // A frame later than the gate waits for counts the window as not shown for a while.
        QVERIFY2(run.stepBoxPaints > run.steps / 2,
                 qPrintable(QString("%1 paints, %2 steps").arg(run.stepBoxPaints).arg(run.steps)));
        QCOMPARE(EndOfJobLines(*form), 1);
    }

    // The compositor's screen goes to sleep (weston's idle time, set by with_weston.sh
    // from MORVANTA_WESTON_IDLE_TIME) and stops showing the window, which is not minimised:
    // the toolkit would go on painting and committing every step.
    void sleepingScreenStopsTheWaitForFrames() {
        const int idleSeconds = qEnvironmentVariableIntValue("MORVANTA_WESTON_IDLE_TIME");
        if (idleSeconds <= 0) QSKIP("the screen never sleeps; wayland_gate_test_sleep runs this");
        FixedClock clock({12, 0, 0, 0});
        auto form = ShowNewForm(&clock);
        QVERIFY(form);
        QTest::qWait(idleSeconds * 1000 + 1500);
        const RunCount run = OneTrialOfCompMild(*form);
        QVERIFY(run.steps > 100);
        QVERIFY2(run.stepBoxPaints <= WaylandFrameGate::MaxRepaintsPerFrame + 1,
                 qPrintable(QString("%1 paints").arg(run.stepBoxPaints)));
        // One wait for a frame, not one a step.
        QVERIFY2(run.ms < 20 * WaylandFrameGate::FrameWaitMs,
                 qPrintable(QString("%1 ms").arg(run.ms)));
        QCOMPARE(EndOfJobLines(*form), 1);
    }
};

}  // namespace morvanta

MORVANTA_WINDOW_TEST_MAIN(morvanta::WaylandGateTest)
#include "wayland_gate_test.moc"
