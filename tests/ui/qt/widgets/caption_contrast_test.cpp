// The caption colour rule: WCAG 2.1 contrast ratios, and a designed caption colour kept only
// where it stands out from its background by 4.5 : 1 or more.

#include <QTest>

#include "tests/ui/qt/form_fixture.h"
#include "ui/qt/widgets/caption_contrast.h"

namespace morvanta::testkit {

class CaptionContrastTest : public QObject {
    Q_OBJECT

private slots:
    void contrastRatiosAreWcags_data() {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("white on black") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
        QTest::newRow("navy on navy") << ToQColor(Navy) << ToQColor(Navy) << 1.0;
        QTest::newRow("navy on white") << ToQColor(Navy) << QColor(Qt::white) << 16.01;
        QTest::newRow("#767676 on white") << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << 4.54;
        // Each primary weighs its own in the luminance: red 0.2126, green 0.7152, blue 0.0722.
        QTest::newRow("red on black") << QColor(Qt::red) << QColor(Qt::black) << 5.25;
        QTest::newRow("green on black") << QColor(Qt::green) << QColor(Qt::black) << 15.30;
        QTest::newRow("blue on black") << QColor(Qt::blue) << QColor(Qt::black) << 2.44;
        QTest::newRow("red on green") << QColor(Qt::red) << QColor(Qt::green) << 2.91;
    }
    void contrastRatiosAreWcags() {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, ratio);
        QVERIFY2(qAbs(ContrastRatio(a, b) - ratio) < 0.01,
                 qPrintable(QString::number(ContrastRatio(a, b))));
    }

    void aCaptionKeepsItsColourOnlyWhereItIsReadable_data() {
        QTest::addColumn<QColor>("designed");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("kept");
        const QPalette scheme = QApplication::palette();
        QTest::newRow("navy on the default button face")
            << ToQColor(Navy) << scheme.color(QPalette::Button) << true;
        QTest::newRow("navy on the default tool-tip base")
            << ToQColor(Navy) << scheme.color(QPalette::ToolTipBase) << true;
        QTest::newRow("black on the default button face")
            << ToQColor(Black) << scheme.color(QPalette::Button) << true;
        QTest::newRow("just above 4.5 : 1")
            << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << true;
        QTest::newRow("just below 4.5 : 1")
            << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << false;
        QTest::newRow("navy on a dark face") << ToQColor(Navy) << QColor(0x30, 0x30, 0x30) << false;
        QTest::newRow("black on a high-contrast black face")
            << ToQColor(Black) << QColor(Qt::black) << false;
        QTest::newRow("red on green") << QColor(Qt::red) << QColor(Qt::green) << false;
        QTest::newRow("black on green") << QColor(Qt::black) << QColor(Qt::green) << true;
        QTest::newRow("red on black") << QColor(Qt::red) << QColor(Qt::black) << true;
        QTest::newRow("blue on black") << QColor(Qt::blue) << QColor(Qt::black) << false;
    }
    void aCaptionKeepsItsColourOnlyWhereItIsReadable() {
        QFETCH(QColor, designed);
        QFETCH(QColor, background);
        QFETCH(bool, kept);
        const QColor schemeText(0xfe, 0xfd, 0xfc);
        QCOMPARE(ReadableCaption(designed, background, schemeText), kept ? designed : schemeText);
    }
};

}  // namespace morvanta::testkit

MORVANTA_WINDOW_TEST_MAIN(morvanta::testkit::CaptionContrastTest)
#include "caption_contrast_test.moc"
