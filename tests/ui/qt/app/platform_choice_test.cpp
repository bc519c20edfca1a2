// Which display platform the program asks for, by what the desktop's environment offers.

#include "ui/qt/app/platform_choice.h"

#include <QTest>

namespace morvanta {

class PlatformChoiceTest : public QObject {
    Q_OBJECT

private slots:
    void x11PreferredOnAWaylandDesktopWithX_data() {
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("chosen");  // QT_QPA_PLATFORM before; "-" for unset
        QTest::addColumn<QString>("expected");
        QTest::newRow("Wayland with XWayland") << "wayland-0"
                                               << ":1"
                                               << "-"
                                               << "xcb";
        QTest::newRow("Wayland without X") << "wayland-0"
                                           << ""
                                           << "-"
                                           << "-";
        QTest::newRow("X alone") << ""
                                 << ":0"
                                 << "-"
                                 << "-";
        QTest::newRow("the user's choice stands") << "wayland-0"
                                                  << ":1"
                                                  << "wayland"
                                                  << "wayland";
        QTest::newRow("even an empty one") << "wayland-0"
                                           << ":1"
                                           << ""
                                           << "";
    }
    void x11PreferredOnAWaylandDesktopWithX() {
        QFETCH(QString, wayland);
        QFETCH(QString, display);
        QFETCH(QString, chosen);
        QFETCH(QString, expected);
        const auto set = [](const char* name, const QString& value) {
            if (value == "-")
                qunsetenv(name);
            else
                qputenv(name, value.toUtf8());
        };
        set("WAYLAND_DISPLAY", wayland.isEmpty() ? "-" : wayland);
        set("DISPLAY", display.isEmpty() ? "-" : display);
        set("QT_QPA_PLATFORM", chosen);
        PreferX11OnWayland();
        const QString now = qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
                                ? qEnvironmentVariable("QT_QPA_PLATFORM")
                                : QString("-");
        QCOMPARE(now, expected);
    }
};

}  // namespace morvanta

QTEST_APPLESS_MAIN(morvanta::PlatformChoiceTest)
#include "platform_choice_test.moc"
