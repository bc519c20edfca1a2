// Every step is drawn into the plot and the number boxes, and the screen follows at the
// display's pace: never more than one frame a refresh, up to date at the end of a run, and
// never waiting for a compositor that has stopped showing the window. On X and on Qt's own
// Wayland platform alike.

#include <QProcess>
#include <QTest>

#include "tests/ui/qt/form_fixture.h"
#include "tests/ui/qt/stepped_frames.h"
#include "ui/qt/screen/frame_clock.h"
#include "ui/qt/widgets/plot_image.h"

namespace morvanta {

using testkit::FixedClock;
using testkit::ShowNewForm;

namespace {

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

// Keeps the last step number a run shows.
class LastStepOutlets : public RunOutlets {
public:
    void ShowTrialNumber(int) override {}
    void ShowStepNumber(int n) override { lastStep = n; }
    void AppendLog(const std::string&) override {}
    int lastStep = 0;
};

// The same run drawn into an image alone, as the batch mode draws it.
struct ReferenceRun {
    QImage plot;
    QString lastStep;
};
ReferenceRun Reference(int trialsItem, int scenario, const ClockSource& clock) {
    PlotImage plot;
    LastStepOutlets outlets;
    RunTrials(testkit::FixedSettings(trialsItem, scenario), outlets, plot, clock,
              TForm1::DesignOuterSize.width(), TForm1::DesignOuterSize.height());
    return {plot.Image().copy(), QString::number(outlets.lastStep)};
}

struct PacedRun {
    int refreshes = 0;
    // Frames are counted by the step box's paints: every frame of a run shows a new step.
    int framesDuringRun = 0;
};

// Ten trials of a scenario, a new refresh every refreshEvery changes (never if 0).
PacedRun RunTenTrials(TForm1& form, int scenario, int refreshEvery, const PaintedTexts& painted) {
    form.RadioGroup1->SetItemIndex(1);
    form.RadioGroup2->SetItemIndex(scenario);
    PacedRun run;
    int changes = 0;
    const qsizetype paintsBefore = painted.texts.size();
    testkit::WhenRefreshAsked([&] {
        run.framesDuringRun = int(painted.texts.size() - paintsBefore);
        if (refreshEvery > 0 && ++changes % refreshEvery == 0) {
            testkit::NextRefresh();
            ++run.refreshes;
        }
    });
    form.BitBtn1Click();
    testkit::WhenRefreshAsked({});
    return run;
}

}  // namespace

class PacedScreenTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { testkit::WhenRefreshAsked({}); }

    // The screen's own clock: whole refreshes at the rate the screen reports, 60 a second
    // where it reports none.
    void refreshesAreCountedAtTheScreensRate_data() {
        QTest::addColumn<qint64>("nanoseconds");
        QTest::addColumn<double>("rate");
        QTest::addColumn<qint64>("refresh");
        QTest::newRow("at the epoch") << qint64(0) << 60.0 << qint64(0);
        QTest::newRow("one second at 60") << qint64(1'000'000'000) << 60.0 << qint64(60);
        QTest::newRow("just before it") << qint64(999'999'999) << 60.0 << qint64(59);
        QTest::newRow("half a second at 144") << qint64(500'000'000) << 144.0 << qint64(72);
        QTest::newRow("two seconds at 59.94") << qint64(2'000'000'000) << 59.94 << qint64(119);
        QTest::newRow("ten seconds at 30") << qint64(10'000'000'000) << 30.0 << qint64(300);
        QTest::newRow("no rate reported") << qint64(1'000'000'000) << 0.0 << qint64(60);
        QTest::newRow("a negative rate") << qint64(1'000'000'000) << -1.0 << qint64(60);
    }
    void refreshesAreCountedAtTheScreensRate() {
        QFETCH(qint64, nanoseconds);
        QFETCH(double, rate);
        QFETCH(qint64, refresh);
        QCOMPARE(RefreshAt(std::chrono::nanoseconds(nanoseconds), rate), refresh);
    }

    void everyStepIsDrawnAndTheEndIsShown_data() {
        QTest::addColumn<int>("scenario");
        QTest::addColumn<int>("refreshEvery");
        QTest::newRow("Start Point, no refresh during the run") << 0 << 0;
        QTest::newRow("Start Point, a refresh at every change") << 0 << 1;
        QTest::newRow("Comp Mild, a refresh every 50 changes") << 2 << 50;
    }
    void everyStepIsDrawnAndTheEndIsShown() {
        QFETCH(int, scenario);
        QFETCH(int, refreshEvery);
        const FixedClock clock({0, 0, 0, 0});
        auto form = ShowNewForm(&clock);
        QVERIFY(form);
        PaintedTexts painted(form->Edit2);
        const PacedRun run = RunTenTrials(*form, scenario, refreshEvery, painted);
        const ReferenceRun reference = Reference(1, scenario, clock);

        // Trials cross and cover one another: only every step in order gives this image.
        QCOMPARE(form->MapBox->Image(), reference.plot);
        QCOMPARE(form->Edit2->text(), reference.lastStep);
        // The screen shows the last step: painted as the run ended where the display had
        // shown the frame before, else with the display's next word.
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         return !painted.texts.isEmpty() &&
                                painted.texts.back() == reference.lastStep;
                     },
                     testkit::PatienceMs),
                 qPrintable("the step box's last paint showed " +
                            painted.texts.value(painted.texts.size() - 1, "nothing") + ", not " +
                            reference.lastStep));
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
        form->RadioGroup1->SetItemIndex(0);
        form->RadioGroup2->SetItemIndex(1);  // "Comp Severe": hundreds of steps
        const qreal ratio = form->devicePixelRatio();
        const QPoint target = form->Memo1->mapToGlobal(form->Memo1->rect().center()) * ratio;
        int pressesDuringRun = 0;
        int changes = 0;
        testkit::WhenRefreshAsked([&] {
            if (++changes == 20)
                QProcess::execute("xdotool", {"mousemove", QString::number(target.x()),
                                              QString::number(target.y()), "click", "1"});
            testkit::NextRefresh();  // every change lets the display's events through
            pressesDuringRun = presses.count;
        });
        form->BitBtn1Click();
        testkit::WhenRefreshAsked({});
        QCOMPARE(pressesDuringRun, 0);
        QVERIFY2(QTest::qWaitFor([&] { return presses.count > 0; }, testkit::PatienceMs),
                 "the click never came");
    }

    // The compositor's screen goes to sleep (weston's idle time, set by with_weston.sh from
    // MORVANTA_WESTON_IDLE_TIME) and stops showing the window, which is not minimised: it
    // answers no frame and may keep the buffers it has. The run goes on to its end with the
    // display's refreshes coming all the while.
    void sleepingScreenDoesNotStallARun() {
        const int idleSeconds = qEnvironmentVariableIntValue("MORVANTA_WESTON_IDLE_TIME");
        if (idleSeconds <= 0) QSKIP("the screen never sleeps; paced_screen_test_sleep runs this");
        const FixedClock clock({12, 0, 0, 0});
        auto form = ShowNewForm(&clock);
        QVERIFY(form);
        QTest::qWait(idleSeconds * 1000 + 1500);
        form->RadioGroup1->SetItemIndex(1);
        form->RadioGroup2->SetItemIndex(2);
        testkit::WhenRefreshAsked(testkit::NextRefresh);
        form->BitBtn1Click();
        testkit::WhenRefreshAsked({});
        QCOMPARE(form->MapBox->Image(), Reference(1, 2, clock).plot);
        QCOMPARE(testkit::EndOfJobLines(*form), 1);
    }
};

}  // namespace morvanta

MORVANTA_WINDOW_TEST_MAIN(morvanta::PacedScreenTest)
#include "paced_screen_test.moc"
