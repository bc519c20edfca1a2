// The batch run's picture against the window's plot after the same run, on a real X display:
// the two must agree in every pixel, the labels' text included.

#include <QProcess>
#include <QTemporaryDir>

#include "tests/ui/qt/form_fixture.h"

namespace morvanta::testkit {

class BatchPngTest : public QObject {
    Q_OBJECT

private slots:
    void theBatchPictureIsTheWindowsPlot_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("scenario");
        QTest::addColumn<int>("trialsItem");
        QTest::addColumn<bool>("isoclines");
        QTest::addColumn<bool>("shapes");
        QTest::newRow("start point, 10 trials") << 0U << 0 << 1 << false << false;
        QTest::newRow("comp severe, 100 trials, isoclines")
            << 43'200'000U << 1 << 3 << true << false;
        QTest::newRow("reversed, 50 trials, isoclines") << 86'399'999U << 3 << 2 << true << false;
        QTest::newRow("comp severe, 100 trials, shapes") << 43'200'000U << 1 << 3 << false << true;
    }

    void theBatchPictureIsTheWindowsPlot() {
        QFETCH(unsigned, seed);
        QFETCH(int, scenario);
        QFETCH(int, trialsItem);
        QFETCH(bool, isoclines);
        QFETCH(bool, shapes);
        const QString program = qEnvironmentVariable("MORVANTA_PROGRAM");
        QVERIFY2(!program.isEmpty(), "MORVANTA_PROGRAM names the program under test");

        const FixedClock clock = FixedClock::ForSeed(seed);
        auto form = ShowNewForm(&clock);
        QVERIFY(form);
        form->RadioGroup2->SetItemIndex(scenario);
        form->RadioGroup1->SetItemIndex(trialsItem);
        form->Menu().ShowIsoclines->setChecked(isoclines);
        form->Menu().OutcomeShapes->setChecked(shapes);
        QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
        const QImage window = form->MapBox->Image().copy();

        QTemporaryDir dir;
        const QString png = dir.filePath("plot.png");
        const char* counts[] = {"1", "10", "50", "100"};
        QStringList arguments{"--batch",
                              "--seed",
                              QString::number(seed),
                              "--scenario",
                              QString::number(scenario),
                              "--trials",
                              counts[trialsItem],
                              "--png",
                              png};
        if (isoclines) arguments << "--isoclines";
        if (shapes) arguments << "--shapes";
        QProcess batch;
        batch.start(program, arguments);
        QVERIFY(batch.waitForFinished(20'000));
        QCOMPARE(batch.exitCode(), 0);
        const QImage picture = QImage(png).convertToFormat(window.format());
        QCOMPARE(picture.size(), QSize(400, 400));
        QCOMPARE(picture, window);
    }
};

}  // namespace morvanta::testkit

MORVANTA_WINDOW_TEST_MAIN(morvanta::testkit::BatchPngTest)
#include "batch_png_test.moc"
