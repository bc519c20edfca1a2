#pragma once

// Shared set-up for the window tests: the application as the program makes it, and a shown
// form whose runs are seeded from a fixed clock.

#include <QMenu>
#include <QTest>
#include <QWindow>
#include <memory>

#include "tests/support/recording_fakes.h"
#include "ui/qt/app/application.h"
#include "ui/qt/app/platform_choice.h"
#include "ui/qt/widgets/colors.h"
#include "ui/qt/window/tform1.h"

namespace morvanta::testkit {

// How long anything awaited may take before a test calls it lost (ms): a bound for a failure
// only, since every wait ends as soon as its condition holds.
inline constexpr int PatienceMs = 60'000;

// A new shown window, with focus as at start-up.
inline std::unique_ptr<TForm1> ShowNewForm(const ClockSource* clock = nullptr) {
    auto form = std::make_unique<TForm1>();
    if (clock) form->SetClock(*clock);
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowExposed(form.get())) return nullptr;
    QApplication::processEvents();
    return form;
}

// The plot's colours as the window's pixels have them.
inline const QColor NavyColor = ToQColor(Navy);
inline const QColor WhiteColor = ToQColor(White);
inline const QColor RedColor = ToQColor(Red);

// How many lines of a log are the end-of-job line itself (not lines a user typed around it).
inline int EndOfJobLines(const QString& log) {
    int lines = 0;
    for (const QString& line : log.split('\n'))
        if (line == EndOfJobLine) ++lines;
    return lines;
}
inline int EndOfJobLines(const TForm1& form) { return EndOfJobLines(form.Memo1->toPlainText()); }

// The colour of a pixel of a widget as it is painted now.
inline QColor PaintedColor(QWidget* widget, QPoint at) {
    return widget->grab(QRect(at, QSize(1, 1))).toImage().pixelColor(0, 0);
}

// The colour of a pixel of the plot surface.
inline QColor PlotColor(const TForm1& form, int x, int y) {
    return form.MapBox->Image().pixelColor(x, y);
}

// How many pixels of an image have exactly this colour.
inline int CountOf(const QImage& image, QColor color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == color;
    return count;
}

// The plot's menu, opened by a right click on the plot that comes through the window system,
// as a person's does: a menu tells a click on an item from the release of the button that
// opened it by where the pointer was when it opened, which Qt knows only from such events.
inline QMenu* OpenPlotMenu(TForm1& form) {
    QWindow* window = form.windowHandle();
    const QPoint at = window->mapFromGlobal(form.MapBox->mapToGlobal(QPoint(100, 100)));
    QTest::mouseClick(window, Qt::RightButton, {}, at);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Opens the plot's menu and clicks the item, as a person would.
inline void ChooseFromPlotMenu(TForm1& form, QAction* action) {
    QMenu* menu = OpenPlotMenu(form);
    QVERIFY2(menu, "the right button opened no menu");
    QVERIFY2(action->isEnabled(), qPrintable(action->text() + " is disabled"));
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                      menu->actionGeometry(action).center());
    QVERIFY2(!menu->isVisible(), "the click on the item left the menu open");
    QApplication::processEvents();
}

// Test data rows "name" and "geometry": every control's place and size in the client area as
// the window is designed, in logical pixels.
inline void AddDesignedGeometryRows() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Label3") << "Label3" << QRect(72, 510, 38, 16);
    QTest::newRow("Label2") << "Label2" << QRect(72, 480, 35, 16);
    QTest::newRow("MapBox") << "MapBox" << QRect(24, 40, 400, 400);
    QTest::newRow("Image1") << "Image1" << QRect(440, 48, 153, 105);
    QTest::newRow("Panel1") << "Panel1" << QRect(232, 464, 361, 97);
    QTest::newRow("RadioGroup2") << "RadioGroup2" << QRect(128, 16, 121, 73);
    QTest::newRow("BitBtn1") << "BitBtn1" << QRect(488, 480, 75, 25);
    QTest::newRow("BitBtn2") << "BitBtn2" << QRect(488, 512, 75, 24);
    QTest::newRow("Edit1") << "Edit1" << QRect(128, 480, 40, 21);
    QTest::newRow("Edit2") << "Edit2" << QRect(128, 510, 40, 21);
    QTest::newRow("Memo1") << "Memo1" << QRect(432, 168, 161, 265);
    QTest::newRow("RadioGroup1") << "RadioGroup1" << QRect(248, 480, 100, 50);
    QTest::newRow("StaticText1") << "StaticText1" << QRect(61, 2, 335, 31);
}

}  // namespace morvanta::testkit

// Qt Test main for the window tests: the application object is the program's own.
#define MORVANTA_WINDOW_TEST_MAIN(TestClass)           \
    int main(int argc, char** argv) {                  \
        morvanta::PrepareToolkitEnvironment();         \
        morvanta::Application application(argc, argv); \
        TestClass test;                                \
        return QTest::qExec(&test, argc, argv);        \
    }
