// Off the direct X path (more than one device pixel per pixel on X, Qt's own Wayland
// platform) every step is drawn into the plot and the number boxes, and the screen follows
// at the display's pace: never more than one frame a refresh, up to date at the end of a run,
// and never waiting for a compositor that has stopped showing the window.

#include <QProcess>
#include <QTest>

#include "tests/ui/qt/form_fixture.h"
#include "ui/qt/screen/frame_clock.h"
#include "ui/qt/widgets/plot_image.h"

namespace morvanta {

using testkit::FixedClock;
using testkit::ShowNewForm;

namespace {

// Refreshes that come when the test says, not with time.
class SteppedFrameClock : public FrameClock {
public:
    std::int64_t Refresh() const override { return refresh_; }
    void NextRefresh() { ++refresh_; }

private:
    std::int64_t refresh_ = 0;
};

// The texts the box had each time it was painted.
class PaintedTexts : public QObject {
public:
    explicit PaintedTexts(QLineEdit* box) : box_(box) { box->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) texts << box_->text();
        return false;
    }
    QStringList texts;

private:
    QLineEdit* box_;
};

// Mouse presses the application is given.
class InputCounter : public QObject {
public:
    InputCounter() { qApp->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::MouseButtonPress;
        return false;
    }
    int count = 0;
};

class NoOutlets : public RunOutlets {
    void ShowTrialNumber(int) override {}
    void ShowStepNumber(int) override {}
    void AppendLog(const std::string&) override {}
};

// The plot of the same run drawn into an image alone, as the batch mode draws it.
QImage ReferencePlot(int trialsItem, int scenario, const ClockSource& clock) {
    PlotImage plot;
    NoOutlets outlets;
    RunTrials(testkit::FixedSettings(trialsItem, scenario), outlets, plot, clock,
              TForm1::DesignOuterSize.width(), TForm1::DesignOuterSize.height());
    return plot.Image().copy();
}

struct PacedRun {
    int steps = 0;
    int refreshes = 0;
    int framesDuringRun = 0;
    QString lastPaintedStep;
};

// Ten trials of a scenario, a new refresh every refreshEvery steps (never if 0).
PacedRun RunTenTrials(TForm1& form, int scenario, int refreshEvery) {
    SteppedFrameClock frames;
    form.SetFrameClock(frames);
    form.RadioGroup1->SetItemIndex(1);
    form.RadioGroup2->SetItemIndex(scenario);
    PacedRun run;
    PaintedTexts painted(form.Edit2);
    PacedScreen& screen = PacedScreen::Of(form);
    const int framesBefore = screen.FramesPainted();
    form.SetStepHook([&](int) {
        run.framesDuringRun = screen.FramesPainted() - framesBefore;
        if (refreshEvery > 0 && ++run.steps % refreshEvery == 0) {
            frames.NextRefresh();
            ++run.refreshes;
        }
    });
    form.BitBtn1Click();
    form.SetStepHook({});
    if (!painted.texts.isEmpty()) run.lastPaintedStep = painted.texts.back();
    return run;
}

}  // namespace

class PacedScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        auto form = ShowNewForm();
        QVERIFY(form);
        QVERIFY2(form->devicePixelRatio() != 1 || QGuiApplication::platformName() != "xcb",
                 "the direct X path would be taken");
    }

    void everyStepIsDrawnAndTheEndIsShown_data() {
        QTest::addColumn<int>("scenario");
        QTest::addColumn<int>("refreshEvery");
        QTest::newRow("Start Point, no refresh during the run") << 0 << 0;
        QTest::newRow("Start Point, a refresh every step") << 0 << 1;
        QTest::newRow("Comp Mild, a refresh every 50 steps") << 2 << 50;
    }
    void everyStepIsDrawnAndTheEndIsShown() {
        QFETCH(int, scenario);
        QFETCH(int, refreshEvery);
        const FixedClock clock({0, 0, 0, 0});
        auto form = ShowNewForm(&clock);
        QVERIFY(form);
        const PacedRun run = RunTenTrials(*form, scenario, refreshEvery);

        // Trials cross and cover one another: only every step in order gives this image.
        QCOMPARE(form->MapBox->Image(), ReferencePlot(1, scenario, clock));
        // The last frame, painted as the run ended, showed the last step.
        QCOMPARE(run.lastPaintedStep, form->Edit2->text());
        QVERIFY(!form->Edit2->text().isEmpty());
        QVERIFY2(
            run.framesDuringRun <= run.refreshes,
            qPrintable(
                QString("%1 frames in %2 refreshes").arg(run.framesDuringRun).arg(run.refreshes)));
        QCOMPARE(testkit::EndOfJobLines(*form), 1);
    }

    // A click from outside the process in the middle of a run, on X: the frames let the
    // display's events through, never the user's, which wait for the run's end.
    void inputWaitsForTheRunsEnd() {
        if (QGuiApplication::platformName() != "xcb") QSKIP("xdotool clicks on X only");
        const FixedClock clock({12, 0, 0, 0});
        auto form = ShowNewForm(&clock);
        QVERIFY(form);
        InputCounter presses;
        SteppedFrameClock frames;
        form->SetFrameClock(frames);
        form->RadioGroup1->SetItemIndex(0);
        form->RadioGroup2->SetItemIndex(1);  // "Comp Severe": hundreds of steps
        const qreal ratio = form->devicePixelRatio();
        const QPoint target = form->Memo1->mapToGlobal(form->Memo1->rect().center()) * ratio;
        int pressesDuringRun = 0;
        form->SetStepHook([&](int step) {
            if (step == 10)
                QProcess::execute("xdotool", {"mousemove", QString::number(target.x()),
                                              QString::number(target.y()), "click", "1"});
            frames.NextRefresh();  // every step lets the display's events through
            pressesDuringRun = presses.count;
        });
        form->BitBtn1Click();
        QCOMPARE(pressesDuringRun, 0);
        QVERIFY2(QTest::qWaitFor([&] { return presses.count > 0; }, testkit::PatienceMs),
                 "the click never came");
    }

    // The compositor's screen goes to sleep (weston's idle time, set by with_weston.sh from
    // MORVANTA_WESTON_IDLE_TIME) and stops showing the window, which is not minimised: it
    // answers no frame and may keep the buffers it has. The run goes on to its end on the
    // display's own refreshes.
    void sleepingScreenDoesNotStallARun() {
        const int idleSeconds = qEnvironmentVariableIntValue("MORVANTA_WESTON_IDLE_TIME");
        if (idleSeconds <= 0) QSKIP("the screen never sleeps; paced_screen_test_sleep runs this");
        const FixedClock clock({12, 0, 0, 0});
        auto form = ShowNewForm(&clock);
        QVERIFY(form);
        QTest::qWait(idleSeconds * 1000 + 1500);
        form->RadioGroup1->SetItemIndex(1);
        form->RadioGroup2->SetItemIndex(2);
        int steps = 0;
        form->SetStepHook([&](int) { ++steps; });
        form->BitBtn1Click();
        QVERIFY(steps > 1000);
        QCOMPARE(form->MapBox->Image(), ReferencePlot(1, 2, clock));
        QCOMPARE(testkit::EndOfJobLines(*form), 1);
    }
};

}  // namespace morvanta

MORVANTA_WINDOW_TEST_MAIN(morvanta::PacedScreenTest)
#include "paced_screen_test.moc"
