// The window's own widgets: the classic style's edit-box bevel and the number boxes must
// paint exactly what the toolkit's own painting gives.

#include <QLineEdit>
#include <QStyleFactory>
#include <QTest>

#include "tests/ui/qt/form_fixture.h"
#include "ui/qt/widgets/classic_style.h"
#include "ui/qt/widgets/fonts.h"
#include "ui/qt/widgets/number_box.h"

namespace morvanta {

namespace {

QImage Look(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The look of a plain line edit with the same text, size, font and style.
QImage PlainLook(const NumberBox& box, const QString& text) {
    QLineEdit plain;
    plain.setStyle(box.style());
    plain.setFont(box.font());
    plain.setTextMargins(box.textMargins());
    plain.resize(box.size());
    plain.setText(text);
    return Look(plain);
}
QImage PlainLook(const NumberBox& box) { return PlainLook(box, box.text()); }

}  // namespace

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void classicBevelMatchesTheWindowsStyle_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("text");
        QTest::newRow("number box") << QSize(40, 21) << "1000";
        QTest::newRow("wide") << QSize(200, 30) << "Normal";
        QTest::newRow("smallest drawn fast") << QSize(6, 6) << "";
        QTest::newRow("tiny") << QSize(3, 5) << "";
    }
    void classicBevelMatchesTheWindowsStyle() {
        QFETCH(QSize, size);
        QFETCH(QString, text);
        std::unique_ptr<QStyle> windows(QStyleFactory::create("Windows"));
        ClassicStyle classic;
        QLineEdit a, b;
        a.setStyle(windows.get());
        b.setStyle(&classic);
        for (QLineEdit* edit : {&a, &b}) {
            edit->resize(size);
            edit->setText(text);
        }
        QCOMPARE(Look(b), Look(a));
    }

    void numberBoxLooksLikeALineEdit() {
        NumberBox box;
        box.setFont(DesignFont(ProportionalGothic, 13));
        box.resize(40, 21);
        for (int n : {1, 10, 999, 1000, 7}) {
            box.ShowNumber(n);
            QCOMPARE(box.text(), QString::number(n));
            QCOMPARE(Look(box), PlainLook(box));
        }
    }

    // A quiet box may not have taken the number as its text yet; it looks the same.
    void quietNumberBoxLooksLikeALineEdit() {
        NumberBox box;
        box.setFont(DesignFont(ProportionalGothic, 13));
        box.resize(40, 21);
        box.SetQuiet(true);
        for (int n : {1, 1000, 10, 999, 7}) {
            box.ShowNumber(n);
            QCOMPARE(box.ShownText(), QString::number(n));
            QCOMPARE(Look(box), PlainLook(box, QString::number(n)));
        }
        box.SetQuiet(false);
        QCOMPARE(box.text(), QString("7"));
    }

    void typedTextIsPaintedByTheLineEdit() {
        auto form = testkit::ShowNewForm();
        QVERIFY(form);
        NumberBox* box = form->Edit2;
        box->ShowNumber(5);
        box->setFocus();
        QTest::keyClicks(box, "x");
        QCOMPARE(box->text(), QString("5x"));
        box->clearFocus();
        QCOMPARE(Look(*box), PlainLook(*box));
        // Selected text shows as selected.
        box->ShowNumber(5);
        box->selectAll();
        QVERIFY(Look(*box) != PlainLook(*box));
    }
};

}  // namespace morvanta

MORVANTA_WINDOW_TEST_MAIN(morvanta::WidgetsTest)
#include "widgets_test.moc"
