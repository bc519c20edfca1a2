// Out of memory inside a handler: wherever the allocation fails, the handler ends, the error
// box says so, and the program goes on; where even the box cannot be built, the error goes
// to the standard error stream instead. The failures come from this test's own doubles: the
// display's frame clock (a run asks it at every change), an event filter on a number box,
// and the error box itself, which this file puts in place of the program's (error_box.cpp).

#include <sys/stat.h>
#include <unistd.h>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>
#include <memory>
#include <new>

#include "tests/ui/qt/form_fixture.h"
#include "tests/ui/qt/stepped_frames.h"
#include "ui/qt/widgets/error_box.h"

namespace morvanta {
namespace {

// The texts of the error boxes shown, and whether the next one fails to be built.
QStringList errorBoxes;
bool errorBoxFails = false;

}  // namespace

void ShowErrorBox(const QString& errorText) {
    if (std::exchange(errorBoxFails, false)) throw std::bad_alloc();
    errorBoxes << ErrorBoxText(errorText);
}

using testkit::FixedClock;
using testkit::ShowNewForm;

namespace {

// Where the allocation fails.
enum class Fault {
    HandingAChange,  // a part of the window handing a run's change to the screen
    Painting         // a number box painting itself (called by the toolkit)
};

// Raises std::bad_alloc once, the next time a number box paints.
class FailingPaint : public QObject {
public:
    explicit FailingPaint(QWidget* box) : QObject(box) { box->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        watched->removeEventFilter(this);
        throw std::bad_alloc();
    }
};

// Makes the allocation fail once, at the next time the fault's place is reached.
void Arm(Fault fault, TForm1& form) {
    if (fault == Fault::Painting) {
        new FailingPaint(form.Edit2);  // deleted with the box
        return;
    }
    // The run asks once as it starts, and then at every change.
    testkit::WhenRefreshAsked([asked = std::make_shared<int>(0)] {
        if (++*asked < 2) return;
        testkit::WhenRefreshAsked({});
        throw std::bad_alloc();
    });
}

// What the program writes to its standard error stream while this lives.
class StderrCapture {
public:
    StderrCapture() {
        file_.open();
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        dup2(file_.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { Restore(); }
    bool HasText() const {
        std::fflush(stderr);
        struct stat written {};
        return fstat(file_.handle(), &written) == 0 && written.st_size > 0;
    }
    QString Text() {
        Restore();
        file_.seek(0);
        return QString::fromLocal8Bit(file_.readAll());
    }

private:
    void Restore() {
        if (saved_ < 0) return;
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
    }
    QTemporaryFile file_;
    int saved_ = -1;
};

}  // namespace

class FaultInjectionTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        form_ = ShowNewForm(&midnight_);
        QVERIFY(form_);
        form_->RadioGroup1->SetItemIndex(0);  // one trial
    }
    void cleanup() {
        testkit::WhenRefreshAsked({});
        errorBoxes.clear();
        errorBoxFails = false;
        form_.reset();
    }

    void outOfMemoryInAHandlerShowsTheErrorBox_data() {
        QTest::addColumn<Fault>("fault");
        QTest::newRow("a change handed to the screen") << Fault::HandingAChange;
        QTest::newRow("number box paints") << Fault::Painting;
    }
    void outOfMemoryInAHandlerShowsTheErrorBox() {
        QFETCH(Fault, fault);
        QTest::failOnWarning(QRegularExpression("[Rr]ecursive"));
        Arm(fault, *form_);
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        QVERIFY2(QTest::qWaitFor([&] { return !errorBoxes.isEmpty(); }, testkit::PatienceMs),
                 "no error box showed");
        QCOMPARE(errorBoxes, QStringList{"std::bad_alloc."});
        QVERIFY2(form_->Memo1->toPlainText().isEmpty(), "the failed run went on to its end");
        ExpectTheProgramGoesOn();
    }

    void outOfMemoryOutsideAHandlerShowsTheBoxAfterTheEvent() {
        QTest::failOnWarning(QRegularExpression("[Rr]ecursive"));
        Arm(Fault::Painting, *form_);
        form_->Edit2->repaint();
        QCOMPARE(errorBoxes, QStringList{});
        QVERIFY2(QTest::qWaitFor([&] { return !errorBoxes.isEmpty(); }, testkit::PatienceMs),
                 "no error box showed");
        QCOMPARE(errorBoxes, QStringList{"std::bad_alloc."});
        ExpectTheProgramGoesOn();
    }

    void outOfMemoryInTheErrorBoxGoesToStandardError_data() {
        outOfMemoryInAHandlerShowsTheErrorBox_data();
    }
    void outOfMemoryInTheErrorBoxGoesToStandardError() {
        QFETCH(Fault, fault);
        StderrCapture stderrText;
        Arm(fault, *form_);
        errorBoxFails = true;
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return stderrText.HasText(); }, testkit::PatienceMs));
        QApplication::processEvents();  // an error box, had one been asked for
        const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        QCOMPARE(stderrText.Text(), program + ": std::bad_alloc.\n");
        QCOMPARE(errorBoxes, QStringList{});
        ExpectTheProgramGoesOn();
    }

private:
    void ExpectTheProgramGoesOn() {
        QVERIFY(form_->isVisible());
        form_->Memo1->clear();
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        QCOMPARE(form_->Memo1->toPlainText(), QString("Normal End of Job"));
        QCOMPARE(form_->Edit1->text(), QString("1"));
    }

    FixedClock midnight_{{0, 0, 0, 0}};
    std::unique_ptr<TForm1> form_;
};

}  // namespace morvanta

MORVANTA_WINDOW_TEST_MAIN(morvanta::FaultInjectionTest)
#include "fault_injection_test.moc"
