// On a real X display the steps of a run go straight to the X server. Seen from a second
// connection to the server, as any other client sees the screen: once a step's number is
// shown, it and every segment drawn before it are there, before the step is computed; and
// whatever the toolkit paints later (after an expose, a focus change) is exactly what the
// steps drew.

#include <xcb/xcb.h>

#include <QScrollBar>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "tests/ui/qt/form_fixture.h"

namespace morvanta {

using testkit::FixedClock;
using testkit::ShowNewForm;

namespace {

// Another client of the same X server.
class ScreenReader {
public:
    ScreenReader() : connection_(xcb_connect(nullptr, nullptr)) {}
    ~ScreenReader() { xcb_disconnect(connection_); }
    bool Connected() const { return xcb_connection_has_error(connection_) == 0; }

    QImage Read(const TForm1& form, const QWidget* widget) const {
        const QRect area(widget->mapTo(&form, QPoint(0, 0)), widget->size());
        auto* reply = xcb_get_image_reply(
            connection_,
            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP,
                          static_cast<xcb_drawable_t>(form.winId()), static_cast<int16_t>(area.x()),
                          static_cast<int16_t>(area.y()), static_cast<uint16_t>(area.width()),
                          static_cast<uint16_t>(area.height()), ~0U),
            nullptr);
        if (reply == nullptr) return {};
        QImage image(xcb_get_image_data(reply), area.width(), area.height(), QImage::Format_RGB32);
        image = image.copy();
        std::free(reply);
        return image;
    }

    // Whether the widget shows the image on the screen. What was sent shows at once on an idle
    // server; the bound is for a busy machine. Nothing in this process sends to the server
    // meanwhile, so what was not sent never turns up.
    bool Shows(const TForm1& form, const QWidget* widget, const QImage& expected) const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        do {
            if (Read(form, widget) == expected) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        } while (std::chrono::steady_clock::now() < deadline);
        return false;
    }

    // Covers the window with another and takes it away, so that the window must be repainted.
    void Cover(const TForm1& form) const {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        const xcb_window_t cover = xcb_generate_id(connection_);
        const uint32_t values[] = {screen->white_pixel, 1};
        const QRect frame = form.geometry();
        xcb_create_window(
            connection_, XCB_COPY_FROM_PARENT, cover, screen->root, static_cast<int16_t>(frame.x()),
            static_cast<int16_t>(frame.y()), static_cast<uint16_t>(frame.width()),
            static_cast<uint16_t>(frame.height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
            screen->root_visual, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
        xcb_map_window(connection_, cover);
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        xcb_destroy_window(connection_, cover);
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }

private:
    xcb_connection_t* connection_;
};

QImage Painted(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void LetTheToolkitPaint() {
    for (int i = 0; i < 20; ++i) {
        QTest::qWait(10);
        QApplication::processEvents();
    }
}

// A shown window whose runs take the given trials and scenario items, seeded at noon.
std::unique_ptr<TForm1> ShowFormFor(int trialsItem, int scenarioItem) {
    static const FixedClock noon({12, 0, 0, 0});
    auto form = ShowNewForm(&noon);
    if (!form) return nullptr;
    form->RadioGroup1->SetItemIndex(trialsItem);
    form->RadioGroup2->SetItemIndex(scenarioItem);
    return form;
}

}  // namespace

class DirectScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QString("xcb")); }

    void eachStepIsOnTheServerBeforeTheNextIsComputed() {
        ScreenReader reader;
        QVERIFY(reader.Connected());
        auto form = ShowFormFor(0, 1);  // one trial of "Comp Severe": hundreds of steps
        QVERIFY(form);

        QStringList lagging;
        int checked = 0;
        form->SetStepHook([&](int step) {
            if (step % 97 != 2) return;  // one-, two- and three-digit numbers
            ++checked;
            if (!reader.Shows(*form, form->MapBox,
                              form->MapBox->Image().convertToFormat(QImage::Format_RGB32)))
                lagging << QString("plot at step %1").arg(step);
            if (!reader.Shows(*form, form->Edit2, Painted(form->Edit2)))
                lagging << QString("number at step %1").arg(step);
        });
        QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
        QVERIFY2(checked >= 5, "the run was too short to check");
        QVERIFY2(lagging.isEmpty(), qPrintable("not on the screen: " + lagging.join(", ")));
    }

    void stepsStayInsideThePartOfThePlotThatShows() {
        // In a window smaller than its contents the scroll bars lie over the plot: the steps
        // drawn straight to the window must leave them as they are.
        ScreenReader reader;
        QVERIFY(reader.Connected());
        auto form = ShowFormFor(1, 1);  // ten trials of "Comp Severe", over the whole plot
        QVERIFY(form);
        form->resize(300, 250);
        LetTheToolkitPaint();
        QWidget* const bars[] = {form->horizontalScrollBar(), form->verticalScrollBar()};
        QImage before[2];
        for (int i = 0; i < 2; ++i) {
            QVERIFY(bars[i]->isVisible());
            before[i] = reader.Read(*form, bars[i]);
            QVERIFY(!before[i].isNull());
        }
        form->BitBtn1Click();  // no events between the run and the readings below
        for (int i = 0; i < 2; ++i)
            QVERIFY2(reader.Read(*form, bars[i]) == before[i],
                     qPrintable(QString("the run drew over scroll bar %1").arg(i)));
    }

    void digitsFollowTheBoxsNewColours() {
        // The digits kept on the server are those of the box's look when they were made; a
        // new palette makes them anew, so the screen shows what the box itself paints.
        ScreenReader reader;
        QVERIFY(reader.Connected());
        auto form = ShowFormFor(0, 1);
        QVERIFY(form);
        form->BitBtn1Click();
        LetTheToolkitPaint();
        QPalette palette = form->Edit2->palette();
        palette.setColor(QPalette::Base, QColor(255, 255, 160));
        palette.setColor(QPalette::Text, QColor(160, 0, 0));
        form->Edit2->setPalette(palette);
        LetTheToolkitPaint();

        QStringList stale;
        form->SetStepHook([&](int step) {
            if (step % 97 == 2 && !reader.Shows(*form, form->Edit2, Painted(form->Edit2)))
                stale << QString::number(step);
        });
        form->BitBtn1Click();
        QVERIFY2(stale.isEmpty(), qPrintable("old colours at steps " + stale.join(", ")));
    }

    void laterPaintsShowWhatTheStepsDrew() {
        ScreenReader reader;
        QVERIFY(reader.Connected());
        FixedClock clock({0, 0, 0, 0});
        auto form = ShowNewForm(&clock);
        QVERIFY(form);
        form->RadioGroup1->SetItemIndex(1);  // ten trials
        form->RadioGroup2->SetItemIndex(0);

        // Mid-trial, the number went to the screen but not yet into the box's text.
        QString textMidTrial;
        form->SetStepHook([&](int step) {
            if (step == 5 && textMidTrial.isEmpty()) textMidTrial = form->Edit2->text();
        });
        form->BitBtn1Click();  // no events between the run and the readings below
        QVERIFY2(textMidTrial != "5", "the steps were not drawn straight to the screen");

        QWidget* const parts[] = {form->MapBox, form->Edit1, form->Edit2};
        QImage drawn[3];
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(
                QTest::qWaitFor([&] { return !(drawn[i] = reader.Read(*form, parts[i])).isNull(); },
                                testkit::PatienceMs),
                qPrintable(parts[i]->objectName() + " could not be read from the screen"));
        }
        QVERIFY(reader.Shows(*form, form->MapBox,
                             form->MapBox->Image().convertToFormat(QImage::Format_RGB32)));
        drawn[0] = reader.Read(*form, form->MapBox);

        LetTheToolkitPaint();
        reader.Cover(*form);
        LetTheToolkitPaint();
        for (int i = 0; i < 3; ++i)
            QVERIFY2(reader.Shows(*form, parts[i], drawn[i]),
                     qPrintable(parts[i]->objectName() + " changed when the window was exposed"));

        form->Edit2->setFocus();
        LetTheToolkitPaint();
        form->BitBtn1->setFocus();
        LetTheToolkitPaint();
        QCOMPARE(form->Edit2->text(), QString::number(form->Edit2->text().toInt()));
        QVERIFY2(reader.Shows(*form, form->Edit2, drawn[2]),
                 "the step box changed when the focus came and went");
    }
};

}  // namespace morvanta

MORVANTA_WINDOW_TEST_MAIN(morvanta::DirectScreenTest)
#include "direct_screen_test.moc"
