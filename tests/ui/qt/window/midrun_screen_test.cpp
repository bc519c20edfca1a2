// On a real X display, a run stopped at any step shows on the screen exactly what the
// program holds: the number of the step about to be taken and every segment drawn before
// it. Nothing is left waiting in a buffer.

#include <QPixmap>
#include <QScreen>
#include <QTest>

#include "tests/ui/qt/form_fixture.h"

namespace morvanta {

using testkit::FixedClock;
using testkit::ShowNewForm;

namespace {

// What the screen shows of a widget, and what the widget holds, at one moment of a run.
struct Moment {
    int step = 0;
    QString shownNumber;
    QImage screenPlot, heldPlot;
    QImage screenNumber, heldNumber;
};

QImage ScreenPart(const TForm1& form, QWidget* widget) {
    const QPixmap window = form.screen()->grabWindow(form.winId());
    const QRect area(widget->mapTo(&form, QPoint(0, 0)), widget->size());
    return window.copy(area).toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class MidRunScreenTest : public QObject {
    Q_OBJECT

private slots:
    void screenShowsTheStepInProgress_data() {
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("scenario");
        QTest::addColumn<int>("stopAt");
        // At each stop the step before drew pixels of its own, so a lagging screen shows.
        QTest::newRow("Start Point, step 10") << 0 << 0 << 10;
        QTest::newRow("Start Point, step 40") << 0 << 0 << 40;
        QTest::newRow("Comp Severe, step 601") << 12 << 1 << 601;
        QTest::newRow("\"?\", step 4") << 23 << 3 << 4;
    }
    void screenShowsTheStepInProgress() {
        QFETCH(int, hour);
        QFETCH(int, scenario);
        QFETCH(int, stopAt);
        FixedClock clock({hour, hour == 23 ? 59 : 0, hour == 23 ? 59 : 0, hour == 23 ? 999 : 0});
        auto form = ShowNewForm(&clock);
        QVERIFY(form);
        QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
        form->RadioGroup1->SetItemIndex(0);
        form->RadioGroup2->SetItemIndex(scenario);

        Moment moment;
        QImage beforeLastStep;
        form->SetStepHook([&](int step) {
            if (step == stopAt - 1) beforeLastStep = form->MapBox->Image().copy();
            if (step != stopAt) return;
            // The step's number and everything the steps before it drew are on the screen.
            moment.step = step;
            moment.screenPlot = ScreenPart(*form, form->MapBox);
            moment.heldPlot = form->MapBox->Image().copy();  // a deep copy: the run goes on
            moment.screenNumber = ScreenPart(*form, form->Edit2);
            // The box's own painting of its number, and its text, which a paint brings up to date.
            moment.heldNumber = form->Edit2->grab().toImage().convertToFormat(QImage::Format_RGB32);
            moment.shownNumber = form->Edit2->text();
        });
        QTest::mouseClick(form->BitBtn1, Qt::LeftButton);

        QCOMPARE(moment.step, stopAt);
        QCOMPARE(moment.shownNumber, QString::number(stopAt));
        QCOMPARE(moment.screenPlot.size(), QSize(400, 400));
        QVERIFY2(beforeLastStep != moment.heldPlot, "the last step drew nothing: pick another");
        if (moment.screenPlot != moment.heldPlot) {
            moment.screenPlot.save("midrun_screen_plot.png");
            moment.heldPlot.save("midrun_held_plot.png");
            int differing = 0;
            for (int y = 0; y < 400; ++y)
                for (int x = 0; x < 400; ++x)
                    if (moment.screenPlot.pixel(x, y) != moment.heldPlot.pixel(x, y) &&
                        differing++ < 5)
                        qWarning("differs at %d,%d: screen %08x held %08x", x, y,
                                 moment.screenPlot.pixel(x, y), moment.heldPlot.pixel(x, y));
            qWarning("%d pixels differ", differing);
        }
        QVERIFY2(moment.screenPlot == moment.heldPlot, "the screen lags behind the plot");
        QVERIFY2(moment.screenNumber == moment.heldNumber,
                 "the screen lags behind the step display");
    }
};

}  // namespace morvanta

MORVANTA_WINDOW_TEST_MAIN(morvanta::MidRunScreenTest)
#include "midrun_screen_test.moc"
