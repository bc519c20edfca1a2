// The window on a screen of twice the usual pixel density (run with QT_SCALE_FACTOR=2): it is
// laid out exactly as at the usual density, in logical pixels, and drawn twice as large in
// device pixels, with nothing clipped and the plot scaled without losing its lines.

#include <QFontInfo>
#include <QTest>
#include <QWindow>

#include "tests/ui/qt/form_fixture.h"

namespace morvanta {

using testkit::ShowNewForm;

namespace {

constexpr qreal Density = 2.0;

bool IsWhitish(const QColor& c) { return c.red() >= 220 && c.green() >= 220 && c.blue() >= 220; }
bool IsNavyish(const QColor& c) {
    return c.red() <= 40 && c.green() <= 40 && c.blue() >= 100 && c.blue() <= 160;
}
QString Describe(const QColor& c, QPoint at) {
    return QString("(%1, %2) is %3").arg(at.x()).arg(at.y()).arg(c.name());
}

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(qgetenv("QT_SCALE_FACTOR") == "2", "run with QT_SCALE_FACTOR=2");
        form_ = ShowNewForm();
        QVERIFY(form_);
    }

    void layoutIsNotEnlargedASecondTime() {
        // The default font keeps its 12-pixel cell in logical pixels, so the layout's own
        // scale stays 1: the toolkit's device scaling is the only enlargement.
        QCOMPARE(form_->Scale().Factor(), 1.0);
        QCOMPARE(form_->ClientArea()->minimumSize(), QSize(593, 561));
    }

    void controlsAtTheirDesignedLogicalPlaces_data() { testkit::AddDesignedGeometryRows(); }
    void controlsAtTheirDesignedLogicalPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        auto* widget = form_->ClientArea()->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->geometry(), geometry);
    }

    void fontsKeepTheirLogicalPixelHeights_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixels");
        QTest::newRow("Label2") << "Label2" << 16;
        QTest::newRow("RadioGroup1") << "RadioGroup1" << 13;
        QTest::newRow("BitBtn1") << "BitBtn1" << 13;
        QTest::newRow("Edit1") << "Edit1" << 13;
        QTest::newRow("Memo1") << "Memo1" << 12;
        QTest::newRow("StaticText1") << "StaticText1" << 19;
    }
    void fontsKeepTheirLogicalPixelHeights() {
        QFETCH(QString, name);
        QFETCH(int, pixels);
        auto* widget = form_->ClientArea()->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(QFontInfo(widget->font()).pixelSize(), pixels);
    }

    void plotLiesAtItsPlaceInDevicePixels() {
        const QPixmap window = form_->grab();
        // The plot's middle, found in the whole window's device pixels.
        const QPoint middle = form_->MapBox->mapTo(form_.get(), QPoint(200, 200)) * Density;
        const QColor atMiddle = window.toImage().pixelColor(middle);
        QVERIFY2(IsNavyish(atMiddle), qPrintable(Describe(atMiddle, middle)));
    }

    void plotIsScaledToDevicePixels() {
        // The plot keeps its 400 x 400 raster; the screen shows it at 800 x 800.
        QCOMPARE(form_->MapBox->Image().size(), QSize(400, 400));
        const QImage shown = form_->MapBox->grab().toImage();
        QCOMPARE(shown.size(), QSize(800, 800));

        // The vertical axis (plot column 20) covers device columns 40 and 41, and its
        // neighbourhood on either side stays navy: the axis is scaled, not smeared or shifted.
        for (const QPoint at : {QPoint(40, 400), QPoint(41, 401), QPoint(40, 600)}) {
            const QColor c = shown.pixelColor(at);
            QVERIFY2(IsWhitish(c), qPrintable(Describe(c, at)));
        }
        for (const QPoint at : {QPoint(400, 400), QPoint(36, 400), QPoint(45, 400)}) {
            const QColor c = shown.pixelColor(at);
            QVERIFY2(IsNavyish(c), qPrintable(Describe(c, at)));
        }
        // The horizontal axis (plot row 380) lies at device rows 760 and 761.
        for (const QPoint at : {QPoint(200, 760), QPoint(600, 761)}) {
            const QColor c = shown.pixelColor(at);
            QVERIFY2(IsWhitish(c), qPrintable(Describe(c, at)));
        }
        const QColor below = shown.pixelColor(600, 764);
        QVERIFY2(IsNavyish(below), qPrintable(Describe(below, {600, 764})));
    }

    void headingIsNotClipped() {
        QLabel* heading = form_->StaticText1;
        const QFontMetrics metrics = heading->fontMetrics();
        const int advance = metrics.horizontalAdvance(heading->text());
        QVERIFY2(advance <= heading->width(),
                 qPrintable(
                     QString("caption needs %1 of %2 pixels").arg(advance).arg(heading->width())));
        QVERIFY2(metrics.height() <= heading->height(),
                 qPrintable(QString("caption needs %1 of %2 rows")
                                .arg(metrics.height())
                                .arg(heading->height())));

        // The caption is painted through to its last letter at device resolution: the final
        // letters' columns hold navy ink, and past the caption there is none.
        const QImage shown = heading->grab().toImage();
        QCOMPARE(shown.size(), heading->size() * 2);
        auto inkIn = [&](int fromX, int toX) {
            for (int y = 0; y < shown.height(); ++y)
                for (int x = std::max(0, fromX); x < std::min(shown.width(), toX); ++x)
                    if (IsNavyish(shown.pixelColor(x, y))) return true;
            return false;
        };
        const int lastLetter = metrics.horizontalAdvance(heading->text().right(1));
        QVERIFY(inkIn(2 * (advance - lastLetter), 2 * advance));
        QVERIFY(!inkIn(2 * advance + 4, shown.width()));
    }

private:
    std::unique_ptr<TForm1> form_;
};

}  // namespace morvanta

MORVANTA_WINDOW_TEST_MAIN(morvanta::HiDpiTest)
#include "hidpi_test.moc"
