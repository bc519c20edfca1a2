// The window from the keyboard and on the desktop's scheme: the plot menu opened with the
// Menu key or Shift+F10 and worked with its own keys, Clear Plot, the captions on a dark
// scheme, the layout under a larger desktop font.

#include <QFontInfo>
#include <QMenu>

#include "tests/ui/qt/form_fixture.h"

namespace morvanta::testkit {

class KeyboardAccessTest : public QObject {
    Q_OBJECT

private:
    FixedClock clock_ = FixedClock::ForSeed(43'200'000);
    std::unique_ptr<TForm1> form_;
    QPoint menuAt_;  // where the menu last opened

    static QMenu* OpenPopup() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
    // Opens the menu with the key on the control, walks down to the item and presses Enter.
    bool ChooseWithKeys(QWidget* control, Qt::Key key, Qt::KeyboardModifiers held, QAction* item) {
        control->setFocus();
        QTest::keyClick(control, key, held);
        QMenu* menu = OpenPopup();
        if (!menu) return false;
        menuAt_ = menu->geometry().topLeft();
        for (int i = 0; i < menu->actions().size() && menu->activeAction() != item; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        return true;
    }

private slots:
    void init() { QVERIFY(form_ = ShowNewForm(&clock_)); }
    void cleanup() { form_.reset(); }

    // Enter in the menu is the menu's: it toggles the option, and neither runs nor ends.
    void theMenuKeysOpenThePlotMenuWhereNoTextBoxHasItsOwn_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("opens");
        QTest::newRow("Menu on Start") << "BitBtn1" << int(Qt::Key_Menu) << false << true;
        QTest::newRow("Shift+F10 on End") << "BitBtn2" << int(Qt::Key_F10) << true << true;
        QTest::newRow("Menu on the Fixed group")
            << "RadioGroup2" << int(Qt::Key_Menu) << false << true;
        QTest::newRow("Shift+F10 on a Fixed item")
            << "FixedItem0" << int(Qt::Key_F10) << true << true;
        QTest::newRow("Shift+F10 in a number box") << "Edit1" << int(Qt::Key_F10) << true << false;
    }
    void theMenuKeysOpenThePlotMenuWhereNoTextBoxHasItsOwn() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(bool, opens);
        PlotMenu& menu = form_->Menu();
        const bool opened =
            ChooseWithKeys(form_->findChild<QWidget*>(focus), Qt::Key(key),
                           shift ? Qt::ShiftModifier : Qt::NoModifier, menu.TallyOutcomes);
        QCOMPARE(opened, opens);
        const QRect plot(form_->MapBox->mapToGlobal(QPoint(0, 0)), form_->MapBox->size());
        QVERIFY2(!opens || plot.contains(menuAt_), "the menu opened away from the plot");
        QCOMPARE(menu.TallyOutcomes->isChecked(), opens);
        QVERIFY2(!OpenPopup(), "Enter left the menu open");
        QVERIFY2(form_->isVisible(), "a key in the menu ended the program");
        QVERIFY2(form_->Memo1->toPlainText().isEmpty(), "a key in the menu started a run");
    }

    void theMenusClearPlotClearsAsAClickDoes() {
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        const QImage run = form_->MapBox->Image().copy();
        QVERIFY(ChooseWithKeys(form_->BitBtn1, Qt::Key_Menu, {}, form_->Menu().ClearPlot));
        const QImage cleared = form_->MapBox->Image().copy();
        QTest::mouseClick(form_->MapBox, Qt::LeftButton, {}, QPoint(200, 200));
        QVERIFY(cleared != run);
        QCOMPARE(cleared, form_->MapBox->Image());
    }
};

// Forms made under a dark colour scheme and under an 18-point desktop font.
class DesktopSchemeTest : public QObject {
    Q_OBJECT

private slots:
    void darkSchemeCaptionsTakeTheSchemesTextColour() {
        const QPalette designed = QApplication::palette();
        QPalette dark = designed;
        dark.setColor(QPalette::Button, QColor(0x30, 0x30, 0x30));
        dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
        QApplication::setPalette(dark);
        TForm1 form;
        QApplication::setPalette(designed);
        QCOMPARE(form.RadioGroup2->palette().color(QPalette::WindowText), QColor(0xee, 0xee, 0xee));
        QCOMPARE(form.BitBtn1->palette().color(QPalette::ButtonText), QColor(0xee, 0xee, 0xee));
    }

    void aLargerDesktopFontScalesTheWindow() {
        const QFont designed = QApplication::font();
        QCOMPARE(QFontInfo(designed).pixelSize(), LayoutScale::DesignCellHeight);
        QFont large = designed;
        large.setPointSize(18);  // 24 pixels at 96 dots per inch
        QApplication::setFont(large);
        TForm1 form;
        QApplication::setFont(designed);
        QCOMPARE(form.BitBtn1->geometry(), QRect(976, 960, 150, 50));
        QCOMPARE(form.MapBox->size(), QSize(MapWidth, MapHeight));
    }
};

}  // namespace morvanta::testkit

int main(int argc, char** argv) {
    morvanta::PrepareToolkitEnvironment();
    morvanta::Application application(argc, argv);
    morvanta::testkit::DesktopSchemeTest scheme;
    morvanta::testkit::KeyboardAccessTest keyboard;
    return QTest::qExec(&scheme, argc, argv) | QTest::qExec(&keyboard, argc, argv);
}

#include "keyboard_access_test.moc"
