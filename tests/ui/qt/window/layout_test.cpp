// The window as it opens: every control's place, size, text, font and colours, the radio
// items' rectangles, the initial state, the tab order and the empty plot's pixels.

#include <QFontInfo>
#include <QScrollBar>
#include <QTest>

#include "plot/phase_plot.h"
#include "tests/ui/qt/form_fixture.h"
#include "ui/qt/widgets/fonts.h"

namespace morvanta {

using testkit::PaintedColor;
using testkit::PlotColor;
using testkit::ShowNewForm;

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        form_ = ShowNewForm();
        QVERIFY(form_);
        QCOMPARE(form_->Scale().Factor(), 1.0);
    }

    void windowCaptionAndPlace() {
        QCOMPARE(form_->windowTitle(), QString("Morvanta"));
        QCOMPARE(form_->pos(), QPoint(227, 60));
        QVERIFY(form_->windowFlags() & Qt::WindowMinMaxButtonsHint);
        QVERIFY(form_->windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(form_->ClientArea()->minimumSize(), QSize(593, 561));
        // The built-in icon for the title bar and the task bar, and the launcher's name so
        // that a desktop matches the window to it.
        const QImage icon = form_->windowIcon().pixmap(32, 32).toImage();
        QCOMPARE(icon.convertToFormat(QImage::Format_RGB32),
                 QImage(":/icon32.bmp").convertToFormat(QImage::Format_RGB32));
        QCOMPARE(QGuiApplication::desktopFileName(), QString("morvanta"));
    }

    void controlGeometry_data() { testkit::AddDesignedGeometryRows(); }
    void controlGeometry() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        auto* widget = form_->ClientArea()->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->geometry(), geometry);
    }

    void radioGroupInsidePanelAtWindowPlace() {
        QCOMPARE(form_->RadioGroup2->parentWidget(), form_->Panel1);
        QCOMPARE(form_->RadioGroup2->mapTo(form_->ClientArea(), QPoint(0, 0)), QPoint(360, 480));
        // The buttons and "Trials" lie over the panel but are not its children.
        QCOMPARE(form_->BitBtn1->parentWidget(), form_->ClientArea());
        QCOMPARE(form_->RadioGroup1->parentWidget(), form_->ClientArea());
    }

    void radioItemRectangles() {
        const QRect trials[] = {
            {8, 14, 45, 16}, {8, 30, 45, 16}, {53, 14, 45, 16}, {53, 30, 45, 16}};
        for (int i = 0; i < 4; ++i) QCOMPARE(form_->RadioGroup1->Item(i)->geometry(), trials[i]);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(form_->RadioGroup2->Item(i)->geometry(), QRect(8, 15 + 13 * i, 111, 13));
    }

    void texts() {
        QCOMPARE(form_->Label3->text(), QString("Loop"));
        QCOMPARE(form_->Label2->text(), QString("Trial"));
        QCOMPARE(form_->BitBtn1->text(), QString("Start"));
        QCOMPARE(form_->BitBtn2->text(), QString("End"));
        QCOMPARE(form_->StaticText1->text(), QString("Competition between 2 species"));
        QCOMPARE(form_->RadioGroup2->title(), QString("Fixed"));
        QCOMPARE(form_->RadioGroup1->title(), QString("Trials"));
        const QStringList fixed = {"Start Point", "Comp Severe", "Comp Mild", "?"};
        const QStringList trials = {"1", "10", "50", "100"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(form_->RadioGroup2->Item(i)->text(), fixed[i]);
            QCOMPARE(form_->RadioGroup1->Item(i)->text(), trials[i]);
        }
    }

    void fontsAtTheirPixelHeights_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("family");
        QTest::newRow("Label3") << "Label3" << 16 << true << "IPAPGothic";
        QTest::newRow("Label2") << "Label2" << 16 << true << "IPAPGothic";
        QTest::newRow("RadioGroup2") << "RadioGroup2" << 13 << true << "IPAGothic";
        QTest::newRow("RadioGroup1") << "RadioGroup1" << 13 << true << "IPAGothic";
        QTest::newRow("BitBtn1") << "BitBtn1" << 13 << true << "IPAGothic";
        QTest::newRow("BitBtn2") << "BitBtn2" << 13 << true << "IPAGothic";
        QTest::newRow("Edit1") << "Edit1" << 13 << false << "IPAPGothic";
        QTest::newRow("Edit2") << "Edit2" << 13 << false << "IPAPGothic";
        QTest::newRow("Memo1") << "Memo1" << 12 << false << "IPAPGothic";
        QTest::newRow("StaticText1") << "StaticText1" << 19 << true << "Lato";
    }
    void fontsAtTheirPixelHeights() {
        QFETCH(QString, name);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        QFETCH(QString, family);
        auto* widget = form_->ClientArea()->findChild<QWidget*>(name);
        QVERIFY(widget);
        const QFontInfo info(widget->font());
        QCOMPARE(info.pixelSize(), pixels);
        QCOMPARE(info.bold(), bold);
        QVERIFY2(info.family().startsWith(family), qPrintable(info.family()));
    }

    void colours() {
        const QColor navy(0, 0, 128), white(255, 255, 255), black(0, 0, 0);
        for (QLabel* label : {form_->Label2, form_->Label3}) {
            QCOMPARE(label->palette().color(QPalette::WindowText), white);
            QCOMPARE(PaintedColor(label, {0, 0}), navy);
        }
        QCOMPARE(form_->StaticText1->palette().color(QPalette::WindowText), navy);
        QCOMPARE(PaintedColor(form_->StaticText1, {333, 29}),
                 form_->palette().color(QPalette::ToolTipBase));
        QCOMPARE(form_->RadioGroup1->palette().color(QPalette::WindowText), navy);
        QCOMPARE(form_->RadioGroup2->Item(0)->palette().color(QPalette::WindowText), navy);
        QCOMPARE(form_->BitBtn1->palette().color(QPalette::ButtonText), black);
        const QColor buttonFace = form_->palette().color(QPalette::Button);
        QCOMPARE(PaintedColor(form_->ClientArea(), {600, 300}), buttonFace);
        // The two groups over the panel show the button face too, left of their items; the
        // panel keeps its own colour around them.
        QCOMPARE(PaintedColor(form_->ClientArea(), {248 + 4, 480 + 40}), buttonFace);
        QCOMPARE(PaintedColor(form_->ClientArea(), {360 + 4, 480 + 40}), buttonFace);
        QCOMPARE(PaintedColor(form_->ClientArea(), {240, 540}).rgb(),
                 form_->palette().color(QPalette::Midlight).rgb());
    }

    void panelHasARaisedOuterAndInnerBevel_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("role");
        // The panel is 232, 464, 361 x 97: two rings of one pixel, lit at the top and left,
        // shaded at the bottom and right, the panel's colour inside them.
        const auto light = static_cast<int>(QPalette::Light);
        const auto dark = static_cast<int>(QPalette::Dark);
        const auto inside = static_cast<int>(QPalette::Midlight);
        QTest::newRow("top, outer") << QPoint(240, 464) << light;
        QTest::newRow("top, inner") << QPoint(240, 465) << light;
        QTest::newRow("left, outer") << QPoint(232, 540) << light;
        QTest::newRow("left, inner") << QPoint(233, 540) << light;
        QTest::newRow("bottom, outer") << QPoint(240, 560) << dark;
        QTest::newRow("bottom, inner") << QPoint(240, 559) << dark;
        QTest::newRow("right, outer") << QPoint(592, 540) << dark;
        QTest::newRow("right, inner") << QPoint(591, 540) << dark;
        QTest::newRow("inside the rings") << QPoint(234, 466) << inside;
        QTest::newRow("inside, bottom right") << QPoint(590, 558) << inside;
    }
    void panelHasARaisedOuterAndInnerBevel() {
        QFETCH(QPoint, at);
        QFETCH(int, role);
        QCOMPARE(PaintedColor(form_->ClientArea(), at).rgb(),
                 form_->Panel1->palette().color(static_cast<QPalette::ColorRole>(role)).rgb());
    }

    void pictureShowsItsMiddle() {
        QCOMPARE(form_->Image1->PictureOrigin(), QPoint(-51, -75));
        const QImage picture(":/picture.bmp");
        QCOMPARE(picture.size(), QSize(256, 256));
        QCOMPARE(picture.format(), QImage::Format_Indexed8);
        QCOMPARE(picture.colorCount(), 139);
        QCOMPARE(PaintedColor(form_->Image1, {0, 0}), picture.pixelColor(51, 75));
        QCOMPARE(PaintedColor(form_->Image1, {152, 104}), picture.pixelColor(203, 179));
    }

    void glyphsAreTransparentWhereOlive() {
        const QImage strip(":/glyph_start.bmp");
        QCOMPARE(strip.size(), QSize(36, 18));
        QCOMPARE(strip.pixelColor(0, 17), QColor(127, 127, 0));
        const QImage cell = GlyphCell(strip, 0);
        QCOMPARE(cell.size(), QSize(18, 18));
        QCOMPARE(cell.pixelColor(0, 17).alpha(), 0);
        // The button face shows where the glyph is transparent.
        const QRect glyph = form_->BitBtn1->GlyphRect();
        QCOMPARE(PaintedColor(form_->BitBtn1, glyph.topLeft()),
                 form_->BitBtn1->palette().color(QPalette::Button));
    }

    void glyphAndCaptionAreCentredTogether_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("strip");
        QTest::addColumn<QPoint>("glyphAt");
        QTest::addColumn<int>("captionLeft");
        // In the designed faces "Start" is 33 pixels wide and "End" 20: glyph, gap and caption
        // centred in the 71 x 21 and 71 x 20 insides of the buttons' 2-pixel borders.
        QTest::newRow("Start") << "BitBtn1"
                               << ":/glyph_start.bmp" << QPoint(10, 4) << 32;
        QTest::newRow("End") << "BitBtn2"
                             << ":/glyph_end.bmp" << QPoint(17, 3) << 39;
    }
    void glyphAndCaptionAreCentredTogether() {
        QFETCH(QString, name);
        QFETCH(QString, strip);
        QFETCH(QPoint, glyphAt);
        QFETCH(int, captionLeft);
        auto* button = form_->findChild<GlyphButton*>(name);
        QVERIFY(button);
        // The enabled button shows the strip's left cell, over the face where it is olive (seen
        // without the focus rectangle, which crosses the glyph's last row).
        QWidget* focused = form_->focusWidget();
        form_->Memo1->setFocus();
        const QImage painted = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (focused) focused->setFocus();
        const QImage cell = GlyphCell(QImage(strip), 0);
        const QColor face = button->palette().color(QPalette::Button);
        for (int y = 0; y < cell.height(); ++y) {
            for (int x = 0; x < cell.width(); ++x) {
                const QColor want =
                    cell.pixelColor(x, y).alpha() == 0 ? face : cell.pixelColor(x, y);
                QVERIFY2(painted.pixelColor(glyphAt + QPoint(x, y)) == want.toRgb(),
                         qPrintable(QString("glyph pixel %1, %2").arg(x).arg(y)));
            }
        }
        // The caption's ink starts at its place, 4 pixels after the glyph, and not before.
        const QColor ink = button->palette().color(QPalette::ButtonText);
        int firstInk = -1;
        for (int x = glyphAt.x() + cell.width(); x < painted.width() && firstInk < 0; ++x)
            for (int y = 2; y < painted.height() - 2; ++y)
                if (painted.pixelColor(x, y) == ink) {
                    firstInk = x;
                    break;
                }
        QVERIFY2(firstInk >= captionLeft && firstInk <= captionLeft + 2,
                 qPrintable(QString("caption ink from x %1").arg(firstInk)));
    }

    void initialState() {
        QCOMPARE(form_->RadioGroup2->ItemIndex(), 0);
        QCOMPARE(form_->RadioGroup1->ItemIndex(), 1);
        QVERIFY(form_->Edit1->text().isEmpty());
        QVERIFY(form_->Edit2->text().isEmpty());
        QVERIFY(form_->Memo1->toPlainText().isEmpty());
        QCOMPARE(QApplication::focusWidget(), form_->BitBtn1);
        QVERIFY(form_->BitBtn2->isDefault());
        QCOMPARE(form_->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(form_->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    void tabOrder() {
        auto form = ShowNewForm();
        QVERIFY(form);
        const QList<QWidget*> expected = {
            form->BitBtn2, form->RadioGroup2, form->RadioGroup2->Item(0), form->Edit1,
            form->Edit2,   form->Memo1,       form->RadioGroup1->Item(1), form->BitBtn1};
        QCOMPARE(QApplication::focusWidget(), form->BitBtn1);
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        // The selected item is the tab stop wherever the selection goes.
        form->RadioGroup1->SetItemIndex(3);
        form->BitBtn1->setFocus();
        for (int i = 0; i < 7; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->RadioGroup1->Item(3));
    }

    void emptyPlotPixels() {
        const QColor navy(0, 0, 128), white(255, 255, 255), yellow(255, 255, 0);
        QCOMPARE(PlotColor(*form_, 200, 200), navy);
        QCOMPARE(PlotColor(*form_, 20, 100), white);
        QCOMPARE(PlotColor(*form_, 20, 379), white);
        QCOMPARE(PlotColor(*form_, 20, 380), white);
        QCOMPARE(PlotColor(*form_, 379, 380), white);
        QCOMPARE(PlotColor(*form_, 380, 380), navy);
        QCOMPARE(PlotColor(*form_, 19, 200), navy);
        QCOMPARE(PlotColor(*form_, 21, 200), navy);
        QVERIFY(HasColorNear(yellow, {5, 10}, {60, 25}));
        QVERIFY(HasColorNear(yellow, {200, 381}, {260, 397}));
        // Nothing but the plot's three colours: the labels are drawn without smoothing.
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x) {
                const QColor c = PlotColor(*form_, x, y);
                QVERIFY(c == navy || c == white || c == yellow);
            }
        // The window shows what the plot holds.
        QCOMPARE(PaintedColor(form_->MapBox, {200, 200}), navy);
        QCOMPARE(PaintedColor(form_->MapBox, {20, 300}), white);
    }

    void startDotCoversThreeLeftTwoRight() {
        auto form = ShowNewForm();
        QVERIFY(form);
        DrawStartMarker(*form->MapBox, {170, 230});
        const QColor white(255, 255, 255), navy(0, 0, 128);
        for (int d = -3; d <= 2; ++d) {
            QCOMPARE(PlotColor(*form, 170 + d, 230), white);
            QCOMPARE(PlotColor(*form, 170, 230 + d), white);
        }
        QCOMPARE(PlotColor(*form, 173, 230), navy);
        QCOMPARE(PlotColor(*form, 170, 233), navy);
        QCOMPARE(PaintedColor(form->MapBox, {167, 230}), white);
    }

    void growingTheWindowMovesNothing() {
        auto form = ShowNewForm();
        QVERIFY(form);
        form->resize(900, 800);
        QApplication::processEvents();
        QCOMPARE(form->BitBtn1->geometry(), QRect(488, 480, 75, 25));
        QCOMPARE(form->MapBox->geometry(), QRect(24, 40, 400, 400));
        QVERIFY(!form->horizontalScrollBar()->isVisible());
    }

    void shrinkingTheWindowBringsScrollBars() {
        auto form = ShowNewForm();
        QVERIFY(form);
        form->resize(300, 250);
        QApplication::processEvents();
        QVERIFY(form->horizontalScrollBar()->isVisible());
        QVERIFY(form->verticalScrollBar()->isVisible());
        QCOMPARE(form->BitBtn1->geometry(), QRect(488, 480, 75, 25));
        QCOMPARE(form->ClientArea()->size(), QSize(593, 561));
    }

    // Run again under a Japanese locale (layout_test_japanese), where the face in use draws
    // "Loop" wider than the designed label.
    void labelsHoldTheirText() {
        auto form = ShowNewForm();
        QVERIFY(form);
        for (QLabel* label : {form->Label2, form->Label3}) {
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(label->width() >= needed, qPrintable(label->text() + " is clipped"));
            QCOMPARE(label->width(), std::max(needed, label == form->Label2 ? 35 : 38));
        }
    }

private:
    bool HasColorNear(const QColor& color, QPoint from, QPoint to) const {
        for (int y = from.y(); y <= to.y(); ++y)
            for (int x = from.x(); x <= to.x(); ++x)
                if (PlotColor(*form_, x, y) == color) return true;
        return false;
    }

    std::unique_ptr<TForm1> form_;
};

}  // namespace morvanta

MORVANTA_WINDOW_TEST_MAIN(morvanta::LayoutTest)
#include "layout_test.moc"
