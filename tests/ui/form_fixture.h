#pragma once

// Shared set-up for the window tests: the application as the program makes it, and a shown
// form whose runs are seeded from a fixed clock.

#include <QTest>
#include <memory>

#include "tests/support/recording_fakes.h"
#include "ui/application.h"
#include "ui/tform1.h"

namespace morvanta::testing {

// A new shown window, with focus as at start-up.
inline std::unique_ptr<TForm1> ShowNewForm(const ClockSource* clock = nullptr) {
    auto form = std::make_unique<TForm1>();
    form->SetClock(clock);
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowExposed(form.get())) return nullptr;
    QApplication::processEvents();
    return form;
}

// The colour of a pixel of a widget as it is painted now.
inline QColor PaintedColor(QWidget* widget, QPoint at) {
    return widget->grab(QRect(at, QSize(1, 1))).toImage().pixelColor(0, 0);
}

// The colour of a pixel of the plot surface.
inline QColor PlotColor(const TForm1& form, int x, int y) {
    return form.MapBox->Image().pixelColor(x, y);
}

}  // namespace morvanta::testing

// Qt Test main for the window tests: the application object is the program's own.
#define MORVANTA_WINDOW_TEST_MAIN(TestClass)                  \
    int main(int argc, char** argv) {                         \
        morvanta::Application application(argc, argv);       \
        TestClass test;                                       \
        return QTest::qExec(&test, argc, argv);               \
    }
