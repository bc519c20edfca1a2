// The window from the keyboard and as assistive technology sees it: the plot menu opened with
// the Menu key or Shift+F10 and worked with its own keys, the plot's name and description,
// the captions under a dark colour scheme, the layout under a larger desktop font, and the
// outcome shapes.

#include <QAccessible>
#include <QFontInfo>
#include <QMenu>

#include "core/driver/outcome_shares.h"
#include "plot/plot_point.h"
#include "tests/ui/form_fixture.h"

namespace morvanta::testkit {

class KeyboardAccessTest : public QObject {
    Q_OBJECT

private:
    FixedClock clock_ = FixedClock::ForSeed(43'200'000);
    std::unique_ptr<TForm1> form_;

    QMenu* OpenPopup() const { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
    // Walks the open menu down to the item, as a keyboard user would, and presses Enter.
    void ChooseWithKeys(QMenu* menu, QAction* target) {
        for (int i = 0; i < menu->actions().size() && menu->activeAction() != target; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        QCOMPARE(menu->activeAction(), target);
        QTest::keyClick(menu, Qt::Key_Return);
        QApplication::processEvents();
    }
    QString Description(QWidget* widget) const {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
    }

private slots:
    void init() {
        form_ = ShowNewForm(&clock_);
        QVERIFY(form_);
    }
    void cleanup() {
        if (QMenu* menu = OpenPopup()) menu->close();
        form_.reset();
    }

    void theMenuKeysOpenThePlotMenuOverThePlot_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Menu on Start") << "BitBtn1" << int(Qt::Key_Menu) << int(Qt::NoModifier);
        QTest::newRow("Shift+F10 on End")
            << "BitBtn2" << int(Qt::Key_F10) << int(Qt::ShiftModifier);
        QTest::newRow("Menu on the Fixed group")
            << "RadioGroup2" << int(Qt::Key_Menu) << int(Qt::NoModifier);
        QTest::newRow("Shift+F10 on a Trials item")
            << "TrialsItem1" << int(Qt::Key_F10) << int(Qt::ShiftModifier);
    }
    void theMenuKeysOpenThePlotMenuOverThePlot() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        auto* control = form_->findChild<QWidget*>(focus);
        QVERIFY(control);
        control->setFocus();
        QTest::keyClick(control, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QMenu* menu = OpenPopup();
        QVERIFY2(menu == form_->Menu().Menu(), "the key opened no plot menu");
        const QRect plot(form_->MapBox->mapToGlobal(QPoint(0, 0)), form_->MapBox->size());
        QVERIFY2(plot.contains(menu->geometry().topLeft()), "the menu opened away from the plot");
        QCOMPARE(menu->activeAction(), form_->Menu().CopyPlot);
        QTest::keyClick(menu, Qt::Key_Escape);
        QVERIFY(!OpenPopup());
        QVERIFY2(form_->isVisible(), "Escape in the menu closed the window");
    }

    void theTextBoxesKeepTheirOwnMenu() {
        form_->Edit1->setFocus();
        QTest::keyClick(form_->Edit1, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY2(!OpenPopup(), "Shift+F10 in a number box opened the plot menu");
    }

    // Enter in the menu is the menu's: it toggles the option and neither runs nor ends.
    void enterInTheMenuChoosesItsItem_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("focus on Start") << "BitBtn1";
        QTest::newRow("focus on a Fixed item") << "FixedItem0";
    }
    void enterInTheMenuChoosesItsItem() {
        QFETCH(QString, focus);
        auto* control = form_->findChild<QWidget*>(focus);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Menu);
        QMenu* menu = OpenPopup();
        QVERIFY(menu);
        ChooseWithKeys(menu, form_->Menu().TallyOutcomes);
        QVERIFY2(form_->Menu().TallyOutcomes->isChecked(), "Enter did not toggle the option");
        QVERIFY(!OpenPopup());
        QVERIFY2(form_->isVisible(), "Enter in the menu ended the program");
        QVERIFY2(form_->Memo1->toPlainText().isEmpty(), "Enter in the menu started a run");
    }

    void clearPlotClearsAsAClickDoes() {
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        const QImage run = form_->MapBox->Image().copy();
        form_->BitBtn1->setFocus();
        QTest::keyClick(form_->BitBtn1, Qt::Key_Menu);
        ChooseWithKeys(OpenPopup(), form_->Menu().ClearPlot);
        const QImage cleared = form_->MapBox->Image().copy();
        QTest::mouseClick(form_->MapBox, Qt::LeftButton, {}, QPoint(200, 200));
        QVERIFY(cleared != run);
        QCOMPARE(cleared, form_->MapBox->Image());
    }

    void thePlotIsANamedImageThatDescribesTheRun() {
        QAccessibleInterface* plot = QAccessible::queryAccessibleInterface(form_->MapBox);
        QCOMPARE(plot->role(), QAccessible::Graphic);
        QCOMPARE(plot->text(QAccessible::Name), QString("Phase plane"));
        QVERIFY(Description(form_->MapBox).startsWith("Empty plot."));
        form_->RadioGroup2->SetItemIndex(ItemOf(Scenario::CompSevere));
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        // The same run as the trial table counts it, each trial once.
        EndCounts counts;
        counts.Add(form_->Menu().Records());
        QCOMPARE(counts.Trials(), 10);
        QCOMPARE(Description(form_->MapBox),
                 QString("Scenario Comp Severe, 10 trials. Species 1 died out in %1, species 2 "
                         "in %2, both in %3, neither in %4.")
                     .arg(counts.Of(EndState::Species1Extinct))
                     .arg(counts.Of(EndState::Species2Extinct))
                     .arg(counts.Of(EndState::BothExtinct))
                     .arg(counts.Of(EndState::Neither)));
        QTest::mouseClick(form_->MapBox, Qt::LeftButton, {}, QPoint(200, 200));
        QVERIFY(Description(form_->MapBox).startsWith("Empty plot."));
    }

    void theOtherControlsAreNamed() {
        const auto role = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->role();
        };
        const auto name = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        QCOMPARE(role(form_->StaticText1), QAccessible::Heading);
        QCOMPARE(name(form_->StaticText1), QString("Competition between 2 species"));
        QCOMPARE(role(form_->Image1), QAccessible::Graphic);
        QCOMPARE(name(form_->Image1), QString());
        QCOMPARE(name(form_->Edit1), QString("Trial"));
        QCOMPARE(name(form_->Edit2), QString("Loop"));
        QCOMPARE(name(form_->Memo1), QString("Log"));
    }

    void theWindowIconComesInEveryInstalledSize() {
        QList<QSize> sizes;
        for (const int side : {32, 48, 64, 128, 256}) sizes << QSize(side, side);
        QCOMPARE(form_->windowIcon().availableSizes(), sizes);
    }

    void outcomeShapesMarkExtinctTrialsWithACross() {
        form_->RadioGroup2->SetItemIndex(ItemOf(Scenario::CompSevere));
        form_->RadioGroup1->SetItemIndex(OneTrialItem);
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        const PlotPoint end =
            ToPixel(form_->Menu().Records().at(0).end[0], form_->Menu().Records().at(0).end[1]);
        QCOMPARE(PlotColor(*form_, end.x, end.y), ToQColor(Aqua));  // the dot
        form_->Menu().OutcomeShapes->setChecked(true);
        QTest::mouseClick(form_->BitBtn1, Qt::LeftButton);
        // The cross's arms reach the corners of its box, where a dot has nothing.
        for (const QPoint corner : {QPoint(-4, -4), QPoint(4, -4), QPoint(-4, 4), QPoint(4, 4)})
            QCOMPARE(PlotColor(*form_, end.x + corner.x(), end.y + corner.y()), ToQColor(Aqua));
    }
};

// Runs first, before any form of the other cases: a dark scheme and a large desktop font.
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
        TForm1 plain;
        QCOMPARE(plain.RadioGroup2->palette().color(QPalette::WindowText), ToQColor(Navy));
        QCOMPARE(plain.BitBtn1->palette().color(QPalette::ButtonText), ToQColor(Black));
    }

    void aLargerDesktopFontScalesTheWindow() {
        const QFont designed = QApplication::font();
        QCOMPARE(QFontInfo(designed).pixelSize(), LayoutScale::DesignCellHeight);
        QFont large = designed;
        large.setPointSize(18);  // 24 pixels at 96 dots per inch
        QApplication::setFont(large);
        TForm1 form;
        QApplication::setFont(designed);
        QCOMPARE(form.Scale().Factor(), 2.0);
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
