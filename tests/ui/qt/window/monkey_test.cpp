// Thousands of random inputs on the window: clicks and double clicks of every button anywhere,
// keys to whatever has the focus, typing into the boxes and the log, resizing down to 50 x 50
// and up to 1000 x 900, minimising and restoring. After every input the window must still be
// sound: one item selected in each radio group, the plot at its size and place, and one
// "Normal End of Job" line in the log for every run that finished and for nothing else.
//
// The inputs come from a seeded generator, so a failure replays exactly:
//   MORVANTA_MONKEY_SEED=<seed> [MORVANTA_MONKEY_EVENTS=<count>] tests/ui/qt/monkey_test
// Every failure message names the seed, the input's number and the inputs before it.

#include <QElapsedTimer>
#include <QKeySequence>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdint>
#include <deque>
#include <random>

#include "tests/ui/qt/form_fixture.h"

namespace morvanta {

using testkit::ShowNewForm;

namespace {

constexpr std::uint32_t DefaultSeed = 20261208;
constexpr int DefaultEventCount = 10000;
// Beyond this many trials in all, every run has one trial: it keeps the test short whatever
// the seed, while the first runs may still use any "Trials" item.
constexpr long TrialBudget = 2000;
constexpr int HistoryLength = 16;

std::uint32_t SeedFromEnvironment() {
    bool ok = false;
    const auto seed = qEnvironmentVariable("MORVANTA_MONKEY_SEED").toUInt(&ok);
    return ok ? seed : DefaultSeed;
}

int EventCountFromEnvironment() {
    bool ok = false;
    const int count = qEnvironmentVariable("MORVANTA_MONKEY_EVENTS").toInt(&ok);
    return ok && count > 0 ? count : DefaultEventCount;
}

// The log after `runs` runs appended their line to it.
QString WithRunLines(QString log, int runs) {
    const QString line(EndOfJobLine);
    for (int i = 0; i < runs; ++i) log = log.isEmpty() ? line : log + '\n' + line;
    return log;
}

QString Describe(const QWidget* widget) {
    if (!widget) return "nothing";
    return widget->objectName().isEmpty() ? widget->metaObject()->className()
                                          : widget->objectName();
}

QString Describe(QPoint p) { return QString("(%1,%2)").arg(p.x()).arg(p.y()); }

QString DescribeButton(Qt::MouseButton button) {
    return button == Qt::LeftButton ? "left" : button == Qt::RightButton ? "right" : "middle";
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        qInfo("monkey: seed %u (replay with MORVANTA_MONKEY_SEED=%u), %d events", seed_, seed_,
              eventCount_);
        // An error box, or a context menu that runs its own loop (a scroll bar's does),
        // would hold the session in that loop: note it and dismiss it.
        connect(&modalWatch_, &QTimer::timeout, this, [this] {
            if (QApplication::activePopupWidget()) ClosePopups();
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            const auto* box = qobject_cast<QMessageBox*>(modal);
            errorBoxes_ << (box ? box->text() : Describe(modal));
            modal->close();
        });
        modalWatch_.start(10);
    }

    void randomInputKeepsTheWindowSound() {
        QElapsedTimer elapsed;
        elapsed.start();
        OpenForm();
        QVERIFY2(form_, "the window did not show");
        for (event_ = 0; event_ < eventCount_; ++event_) {
            LimitRunLength();
            const Before before = Snapshot();
            QString description = RandomInput();
            ClosePopups();
            history_.push_back(QString("#%1 %2").arg(event_).arg(description));
            if (history_.size() > HistoryLength) history_.pop_front();

            const QString fault = CheckAfter(before);
            QVERIFY2(fault.isEmpty(), qPrintable(Failure(fault)));
            if (!form_->isVisible()) {
                ++closes_;
                OpenForm();
                QVERIFY2(form_, qPrintable(Failure("the window did not show again")));
            }
        }
        qInfo("monkey: %d events, %d runs (%ld trials), %d closes, %d menus, seed %u, %.1f s",
              eventCount_, totalRuns_, trials_, closes_, menus_, seed_,
              double(elapsed.elapsed()) / 1000.0);
        QVERIFY(totalRuns_ > 0);
        QVERIFY(closes_ > 0);
    }

    void cleanupTestCase() {
        modalWatch_.stop();
        form_.reset();
    }

private:
    // What a check after an input compares with.
    struct Before {
        QString log;
        int runs = 0;
        int trialsItem = 0;
    };

    // --- The window ---------------------------------------------------------------------

    void OpenForm() {
        form_.reset();
        form_ = ShowNewForm(&clock_);
        if (!form_) return;
        form_->RadioGroup1->SetItemIndex(0);
        formRuns_ = 0;
        typedLines_ = 0;
        // Connected after the window's own handler, so this counts runs that returned.
        connect(form_->BitBtn1, &QPushButton::clicked, form_.get(), [this] {
            ++formRuns_;
            ++totalRuns_;
            trials_ += TrialsForItem(form_->RadioGroup1->ItemIndex());
        });
    }

    // Runs stay short: a "Trials" item other than the first lasts for a few inputs only,
    // and none at all once the step budget is spent.
    void LimitRunLength() {
        if (form_->RadioGroup1->ItemIndex() != 0 && (trials_ > TrialBudget || Below(3) == 0))
            form_->RadioGroup1->SetItemIndex(0);
    }

    bool InLog(const QWidget* widget) const {
        return widget && (widget == form_->Memo1 || form_->Memo1->isAncestorOf(widget));
    }

    Before Snapshot() const {
        return {form_->Memo1->toPlainText(), formRuns_, form_->RadioGroup1->ItemIndex()};
    }

    // --- Random inputs ------------------------------------------------------------------

    int Below(int n) {
        return static_cast<int>((std::uint64_t{rng_()} * static_cast<std::uint64_t>(n)) >> 32);
    }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    // A point of an area; never (0, 0), which Qt Test takes for "the middle".
    QPoint PointIn(QSize size) {
        const QPoint p(Below(std::max(size.width(), 1)), Below(std::max(size.height(), 1)));
        return p.isNull() ? QPoint(0, 1) : p;
    }

    Qt::MouseButton RandomButton() {
        const int pick = Below(10);
        return pick < 6 ? Qt::LeftButton : pick < 8 ? Qt::RightButton : Qt::MiddleButton;
    }

    Qt::KeyboardModifiers RandomClickModifiers() {
        const int pick = Below(20);
        return pick == 0 ? Qt::ShiftModifier : pick == 1 ? Qt::ControlModifier : Qt::NoModifier;
    }

    QString RandomInput() {
        const int pick = Below(1000);
        if (pick < 230) return WindowClick();
        if (pick < 400) return ClientAreaClick();
        if (pick < 560) return ControlClick();
        if (pick < 860) return KeyToFocus();
        if (pick < 940) return TypeIntoBox();
        if (pick < 975) return Resize();
        return MinimiseOrRestore();
    }

    // A click through the window system at any point of the window: hit-testing, scroll
    // bars, double-click detection and context menus as a person's click gets them.
    QString WindowClick() {
        const QPoint at = PointIn(form_->size());
        QWidget* target = form_->childAt(at);
        return ClickViaWindow(target ? target : form_.get(), at);
    }

    QString ClickViaWindow(QWidget* target, QPoint windowPoint) {
        toLog_ = InLog(target);
        const Qt::MouseButton button = RandomButton();
        const Qt::KeyboardModifiers modifiers = RandomClickModifiers();
        const bool twice = Below(4) == 0;
        QWindow* window = form_->windowHandle();
        if (twice)
            QTest::mouseDClick(window, button, modifiers, windowPoint);
        else
            QTest::mouseClick(window, button, modifiers, windowPoint);
        return QString("%1 %2-click at window %3 on %4")
            .arg(twice ? "double" : "single", DescribeButton(button), Describe(windowPoint),
                 Describe(target));
    }

    // A click straight to whatever lies at a point of the client area, seen or scrolled
    // out of view.
    QString ClientAreaClick() {
        QWidget* area = form_->ClientArea();
        const QPoint at = PointIn(area->size());
        QWidget* target = area->childAt(at);
        if (!target) target = area;
        return ClickDirect(target, target->mapFrom(area, at));
    }

    QString ClickDirect(QWidget* target, QPoint local) {
        toLog_ = InLog(target);
        const Qt::MouseButton button = RandomButton();
        const Qt::KeyboardModifiers modifiers = RandomClickModifiers();
        const bool twice = Below(4) == 0;
        QPointer<QWidget> guard(target);
        // A double click is press, release, double-click press, release.
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                        QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            if (!guard || (type == QEvent::MouseButtonDblClick && !twice)) break;
            const bool down = type != QEvent::MouseButtonRelease;
            QMouseEvent event(type, local, target->mapToGlobal(local), button,
                              down ? button : Qt::NoButton, modifiers);
            QSpontaneKeyEvent::setSpontaneous(&event);  // as if from the window system
            QApplication::sendEvent(target, &event);
        }
        QApplication::processEvents();
        return QString("%1 %2-click on %3 at %4")
            .arg(twice ? "double" : "single", DescribeButton(button), Describe(target),
                 Describe(local));
    }

    // A click on one of the controls, often "Start", through the window where it is in
    // view and straight to it otherwise.
    QString ControlClick() {
        QWidget* target = nullptr;
        const int pick = Below(100);
        if (pick < 40)
            target = form_->BitBtn1;
        else if (pick < 42)
            target = form_->BitBtn2;
        else if (pick < 55)
            target = form_->MapBox;
        else if (pick < 70)
            target = form_->RadioGroup1->Item(Below(4));
        else if (pick < 85)
            target = form_->RadioGroup2->Item(Below(4));
        else if (pick < 90)
            target = Below(2) ? form_->RadioGroup1 : static_cast<QWidget*>(form_->RadioGroup2);
        else if (pick < 97)
            target = Below(2) ? form_->Edit1 : form_->Edit2;
        else
            target = form_->Memo1->viewport();
        const QPoint local = PointIn(target->size());
        const QPoint inWindow = target->mapTo(form_.get(), local);
        const bool inView = form_->viewport()->geometry().contains(inWindow) &&
                            form_->childAt(inWindow) == target && !form_->isMinimized();
        return inView && Below(2) ? ClickViaWindow(target, inWindow) : ClickDirect(target, local);
    }

    // A key through the window system, to the widget that has the focus.
    QString KeyToFocus() {
        QWidget* focus = form_->focusWidget();
        toLog_ = InLog(focus);
        Qt::Key key = Qt::Key_unknown;
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        const int pick = Below(100);
        if (pick < 12) {
            key = Below(2) ? Qt::Key_Return : Qt::Key_Enter;
            const int held = Below(8);
            modifiers = held == 0   ? Qt::ShiftModifier
                        : held == 1 ? Qt::ControlModifier
                        : held == 2 ? Qt::AltModifier
                                    : Qt::NoModifier;
        } else if (pick < 24) {
            key = Qt::Key_Space;
        } else if (pick < 38) {
            key = Qt::Key_Tab;
        } else if (pick < 48) {
            key = Qt::Key_Backtab;
            modifiers = Qt::ShiftModifier;
        } else if (pick < 72) {
            static constexpr Qt::Key arrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                                 Qt::Key_Down};
            key = arrows[Below(4)];
        } else if (pick < 90) {
            key = static_cast<Qt::Key>(Qt::Key_A + Below(26));
        } else if (pick < 99) {
            key = Qt::Key_Escape;
        } else {
            key = Qt::Key_F4;
            modifiers = Qt::AltModifier;
        }
        QTest::keyClick(form_->windowHandle(), key, modifiers);
        return QString("key %1 to %2")
            .arg(QKeySequence(QKeyCombination(modifiers, key)).toString(), Describe(focus));
    }

    // Typing into a number box or the log, after clicking it. Now and then the log gets a
    // line that reads exactly like a run's.
    QString TypeIntoBox() {
        const int pick = Below(3);
        QWidget* box = pick == 0   ? static_cast<QWidget*>(form_->Edit1)
                       : pick == 1 ? static_cast<QWidget*>(form_->Edit2)
                                   : form_->Memo1->viewport();
        toLog_ = InLog(box);
        QTest::mouseClick(box, Qt::LeftButton, {}, PointIn(box->size()));
        QApplication::processEvents();
        QString typed;
        if (toLog_ && Below(10) == 0) {
            typed = QString("\n") + EndOfJobLine;
        } else {
            static const QString letters =
                "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,-";
            const int length = Between(1, 12);
            for (int i = 0; i < length; ++i) {
                // The log also takes new lines; Enter in a number box would click "End".
                if (toLog_ && Below(8) == 0)
                    typed += '\n';
                else
                    typed += letters[Below(int(letters.size()))];
            }
        }
        QWindow* window = form_->windowHandle();
        for (const QChar c : typed) {
            if (c == '\n')
                QTest::keyClick(window, Qt::Key_Return);
            else
                QTest::keyClick(window, c.toLatin1());
        }
        return QString("typed \"%1\" into %2")
            .arg(QString(typed).replace('\n', "\\n"), Describe(QApplication::focusWidget()));
    }

    QString Resize() {
        const QSize size(Between(50, 1000), Between(50, 900));
        if (form_->isMinimized() || form_->isMaximized()) form_->showNormal();
        form_->resize(size);
        QApplication::processEvents();
        return QString("resize to %1x%2").arg(size.width()).arg(size.height());
    }

    QString MinimiseOrRestore() {
        QString what;
        if (form_->isMinimized() || form_->isMaximized()) {
            form_->showNormal();
            what = "restore";
        } else if (Below(4) == 0) {
            form_->showMaximized();
            what = "maximise";
        } else {
            form_->showMinimized();
            what = "minimise";
        }
        QApplication::processEvents();
        return what;
    }

    // A context menu a right click opened is dismissed, as a person would with a click
    // elsewhere, so that it does not take the inputs that follow.
    void ClosePopups() {
        for (int guard = 0; guard < 8; ++guard) {
            QWidget* popup = QApplication::activePopupWidget();
            if (!popup) break;
            ++menus_;
            popup->close();
            QApplication::processEvents();
        }
    }

    // --- Checks ---------------------------------------------------------------------------

    QString CheckAfter(const Before& before) {
        // Whether the input went to the log box, which a person may edit.
        const bool toLog = std::exchange(toLog_, false);
        if (!errorBoxes_.isEmpty()) return "an error box appeared: " + errorBoxes_.join(" | ");

        for (const RadioGroup* group : {form_->RadioGroup1, form_->RadioGroup2}) {
            int checked = 0;
            for (int i = 0; i < group->ItemCount(); ++i)
                if (group->Item(i)->isChecked()) ++checked;
            if (group->ItemCount() != 4 || checked != 1 || group->ItemIndex() < 0 ||
                group->ItemIndex() > 3 || !group->Item(group->ItemIndex())->isChecked())
                return QString("%1 has %2 checked items, ItemIndex %3")
                    .arg(group->title())
                    .arg(checked)
                    .arg(group->ItemIndex());
        }

        const PlotPaintBox* plot = form_->MapBox;
        if (plot->size() != QSize(400, 400) || plot->pos() != QPoint(24, 40) ||
            plot->parentWidget() != form_->ClientArea())
            return QString("the plot is %1x%2 at %3")
                .arg(plot->width())
                .arg(plot->height())
                .arg(Describe(plot->pos()));

        const QString log = form_->Memo1->toPlainText();
        const int runs = formRuns_ - before.runs;
        if (toLog) {
            // What a person types may make or break lines that read like a run's.
            if (runs != 0) return QString("input to the log started %1 run(s)").arg(runs);
            typedLines_ += testkit::EndOfJobLines(log) - testkit::EndOfJobLines(before.log);
        } else if (log != WithRunLines(before.log, runs)) {
            return QString("after %1 run(s) the log changed from \"%2\" to \"%3\"")
                .arg(runs)
                .arg(before.log.right(60), log.right(60));
        }
        if (testkit::EndOfJobLines(log) != formRuns_ + typedLines_)
            return QString("the log has %1 \"%2\" lines for %3 runs and %4 typed")
                .arg(testkit::EndOfJobLines(log))
                .arg(EndOfJobLine)
                .arg(formRuns_)
                .arg(typedLines_);

        if (runs > 0) {
            // The trial box shows the last run's trial count (paced_screen_test pins the step's).
            const QString trials = QString::number(TrialsForItem(before.trialsItem));
            if (form_->Edit1->text() != trials)
                return QString("after a run of %1 trials the trial box shows %2")
                    .arg(trials, form_->Edit1->text());
        }
        return {};
    }

    QString Failure(const QString& fault) const {
        return QString("seed %1 (MORVANTA_MONKEY_SEED=%1), input #%2: %3\nlast inputs:\n  %4")
            .arg(seed_)
            .arg(event_)
            .arg(fault, QStringList(history_.begin(), history_.end()).join("\n  "));
    }

    const std::uint32_t seed_ = SeedFromEnvironment();
    const int eventCount_ = EventCountFromEnvironment();
    std::mt19937 rng_{seed_};
    testkit::AdvancingClock clock_{43200000};
    std::unique_ptr<TForm1> form_;
    QTimer modalWatch_;
    QStringList errorBoxes_;
    std::deque<QString> history_;
    int event_ = 0;
    bool toLog_ = false;
    int formRuns_ = 0;    // runs that returned, in this window
    int typedLines_ = 0;  // run-like lines the monkey's own typing made, net, in this window
    int totalRuns_ = 0;
    int closes_ = 0;
    int menus_ = 0;
    long trials_ = 0;
};

}  // namespace morvanta

MORVANTA_WINDOW_TEST_MAIN(morvanta::MonkeyTest)
#include "monkey_test.moc"
