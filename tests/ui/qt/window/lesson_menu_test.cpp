// The plot menu's lesson items: own coefficients from a dialog, the time course in a window
// of its own, the direction field on the empty plot; each the batch mode's picture, pixel for
// pixel, and none of them changing the window until it is used.

#include <QDialogButtonBox>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include "core/driver/run_driver.h"
#include "plot/direction_field_plot.h"
#include "plot/isoclines.h"
#include "plot/time_course_plot.h"
#include "tests/ui/qt/form_fixture.h"

namespace morvanta::testkit {
class LessonMenuTest : public QObject {
    Q_OBJECT

private:
    static constexpr unsigned Seed = 43'200'000;
    FixedClock clock_ = FixedClock::ForSeed(Seed);
    std::unique_ptr<TForm1> form_;
    QTemporaryDir dir_;

    LessonMenu& Lesson() const { return form_->Menu().Lesson(); }
    void Choose(QAction* action) { ChooseFromPlotMenu(*form_, action); }
    void Run(int scenarioItem, int trialsItem = OneTrialItem) {
        form_->RadioGroup1->SetItemIndex(trialsItem);
        form_->RadioGroup2->SetItemIndex(scenarioItem);
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
    }
    // Types the coefficients into the dialog and presses OK, as a teacher would.
    void ChooseCoefficients(const QString& a12, const QString& a21) {
        Choose(Lesson().Coefficients);
        CoefficientsDialog* dialog = Lesson().Dialog();
        QVERIFY2(dialog && dialog->isVisible(), "no dialog opened");
        for (auto [box, text] : {std::pair{dialog->A12, a12}, std::pair{dialog->A21, a21}}) {
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, text);
        }
        auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return !Lesson().Dialog(); }, PatienceMs));
    }
    QStringList LogLines() const { return form_->Memo1->toPlainText().split('\n'); }
    // The file the batch mode writes for the option, for the same run; empty if it failed.
    QString BatchFile(QStringList arguments, const QString& option, const QString& name) {
        const QString program = qEnvironmentVariable("MORVANTA_PROGRAM");
        const QString file = dir_.filePath(name);
        arguments << "--batch"
                  << "--seed" << QString::number(Seed) << option << file;
        QProcess batch;
        batch.start(program, arguments);
        if (!batch.waitForFinished(60'000) || batch.exitCode() != 0) return {};
        return file;
    }
    QImage BatchPicture(QStringList arguments, const QString& option) {
        return QImage(BatchFile(arguments, option, "batch.png"))
            .convertToFormat(QImage::Format_RGB32);
    }
    static QByteArray Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init() {
        form_ = ShowNewForm(&clock_);
        QVERIFY(form_ && dir_.isValid());
        QVERIFY2(!qEnvironmentVariable("MORVANTA_PROGRAM").isEmpty(), "MORVANTA_PROGRAM unset");
    }
    void cleanup() { form_.reset(); }

    void theItemsStartOffAndChangeNothing() {
        QVERIFY(!Lesson().ShowTimeCourse->isEnabled());
        QVERIFY(Lesson().ShowDirectionField->isCheckable() &&
                !Lesson().ShowDirectionField->isChecked());
        // The designed run, drawn on its own, against the window's run.
        PlotImage alone;
        SilentOutlets outlets;
        RunTrials(FixedSettings(TenTrialsItem, 1), outlets, alone, clock_, 623, 610);
        Run(1, TenTrialsItem);
        QCOMPARE(form_->MapBox->Image(), alone.Image());
        QCOMPARE(LogLines(), QStringList({"Normal End of Job"}));
        QVERIFY(!Lesson().TimeCourse());
    }

    void ownCoefficientsAndTheDirectionFieldJoinTheRunsWhenChosen() {
        ChooseCoefficients("0.6", "1.4");
        form_->Menu().ShowIsoclines->setChecked(true);
        Choose(Lesson().ShowDirectionField);
        QVERIFY(Lesson().ShowDirectionField->isChecked());
        Run(ItemOf(Scenario::CompSevere), TenTrialsItem);
        QCOMPARE(LogLines(), QStringList({"Normal End of Job", "a12 0.6, a21 1.4",
                                          "Comp Severe: species 1 wins"}));
        const QColor field = ToQColor(FieldColor);
        const QColor muted = ToQColor(IsoclineColor);
        QVERIFY(CountOf(form_->MapBox->Image(), field) > 500);
        QVERIFY2(PlotColor(*form_, 128, 268) != muted, "the presets' saddle is still drawn");
        QCOMPARE(form_->MapBox->Image(),
                 BatchPicture({"--scenario", "1", "--isoclines", "--direction-field", "--a12",
                               "0.6", "--a21", "1.4"},
                              "--png"));
        Run(ItemOf(Scenario::StartPoint));  // new coefficients every trial: no field
        QCOMPARE(CountOf(form_->MapBox->Image(), field), 0);
        QCOMPARE(LogLines().mid(3), QStringList({"Normal End of Job",
                                                 "Start Point: each trial draws its own "
                                                 "coefficients"}));

        Choose(Lesson().Coefficients);
        QVERIFY(Lesson().Dialog());
        QCOMPARE(Lesson().Dialog()->A12->value(), 0.6);  // it opens on what is in use
        QTest::mouseClick(Lesson().Dialog()->UsePresets, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return !Lesson().Dialog(); }, PatienceMs));
        Run(ItemOf(Scenario::CompSevere));
        QCOMPARE(LogLines().size(), 7);
        QCOMPARE(PlotColor(*form_, 128, 268), muted);
    }

    void theTimeCourseShowsTheLastRunInAWindowOfItsOwn() {
        Run(ItemOf(Scenario::CompSevere), TenTrialsItem);
        Choose(Lesson().ShowTimeCourse);
        TimeCourseWindow* window = Lesson().TimeCourse();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->isWindow());
        QCOMPARE(window->windowTitle(), QString("Morvanta: Time Course"));
        // Not a primary window: closing the form still ends the program.
        QCOMPARE(window->windowHandle()->transientParent(), form_->windowHandle());
        QCOMPARE(window->grab().toImage().convertToFormat(QImage::Format_RGB32), window->Image());
        QCOMPARE(window->Image(), BatchPicture({"--scenario", "1"}, "--time-course-png"));
        const QColor bright = ToQColor(Species1Color);
        QVERIFY(CountOf(window->Image(), bright) > 100);
        // Its menu saves the table --time-course writes; a name typed bare gets ".csv".
        window->SetFileChooser(
            [this](const QString&, const QString&) { return dir_.filePath("course"); });
        window->SaveTimeCourse->trigger();
        const QByteArray saved = Contents(dir_.filePath("course.csv"));
        QVERIFY(saved.startsWith("trial,"));
        QCOMPARE(saved, Contents(BatchFile({"--scenario", "1"}, "--time-course", "batch.csv")));

        // The next run's trials replace them once it is over.
        const QImage before = window->Image().copy();
        Run(ItemOf(Scenario::CompMild), OneTrialItem);
        QVERIFY(window->Image() != before);
        QCOMPARE(window->Image(),
                 BatchPicture({"--scenario", "2", "--trials", "1"}, "--time-course-png"));
        QTest::keyClick(window->Figure(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }
};

}  // namespace morvanta::testkit

MORVANTA_WINDOW_TEST_MAIN(morvanta::testkit::LessonMenuTest)
#include "lesson_menu_test.moc"
