// Out of memory inside a handler: wherever the allocation fails, the handler ends, the error
// box says so, and the program goes on; where even the box cannot be built, the error goes
// to the standard error stream instead.

#include <sys/stat.h>
#include <unistd.h>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

#include "tests/ui/qt/form_fixture.h"
#include "ui/qt/widgets/fault_points.h"

namespace morvanta {

using testkit::FixedClock;
using testkit::ShowNewForm;

namespace {

// Accepts every error box that shows while it lives, keeping their texts.
class ErrorBoxWatcher {
public:
    ErrorBoxWatcher() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            texts_ << box->text();
            box->accept();
        });
        timer_.start();
    }
    QStringList Texts() const { return texts_; }

private:
    QTimer timer_;
    QStringList texts_;
};

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
        DisarmFaults();
        form_.reset();
    }

    void outOfMemoryInAHandlerShowsTheErrorBox_data() {
        QTest::addColumn<FaultPoint>("point");
        QTest::newRow("number box takes a number") << FaultPoint::NumberBoxShow;
        QTest::newRow("number box paints") << FaultPoint::NumberBoxPaint;
    }
    void outOfMemoryInAHandlerShowsTheErrorBox() {
        QFETCH(FaultPoint, point);
        QTest::failOnWarning(QRegularExpression("[Rr]ecursive"));
        ErrorBoxWatcher boxes;
        ArmFault(point);
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        QVERIFY2(QTest::qWaitFor([&] { return !boxes.Texts().isEmpty(); }, testkit::PatienceMs),
                 "no error box showed");
        QCOMPARE(boxes.Texts(), QStringList{"std::bad_alloc."});
        QVERIFY2(form_->Memo1->toPlainText().isEmpty(), "the failed run went on to its end");
        ExpectTheProgramGoesOn();
    }

    void outOfMemoryOutsideAHandlerShowsTheBoxAfterTheEvent() {
        QTest::failOnWarning(QRegularExpression("[Rr]ecursive"));
        ErrorBoxWatcher boxes;
        ArmFault(FaultPoint::NumberBoxPaint);
        form_->Edit1->repaint();
        QCOMPARE(boxes.Texts(), QStringList{});
        QVERIFY2(QTest::qWaitFor([&] { return !boxes.Texts().isEmpty(); }, testkit::PatienceMs),
                 "no error box showed");
        QCOMPARE(boxes.Texts(), QStringList{"std::bad_alloc."});
        ExpectTheProgramGoesOn();
    }

    void outOfMemoryInTheErrorBoxGoesToStandardError_data() {
        outOfMemoryInAHandlerShowsTheErrorBox_data();
    }
    void outOfMemoryInTheErrorBoxGoesToStandardError() {
        QFETCH(FaultPoint, point);
        ErrorBoxWatcher boxes;
        StderrCapture stderrText;
        ArmFault(point);
        ArmFault(FaultPoint::ErrorBox);
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return stderrText.HasText(); }, testkit::PatienceMs));
        QApplication::processEvents();  // an error box, had one been asked for
        const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        QCOMPARE(stderrText.Text(), program + ": std::bad_alloc.\n");
        QCOMPARE(boxes.Texts(), QStringList{});
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
