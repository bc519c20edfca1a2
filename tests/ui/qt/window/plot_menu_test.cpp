// The plot's right-button menu: its items, copying and saving the plot and the trials, and
// the two options, isoclines on the empty plot and the tally line in the log.

#include <sys/stat.h>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>

#include "core/driver/trial_table.h"
#include "plot/isoclines.h"
#include "plot/outcome_shading.h"
#include "plot/plot_point.h"
#include "session/link_setup.h"
#include "tests/ui/qt/form_fixture.h"

namespace morvanta::testkit {
namespace {

const QColor Muted(IsoclineColor.red, IsoclineColor.green, IsoclineColor.blue);

}  // namespace

class PlotMenuTest : public QObject {
    Q_OBJECT

private:
    FixedClock clock_ = FixedClock::ForSeed(43'200'000);
    std::unique_ptr<TForm1> form_;
    QTemporaryDir dir_;

    QMenu* OpenMenu() { return OpenPlotMenu(*form_); }
    void Choose(QAction* action) { ChooseFromPlotMenu(*form_, action); }
    void Run(int scenarioItem) {
        form_->RadioGroup1->SetItemIndex(OneTrialItem);
        form_->RadioGroup2->SetItemIndex(scenarioItem);
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
    }
    QStringList LogLines() const { return form_->Memo1->toPlainText().split('\n'); }

private slots:
    void init() {
        form_ = ShowNewForm(&clock_);
        QVERIFY(form_);
        QVERIFY(dir_.isValid());
    }
    void cleanup() { form_.reset(); }

    void theRightButtonOpensTheMenu() {
        QMenu* menu = OpenMenu();
        QVERIFY2(menu, "the right button opened no menu");
        QStringList items;
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) items << action->text();
        QCOMPARE(items,
                 QStringList({"Copy Plot", "Save Plot As…", "Save Trials As…", "Clear Plot",
                              "Describe Plot", "Show Isoclines", "Tally Outcomes", "Outcome Shapes",
                              "Show Outcome Map", "Reset Shares", "Coefficients…",
                              "Show Time Course", "Show Direction Field", "Axis Numbers",
                              "Label Isoclines", "Show Caption", "Zoom", "Pace"}));
        PlotMenu& m = form_->Menu();
        QVERIFY2(!m.SaveTrials->isEnabled(), "there is no run to save yet");
        QVERIFY(m.ShowIsoclines->isCheckable() && !m.ShowIsoclines->isChecked());
        QVERIFY(m.TallyOutcomes->isCheckable() && !m.TallyOutcomes->isChecked());
        QVERIFY(m.OutcomeShapes->isCheckable() && !m.OutcomeShapes->isChecked());
        menu->close();
    }

    void copiesAndSavesThePlotAsShown() {
        Run(ItemOf(Scenario::CompSevere));
        const QImage plot = form_->MapBox->Image().copy();
        Choose(form_->Menu().CopyPlot);
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(plot.format()), plot);

        const QString path = dir_.filePath("plot.png");
        form_->Menu().SetFileChooser([&](const QString&, const QString&) { return path; });
        Choose(form_->Menu().SavePlot);
        QCOMPARE(QImage(path).convertToFormat(plot.format()), plot);
        // The PNG copied beside the image is the saved file, texts and all.
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray png = saved.readAll();
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->data("image/png"), png);
        QVERIFY(
            png.contains(QByteArray("tEXtSeed\0"
                                    "43200000",
                                    17)));

        form_->Menu().SetFileChooser([](const QString&, const QString&) { return QString(); });
        QFile::remove(path);
        Choose(form_->Menu().SavePlot);
        QVERIFY2(!QFile::exists(path), "a cancelled dialog saved a file");
    }

    // A pipe with no reader would hold the window until something read it: the window
    // refuses it in the error box at once and goes on.
    void refusesToSaveOntoAPipe() {
        const QString pipe = dir_.filePath("pipe");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        form_->Menu().SetFileChooser([&](const QString&, const QString&) { return pipe; });
        QString text;
        QTimer answer;  // the box shows once the menu has run the item
        connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                box->accept();
            }
        });
        answer.start(10);
        Choose(form_->Menu().SavePlot);
        QVERIFY(QTest::qWaitFor([&] { return !text.isEmpty(); }, PatienceMs));
        QCOMPARE(text, "cannot write '" + pipe + "': not a regular file.");
        QVERIFY(QFileInfo(pipe).isFile() == false);
    }

    void savesTheLastRunsTrials() {
        Run(ItemOf(Scenario::CompSevere));
        QVERIFY(form_->Menu().SaveTrials->isEnabled());
        const QString path = dir_.filePath("trials.csv");
        form_->Menu().SetFileChooser([&](const QString&, const QString&) { return path; });
        Choose(form_->Menu().SaveTrials);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        QCOMPARE(lines.size(), 3);  // header, one trial, and the last line's end
        QVERIFY2(lines[1].startsWith("1,43200000,1,1.5,1.5,") &&
                     lines[1].endsWith(",675,extinct,1,comp-severe"),
                 qPrintable(lines[1]));
    }

    void isoclinesJoinTheEmptyPlotOnlyWhenSwitchedOn() {
        const QImage designed = form_->MapBox->Image().copy();
        form_->RadioGroup2->SetItemIndex(ItemOf(Scenario::CompSevere));
        QTest::mouseClick(form_->MapBox, Qt::LeftButton, {}, QPoint(300, 300));
        QCOMPARE(form_->MapBox->Image(), designed);

        Choose(form_->Menu().ShowIsoclines);
        QVERIFY(form_->Menu().ShowIsoclines->isChecked());
        QVERIFY(CountOf(form_->MapBox->Image(), Muted) > 500);  // at once, between runs
        QCOMPARE(PlotColor(*form_, 128, 268), Muted);           // the saddle's rim at (0.36, 0.36)
        QCOMPARE(PlotColor(*form_, 128, 272), testkit::NavyColor);  // the saddle is hollow

        Run(ItemOf(Scenario::CompSevere));             // the run's empty plot has them too
        QCOMPARE(PlotColor(*form_, 290, 376), Muted);  // the stable (0.9, 0)'s top rim
        Run(0);  // "Start Point" draws a new matrix every trial: no isoclines
        QCOMPARE(CountOf(form_->MapBox->Image(), Muted), 0);
    }

    void theOutcomeMapShadesTheEmptyPlotOnlyWhenSwitchedOn() {
        const QImage designed = form_->MapBox->Image().copy();
        form_->RadioGroup2->SetItemIndex(ItemOf(Scenario::CompSevere));
        QVERIFY(!form_->Menu().ShowOutcomeMap->isChecked());
        QTest::mouseClick(form_->MapBox, Qt::LeftButton, {}, QPoint(300, 300));
        QCOMPARE(form_->MapBox->Image(), designed);

        Choose(form_->Menu().ShowOutcomeMap);
        QTest::mouseClick(form_->MapBox, Qt::LeftButton, {}, QPoint(300, 300));
        // Severe competition: species 1 ahead at (0.7, 0.2) wins, species 2 ahead at
        // (0.2, 0.7) wins; the axes stay white.
        const auto shade = [](std::size_t k) {
            return QColor(OutcomeShades[k].red, OutcomeShades[k].green, OutcomeShades[k].blue);
        };
        QCOMPARE(PlotColor(*form_, ToPixel(0.7, 0.2).x, ToPixel(0.7, 0.2).y), shade(0));
        QCOMPARE(PlotColor(*form_, ToPixel(0.2, 0.7).x, ToPixel(0.2, 0.7).y), shade(1));
        QCOMPARE(PlotColor(*form_, 20, 200), testkit::WhiteColor);
        Run(0);  // "Start Point" draws a new matrix every trial: no map
        QCOMPARE(CountOf(form_->MapBox->Image(), shade(0)), 0);
    }

    void theTallyFollowsTheEndOfJobLineWhenSwitchedOn() {
        Run(ItemOf(Scenario::CompSevere));
        QCOMPARE(LogLines(), QStringList({"Normal End of Job"}));
        Choose(form_->Menu().TallyOutcomes);
        Run(ItemOf(Scenario::CompSevere));
        // The shares count the session's runs of the system, the first one too: 2 of 2 trials
        // lost species 1, 0 of 2 is 0% .. 66% by Wilson's interval.
        QCOMPARE(LogLines(),
                 QStringList({"Normal End of Job", "Normal End of Job",
                              "Comp Severe: the winner depends on the start", "Seed 43200000",
                              "Results: sp.1 won 0, sp.2 won 1, both alive 0, reached 0.9 0, "
                              "start <0.01 0, start >=0.9 0",
                              "Shares (2 trials): sp.1 won 0% (0-66), sp.2 won 100% (34-100), "
                              "both alive 0% (0-66), reached 0.9 0% (0-66), start <0.01 0% "
                              "(0-66), start >=0.9 0% (0-66)"}));
    }

    void theCommandLineSetsTheWindowUpAndSaysWhatItLeftOut() {
        form_->OpenWithSetup(*ReadWindowArguments({"--scenario", "comp-mild", "--seed", "0",
                                                   "--isoclines", "--direction-field", "--a12",
                                                   "0.5", "--a21", "0.7", "--runs", "3"}));
        QCOMPARE(form_->RadioGroup2->ItemIndex(), ItemOf(Scenario::CompMild));
        QVERIFY(form_->Menu().ShowIsoclines->isChecked());
        QVERIFY(form_->Menu().Lesson().ShowDirectionField->isChecked());
        QVERIFY(!form_->Menu().ShowOutcomeMap->isChecked());
        QCOMPARE(LogLines(), QStringList({"Command line: ignored --runs=3"}));
        form_->RadioGroup1->SetItemIndex(OneTrialItem);
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        // The first run takes the command line's seed and coefficients.
        const TrialRecord& trial = form_->Menu().Records().front();
        QCOMPARE(trial.seed, 0U);
        QCOMPARE(trial.a12, 0.5);
        QCOMPARE(LogLines().last(), QString("Comp Mild: the two species coexist"));
    }
};

}  // namespace morvanta::testkit

MORVANTA_WINDOW_TEST_MAIN(morvanta::testkit::PlotMenuTest)
#include "plot_menu_test.moc"
