// The window for a class: the plot zoomed, a run at a pace that Escape ends, saved files that
// get their extension.

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "core/driver/step_pace.h"
#include "plot/zoom.h"
#include "tests/ui/qt/form_fixture.h"

namespace morvanta::testkit {

class LessonViewTest : public QObject {
    Q_OBJECT

private:
    FixedClock clock_ = FixedClock::ForSeed(43'200'000);
    std::unique_ptr<TForm1> form_;
    QTemporaryDir dir_;

    PlotSession& Session() { return form_->Menu().Session(); }
    QStringList LogLines() const { return form_->Memo1->toPlainText().split('\n'); }

private slots:
    void init() {
        form_ = ShowNewForm(&clock_);
        QVERIFY(form_);
        QVERIFY(dir_.isValid());
    }
    void cleanup() { form_.reset(); }

    // The picture for a projector: at zoom 2 each of the plot's pixels is a 2 x 2 block on
    // the screen, and the controls around it are twice their size. MORVANTA_PROJECTOR_PNG
    // names a file to keep it in.
    void theZoomedPlotShowsEachPixelAsABlock() {
        form_->RadioGroup2->SetItemIndex(ItemOf(Scenario::CompSevere));
        for (QAction* option : {form_->Menu().ShowOutcomeMap, form_->Menu().ShowIsoclines,
                                form_->Menu().LabelIsoclines, form_->Menu().AxisNumbers})
            option->trigger();
        form_->Menu().Zoom->actions().at(2)->trigger();  // 2x
        QCOMPARE(form_->MapBox->size(), QSize(800, 800));
        QCOMPARE(form_->Edit1->geometry(), QRect(256, 960, 80, 42));
        const QImage& plot = form_->MapBox->Image();
        QVERIFY2(CountOf(plot.copy(278, 382, 24, 14), ToQColor(Yellow)) > 0,
                 "no number under the tick at 0.9");
        const PixelBlock zoomed = ZoomPixels(form_->MapBox->Bits(), MapWidth, MapHeight, 2.0);
        const QImage expected(reinterpret_cast<const uchar*>(zoomed.pixels.data()), zoomed.width,
                              zoomed.height, zoomed.width * 4, QImage::Format_RGB32);
        const QImage shown = form_->MapBox->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, expected);
        if (const QByteArray keep = qgetenv("MORVANTA_PROJECTOR_PNG"); !keep.isEmpty())
            QVERIFY(shown.save(QString::fromLocal8Bit(keep)));
    }

    void escapeEndsARunAtAPace() {
        form_->Menu().Pace->actions().at(2)->trigger();  // 200 steps a second
        QCOMPARE(Session().options.pace, SlowPace);
        form_->RadioGroup1->SetItemIndex(HundredTrialsItem);
        // Escape comes through the window system while the run waits for its next step; at
        // 200 steps a second the run is far from its end then.
        QTimer::singleShot(0, this,
                           [this] { QTest::keyClick(form_->windowHandle(), Qt::Key_Escape); });
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        QCOMPARE(LogLines(), QStringList({EndedByEscapeLine}));
        QVERIFY(form_->Edit1->text().toInt() < 100);
    }

    void savedFilesGetTheirExtensionWhereNoneWasTyped() {
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        const struct {
            QAction* item;
            const char* typed;
            const char* written;
        } rows[] = {{form_->Menu().SavePlot, "plot1", "plot1.png"},
                    {form_->Menu().SaveTrials, "trials1", "trials1.csv"},
                    {form_->Menu().SavePlot, "plot2.PNG", "plot2.PNG"}};
        for (const auto& row : rows) {
            const QString typed = dir_.filePath(row.typed);
            form_->Menu().SetFileChooser([&](const QString&, const QString&) { return typed; });
            row.item->trigger();
            QVERIFY2(QFile::exists(dir_.filePath(row.written)), row.written);
        }
        QVERIFY2(!QFile::exists(dir_.filePath("plot1")), "the name as typed was written too");
    }
};

}  // namespace morvanta::testkit

MORVANTA_WINDOW_TEST_MAIN(morvanta::testkit::LessonViewTest)
#include "lesson_view_test.moc"
