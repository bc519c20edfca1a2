// What the window does with a person's input: runs with live counters, clicks on the plot,
// the Enter and Space rules, input queued during a run, closing, and the error box.

#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "tests/ui/qt/form_fixture.h"
#include "ui/qt/widgets/error_box.h"

namespace morvanta {

using testkit::EndOfJobLines;
using testkit::FixedClock;
using testkit::NavyColor;
using testkit::PlotColor;
using testkit::RedColor;
using testkit::ShowNewForm;
using testkit::WhiteColor;

namespace {

// A clock whose reading, when a run asks for it, also queues input for after the run.
class QueueingClock : public ClockSource {
public:
    explicit QueueingClock(std::function<void()> queue) : queue_(std::move(queue)) {}
    TimeOfDay NowUtc() const override {
        if (queue_) std::exchange(queue_, nullptr)();
        return {0, 0, 0, 0};
    }

private:
    mutable std::function<void()> queue_;
};

class FailingClock : public ClockSource {
public:
    TimeOfDay NowUtc() const override { throw std::runtime_error("The clock is unreachable"); }
};

// Posts a left click (press and release) at a point of a widget to the event queue.
void PostClick(QWidget* widget, QPoint at) {
    const QPointF local(at);
    const QPointF global(widget->mapToGlobal(at));
    QCoreApplication::postEvent(
        widget, new QMouseEvent(QEvent::MouseButtonPress, local, global, Qt::LeftButton,
                                Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        widget, new QMouseEvent(QEvent::MouseButtonRelease, local, global, Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier));
}

}  // namespace

class EventsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        form_ = ShowNewForm(&midnight_);
        QVERIFY(form_);
        closes_ = std::make_unique<QSignalSpy>(form_->BitBtn2, &QPushButton::clicked);
    }
    void cleanup() {
        closes_.reset();
        form_.reset();
    }

    void oneTrialRun() {
        form_->RadioGroup1->SetItemIndex(0);
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        QCOMPARE(form_->Edit1->text(), QString("1"));
        QCOMPARE(form_->Edit2->text(), QString("1000"));
        QCOMPARE(form_->Memo1->toPlainText(), QString("Normal End of Job"));
        QCOMPARE(PlotColor(*form_, 170, 230), WhiteColor);  // start dot
        QCOMPARE(PlotColor(*form_, 290, 135), RedColor);    // end dot at the step limit
    }

    void tenTrialRunsTwice() {
        QCOMPARE(form_->RadioGroup1->ItemIndex(), 1);
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        QCOMPARE(form_->Edit1->text(), QString("10"));
        const QString lastSteps = form_->Edit2->text();
        QVERIFY(lastSteps.toInt() >= 1 && lastSteps.toInt() <= 1000);
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        QCOMPARE(form_->Edit1->text(), QString("10"));
        // The same millisecond draws the same numbers.
        QCOMPARE(form_->Edit2->text(), lastSteps);
        QCOMPARE(form_->Memo1->toPlainText(), QString("Normal End of Job\nNormal End of Job"));
    }

    void runAppendsAfterWhatTheUserTyped() {
        form_->RadioGroup1->SetItemIndex(0);
        QTest::keyClicks(form_->Edit1, "999");
        QTest::keyClicks(form_->Memo1, "my notes");
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        QCOMPARE(form_->Edit1->text(), QString("1"));
        QCOMPARE(form_->Memo1->toPlainText(), QString("my notes\nNormal End of Job"));
    }

    void clickOnThePlotClearsIt() {
        form_->RadioGroup1->SetItemIndex(0);
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        QCOMPARE(PlotColor(*form_, 290, 135), RedColor);
        QTest::mouseClick(form_->MapBox, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(PlotColor(*form_, 290, 135), NavyColor);
        QCOMPARE(PlotColor(*form_, 170, 230), NavyColor);
        QCOMPARE(PlotColor(*form_, 20, 200), WhiteColor);
        // The displays and the log keep their contents.
        QCOMPARE(form_->Edit1->text(), QString("1"));
        QCOMPARE(form_->Edit2->text(), QString("1000"));
        QCOMPARE(EndOfJobLines(*form_), 1);
    }

    void onlyALeftClickReleasedOverThePlotClears() {
        auto runAndCheck = [&](auto&& gesture, bool clears) {
            form_->RadioGroup1->SetItemIndex(0);
            QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
            gesture();
            QCOMPARE(PlotColor(*form_, 290, 135), clears ? NavyColor : RedColor);
        };
        PlotPaintBox* plot = form_->MapBox;
        runAndCheck([&] { QTest::mouseClick(plot, Qt::RightButton, {}, QPoint(50, 50)); }, false);
        runAndCheck([&] { QTest::mouseClick(plot, Qt::MiddleButton, {}, QPoint(50, 50)); }, false);
        runAndCheck(
            [&] {
                QTest::mousePress(plot, Qt::LeftButton, {}, QPoint(50, 50));
                QTest::mouseRelease(plot, Qt::LeftButton, {}, QPoint(450, 50));  // outside
            },
            false);
        runAndCheck([&] { QTest::mouseClick(plot, Qt::LeftButton, {}, QPoint(399, 399)); }, true);
    }

    void repaintKeepsTheTrajectoriesUntilAClick() {
        form_->RadioGroup1->SetItemIndex(0);
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        form_->showMinimized();
        form_->showNormal();
        form_->MapBox->repaint();
        QCOMPARE(testkit::PaintedColor(form_->MapBox, {290, 135}), RedColor);
        QTest::mouseClick(form_->MapBox, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(testkit::PaintedColor(form_->MapBox, {290, 135}), NavyColor);
    }

    void paintBoxIsSetBackTo400By400() {
        form_->MapBox->resize(300, 200);
        form_->PaintB();
        QCOMPARE(form_->MapBox->size(), QSize(400, 400));
        QCOMPARE(form_->MapBox->pos(), QPoint(24, 40));
    }

    void doubleClickIsOneClick() {
        QSignalSpy clicks(form_->MapBox, &PlotPaintBox::Clicked);
        PlotPaintBox* plot = form_->MapBox;
        QTest::mousePress(plot, Qt::LeftButton, {}, QPoint(60, 60));
        QTest::mouseRelease(plot, Qt::LeftButton, {}, QPoint(60, 60));
        QTest::mouseDClick(plot, Qt::LeftButton, {}, QPoint(60, 60));  // dbl-click, release
        QCOMPARE(clicks.count(), 1);
    }

    void enterAtStartRunsStart() {
        form_->RadioGroup1->SetItemIndex(0);
        form_->BitBtn1->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(EndOfJobLines(*form_), 1);
        QCOMPARE(closes_->count(), 0);
    }

    void enterClicksEndFromEverythingButButtonsAndLog_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("Edit1") << "Edit1";
        QTest::newRow("Edit2") << "Edit2";
        QTest::newRow("the Fixed group") << "RadioGroup2";
        QTest::newRow("a Fixed item") << "FixedItem0";
        QTest::newRow("a Trials item") << "TrialsItem1";
        QTest::newRow("End") << "BitBtn2";
    }
    void enterClicksEndFromEverythingButButtonsAndLog() {
        QFETCH(QString, focus);
        auto* widget = form_->ClientArea()->findChild<QWidget*>(focus);
        QVERIFY(widget);
        widget->setFocus();
        QCOMPARE(QApplication::focusWidget(), widget);
        QTest::keyClick(widget, Qt::Key_Enter);
        QCOMPARE(closes_->count(), 1);
        QVERIFY(!form_->isVisible());
        QCOMPARE(EndOfJobLines(*form_), 0);
    }

    void enterInTheLogStartsANewLine() {
        form_->Memo1->setFocus();
        QTest::keyClicks(form_->Memo1, "a");
        QTest::keyClick(form_->Memo1, Qt::Key_Return);
        QTest::keyClicks(form_->Memo1, "b");
        QCOMPARE(form_->Memo1->toPlainText(), QString("a\nb"));
        QCOMPARE(closes_->count(), 0);
    }

    void enterWithAModifierClicksNothing_data() {
        QTest::addColumn<int>("modifier");
        QTest::addColumn<QString>("focus");
        for (auto [modifier, name] :
             {std::pair{Qt::ShiftModifier, "Shift"}, std::pair{Qt::ControlModifier, "Ctrl"},
              std::pair{Qt::AltModifier, "Alt"}}) {
            QTest::newRow(qPrintable(QString(name) + " on Start")) << int(modifier) << "BitBtn1";
            QTest::newRow(qPrintable(QString(name) + " on Edit1")) << int(modifier) << "Edit1";
        }
    }
    void enterWithAModifierClicksNothing() {
        QFETCH(int, modifier);
        QFETCH(QString, focus);
        auto* widget = form_->ClientArea()->findChild<QWidget*>(focus);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Return, Qt::KeyboardModifiers(modifier));
        QCOMPARE(closes_->count(), 0);
        QCOMPARE(EndOfJobLines(*form_), 0);
    }

    void spaceClicksTheFocusedButton() {
        form_->RadioGroup1->SetItemIndex(0);
        form_->BitBtn1->setFocus();
        QTest::keyClick(form_->BitBtn1, Qt::Key_Space);
        QCOMPARE(EndOfJobLines(*form_), 1);
        form_->BitBtn2->setFocus();
        QTest::keyClick(form_->BitBtn2, Qt::Key_Space);
        QCOMPARE(closes_->count(), 1);
    }

    void choosingAnItemPutsTheFocusOnIt() {
        QTest::mouseClick(form_->RadioGroup1->Item(2), Qt::LeftButton, {}, QPoint(5, 8));
        QCOMPARE(form_->RadioGroup1->ItemIndex(), 2);
        QCOMPARE(QApplication::focusWidget(), form_->RadioGroup1->Item(2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(form_->RadioGroup1->ItemIndex(), 3);
        QCOMPARE(QApplication::focusWidget(), form_->RadioGroup1->Item(3));
        // Enter now ends the program instead of starting a run.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(closes_->count(), 1);
        QCOMPARE(EndOfJobLines(*form_), 0);
    }

    void inputDuringARunIsHandledAfterItInOrder() {
        form_->RadioGroup1->SetItemIndex(0);
        // While the first run asks for the time, a person clicks the plot, then "Start".
        QueueingClock clock([this] {
            PostClick(form_->MapBox, {100, 100});
            PostClick(form_->BitBtn1, {10, 10});
        });
        form_->SetClock(clock);
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        QCOMPARE(EndOfJobLines(*form_), 1);  // nothing queued ran during the run
        QCOMPARE(PlotColor(*form_, 290, 135), RedColor);
        QApplication::processEvents();
        // The plot click cleared the plot, then the second run drew it again.
        QCOMPARE(EndOfJobLines(*form_), 2);
        QCOMPARE(PlotColor(*form_, 290, 135), RedColor);
        QCOMPARE(form_->Edit1->text(), QString("1"));
    }

    void queuedEndAfterARunCloses() {
        form_->RadioGroup1->SetItemIndex(0);
        QueueingClock clock([this] { PostClick(form_->BitBtn2, {10, 10}); });
        form_->SetClock(clock);
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        QVERIFY(form_->isVisible());
        QApplication::processEvents();
        QCOMPARE(closes_->count(), 1);
        QVERIFY(!form_->isVisible());
    }

    void errorInAHandlerShowsTheErrorBoxAndGoesOn() {
        FailingClock failing;
        form_->SetClock(failing);
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        // Looks again until the box is up: a timer may come before the box is the active
        // modal widget, and a box nobody closes would hold the test for ever.
        QTimer closer;
        closer.setInterval(10);
        connect(&closer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            closer.stop();
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            buttons = int(box->buttons().size());
            box->accept();
        });
        closer.start();
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        closer.stop();
        QCOMPARE(text, QString("The clock is unreachable."));
        QCOMPARE(title, ApplicationTitleFor(QCoreApplication::applicationFilePath()));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, 1);
        // The program goes on: the next run works.
        form_->SetClock(midnight_);
        form_->RadioGroup1->SetItemIndex(0);
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        QCOMPARE(EndOfJobLines(*form_), 1);
    }

    void errorTextAndTitleRules() {
        QCOMPARE(ErrorBoxText("Out of memory"), QString("Out of memory."));
        QCOMPARE(ErrorBoxText("Done."), QString("Done."));
        QCOMPARE(ErrorBoxText("Failed!"), QString("Failed!"));  // '!' is below '.'
        QCOMPARE(ErrorBoxText("Code 7"), QString("Code 7."));
        QCOMPARE(ErrorBoxText(""), QString(""));
        QCOMPARE(ApplicationTitleFor("/usr/bin/morvanta"), QString("morvanta"));
        QCOMPARE(ApplicationTitleFor("/opt/MORVANTA.EXE"), QString("Morvanta"));
        QCOMPARE(ApplicationTitleFor("C2Demo.bin"), QString("C2demo"));
    }

private:
    FixedClock midnight_{{0, 0, 0, 0}};
    std::unique_ptr<TForm1> form_;
    std::unique_ptr<QSignalSpy> closes_;
};

}  // namespace morvanta

MORVANTA_WINDOW_TEST_MAIN(morvanta::EventsTest)
#include "events_test.moc"
