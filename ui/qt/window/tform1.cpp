#include "ui/qt/window/tform1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>

#include "core/driver/run_driver.h"
#include "core/driver/step_pace.h"
#include "plot/phase_plot.h"
#include "plot/zoom.h"
#include "session/plot_caption.h"
#include "session/plot_description.h"
#include "ui/qt/screen/frame_watcher.h"
#include "ui/qt/screen/paced_screen.h"
#include "ui/qt/widgets/accessible_role.h"
#include "ui/qt/widgets/bitmaps.h"
#include "ui/qt/widgets/caption_contrast.h"
#include "ui/qt/widgets/colors.h"
#include "ui/qt/widgets/fonts.h"
#include "ui/qt/widgets/handler_errors.h"
#include "ui/qt/widgets/paste_guard.h"
#include "ui/qt/window/paced_trials.h"

namespace morvanta {
namespace {

// The character cell of the desktop's default font as the platform reports it: where the
// desktop sets no font of its own, Qt's 9-point default, 12 pixels at 96 dots per inch, the
// cell the window is designed for. The designed cell when the report is unusable.
int DefaultFontCellHeight() {
    const int measured = QFontInfo(QGuiApplication::font()).pixelSize();
    if (LayoutScale::UsableCellHeight(measured)) return measured;
    std::fprintf(stderr,
                 "%s: the default font measures %d pixels high, which no layout can use; the "
                 "window keeps its designed sizes\n",
                 program_invocation_short_name, measured);
    return LayoutScale::DesignCellHeight;
}

void SetColors(QWidget* widget, QColor text, std::optional<QColor> background = {}) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
    if (background) {
        palette.setColor(QPalette::Window, *background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

// A caption's designed colour on a background of the colour scheme, or the scheme's own text
// colour for that background where the designed one would not stand out from it.
void SetCaptionColor(QWidget* widget, QColor designed, QPalette::ColorRole background,
                     QPalette::ColorRole schemeText) {
    const QPalette& palette = widget->palette();
    SetColors(widget,
              ReadableCaption(designed, palette.color(background), palette.color(schemeText)));
}

// The settings of a run started in the window: the two groups, the lesson's overrides and
// the menu's outcome shapes.
class FormSettings : public RadioGroupSettings {
public:
    FormSettings(const RadioGroup& trials, const RadioGroup& scenario, const PlotMenu& menu)
        : RadioGroupSettings(trials, scenario, &menu.Lesson().Overrides()), menu_(menu) {}
    bool OutcomeShapes() const override { return menu_.Session().options.outcomeShapes; }

private:
    const PlotMenu& menu_;
};

// The stored place, moved up and left where the screen is too small for the whole window
// there, but never past the screen's top-left corner: with no window manager to place it,
// a window partly off the screen could not be moved back.
QPoint PlaceOnScreen(QPoint stored, int outerWidth, int outerHeight) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    // Only X11 lets a window choose its place; elsewhere the place is the platform's.
    if (!screen || QGuiApplication::platformName() != "xcb") return stored;
    const QRect area = screen->availableGeometry();
    return QPoint(std::max(area.left(), std::min(stored.x(), area.right() + 1 - outerWidth)),
                  std::max(area.top(), std::min(stored.y(), area.bottom() + 1 - outerHeight)));
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QScrollArea(parent), scale_(DefaultFontCellHeight()), client_(new QWidget) {
    setObjectName("Form1");
    setWindowTitle("Morvanta");
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setFont(DesignFont(ProportionalGothic, scale_(12)));

    client_->setObjectName("ClientArea");
    // The form's background is the button-face colour.
    QPalette background = client_->palette();
    background.setColor(QPalette::Window, background.color(QPalette::Button));
    client_->setPalette(background);
    CreateControls();
    plotMenu_ = new PlotMenu(*MapBox, *RadioGroup2, this);
    connect(plotMenu_->ClearPlot, &QAction::triggered, this, &TForm1::PaintB);
    DescribePlot = new QAction("Describe Plot", plotMenu_);
    const QList<QAction*> items = plotMenu_->Menu()->actions();
    plotMenu_->Menu()->insertAction(items.value(items.indexOf(plotMenu_->ClearPlot) + 1),
                                    DescribePlot);
    connect(DescribePlot, &QAction::triggered, this,
            [this] { RunHandler([this] { ShowPlotDescription(); }); });
    announcer_ = new Announcer(*client_);
    // Between runs the empty plot answers a change at once (during a run the menu and the
    // groups wait for its end).
    const auto redraw = [this](PlotChange change) {
        if (plotMenu_->Session().RedrawsOn(change)) PaintB();
        UpdateCaption();
    };
    connect(plotMenu_, &PlotMenu::EmptyPlotChanged, this, redraw);
    for (int i = 0; i < RadioGroup2->ItemCount(); ++i)
        connect(RadioGroup2->Item(i), &QAbstractButton::toggled, this, [redraw](bool on) {
            if (on) redraw(PlotChange::Scenario);
        });
    connect(plotMenu_, &PlotMenu::ZoomChosen, this, &TForm1::SetZoom);
    connect(plotMenu_, &PlotMenu::CaptionSwitched, this, &TForm1::UpdateCaption);
    Caption = new CaptionBox(client_);
    Caption->setObjectName("Caption");
    Caption->hide();
    PlaceCaption();
    DescribeForAssistiveTechnology();
    SpeakOptions();
    // Scroll bars appear once the window is smaller than what the controls need.
    client_->setMinimumSize(scale_(ControlsExtent.width()), scale_(ControlsExtent.height()));
    setWidget(client_);
    setWidgetResizable(true);

    // Until a window manager tells its frame, assume the classic one.
    const QSize client = DesignOuterSize - ClassicFrame;
    fittedSize_ = QSize(scale_(client.width()), scale_(client.height()));
    resize(fittedSize_);
    move(PlaceOnScreen(DesignPosition, scale_(DesignOuterSize.width()),
                       scale_(DesignOuterSize.height())));
    connect(new FrameWatcher(this), &FrameWatcher::FrameChanged, this,
            &TForm1::FitOuterSizeToFrame);

    SetTabOrder();
    RememberDesign();
    // Keys reach the focused control first: the window's own keys are taken there.
    for (QWidget* control : client_->findChildren<QWidget*>()) control->installEventFilter(this);
    FormCreate();
    BitBtn1->setFocus(Qt::OtherFocusReason);
}

TForm1::~TForm1() = default;

void TForm1::CreateControls() {
    const LayoutScale& s = scale_;
    QWidget* form = client_;

    Label3 = new QLabel("Loop", form);
    Label2 = new QLabel("Trial", form);
    Label3->setGeometry(s.Rect(72, 510, 38, 16));
    Label2->setGeometry(s.Rect(72, 480, 35, 16));
    for (QLabel* label : {Label3, Label2}) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(DesignFont(ProportionalGothic, s(16), true, FontText::Captions));
        SetColors(label, ToQColor(White), ToQColor(Navy));
        // Sized to the text in the font in use: where that face draws it wider than the
        // designed one (another locale's choice of face), the label grows to the right.
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        if (needed > label->width()) label->resize(needed, label->height());
    }

    MapBox = new PlotPaintBox(form);
    MapBox->setGeometry(s(24), s(40), MapWidth, MapHeight);

    Image1 = new PictureBox(LoadBitmap(":/picture.bmp"), form);
    Image1->setGeometry(s.Rect(440, 48, 153, 105));

    Panel1 = new BevelPanel(form);
    Panel1->setGeometry(s.Rect(232, 464, 361, 97));
    Panel1->setBackgroundRole(QPalette::Midlight);  // the scroll-bar colour of the scheme
    Panel1->setFocusPolicy(Qt::NoFocus);

    const QFont groupFont = DesignFont(FixedGothic, s(13), true, FontText::Captions);
    RadioGroup2 =
        new RadioGroup("Fixed", {"Start Point", "Comp Severe", "Comp Mild", "?"}, 1, Panel1);
    RadioGroup2->setFont(groupFont);
    SetCaptionColor(RadioGroup2, ToQColor(Navy), QPalette::Button, QPalette::ButtonText);
    RadioGroup2->setGeometry(s.Rect(128, 16, 121, 73));
    RadioGroup2->setFocusPolicy(Qt::TabFocus);
    RadioGroup2->SetItemIndex(0);

    const QFont buttonFont = DesignFont(FixedGothic, s(13), true, FontText::Captions);
    BitBtn1 = new GlyphButton("Start", LoadBitmap(":/glyph_start.bmp"), form);
    BitBtn1->setGeometry(s.Rect(488, 480, 75, 25));
    BitBtn2 = new GlyphButton("End", LoadBitmap(":/glyph_end.bmp"), form);
    BitBtn2->setGeometry(s.Rect(488, 512, 75, 24));
    BitBtn2->setDefault(true);
    for (GlyphButton* button : {BitBtn1, BitBtn2}) {
        button->setFont(buttonFont);
        SetCaptionColor(button, ToQColor(Black), QPalette::Button, QPalette::ButtonText);
        button->setFocusPolicy(Qt::StrongFocus);
    }

    QFont editFont = DesignFont(ProportionalGothic, s(13));
    // Whole-pixel digits, as on the classic desktop.
    editFont.setHintingPreference(QFont::PreferFullHinting);
    Edit1 = new NumberBox(form);
    Edit1->setGeometry(s.Rect(128, 480, 40, 21));
    Edit2 = new NumberBox(form);
    Edit2->setGeometry(s.Rect(128, 510, 40, 21));
    for (NumberBox* edit : {Edit1, Edit2}) {
        edit->setFont(editFont);
        edit->setTextMargins(0, 0, 0, 0);
        // The box paints every pixel of itself: its repaints after each step need not paint
        // the form behind it first.
        edit->setAttribute(Qt::WA_OpaquePaintEvent);
    }

    Memo1 = new QPlainTextEdit(form);
    Memo1->setGeometry(s.Rect(432, 168, 161, 265));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setTabChangesFocus(true);
    for (QWidget* box : std::initializer_list<QWidget*>{Edit1, Edit2, Memo1})
        PasteGuard::Protect(*box);

    RadioGroup1 = new RadioGroup("Trials", {"1", "10", "50", "100"}, 2, form);
    RadioGroup1->setFont(groupFont);
    SetCaptionColor(RadioGroup1, ToQColor(Navy), QPalette::Button, QPalette::ButtonText);
    RadioGroup1->setGeometry(s.Rect(248, 480, 100, 50));
    RadioGroup1->setFocusPolicy(Qt::NoFocus);
    RadioGroup1->SetItemIndex(1);
    // Both groups lie over the panel but show the button face, not the panel's colour.
    for (RadioGroup* group : {RadioGroup2, RadioGroup1}) {
        group->setBackgroundRole(QPalette::Button);
        group->setAutoFillBackground(true);
    }

    StaticText1 = new QLabel("Competition between 2 species", form);
    StaticText1->setGeometry(s.Rect(61, 2, 335, 31));
    StaticText1->setFont(DesignFont(HeavySans, s(19), false, FontText::Captions));
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QColor tipBase = StaticText1->palette().color(QPalette::ToolTipBase);
    SetColors(StaticText1,
              ReadableCaption(ToQColor(Navy), tipBase,
                              StaticText1->palette().color(QPalette::ToolTipText)),
              tipBase);

    const std::pair<QWidget*, const char*> names[] = {{Label3, "Label3"},
                                                      {Label2, "Label2"},
                                                      {MapBox, "MapBox"},
                                                      {Image1, "Image1"},
                                                      {Panel1, "Panel1"},
                                                      {RadioGroup2, "RadioGroup2"},
                                                      {BitBtn1, "BitBtn1"},
                                                      {BitBtn2, "BitBtn2"},
                                                      {Edit1, "Edit1"},
                                                      {Edit2, "Edit2"},
                                                      {Memo1, "Memo1"},
                                                      {RadioGroup1, "RadioGroup1"},
                                                      {StaticText1, "StaticText1"}};
    for (const auto& [widget, name] : names) widget->setObjectName(name);
    for (QLabel* label : {Label3, Label2, StaticText1}) label->setFocusPolicy(Qt::NoFocus);

    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
    connect(MapBox, &PlotPaintBox::Clicked, this, &TForm1::PaintB);
}

void TForm1::RememberDesign() {
    designed_.push_back({this, {}, font().pixelSize()});
    for (QWidget* control :
         {static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label2),
          static_cast<QWidget*>(Image1), static_cast<QWidget*>(Panel1),
          static_cast<QWidget*>(RadioGroup2), static_cast<QWidget*>(BitBtn1),
          static_cast<QWidget*>(BitBtn2), static_cast<QWidget*>(Edit1),
          static_cast<QWidget*>(Edit2), static_cast<QWidget*>(Memo1),
          static_cast<QWidget*>(RadioGroup1), static_cast<QWidget*>(StaticText1)})
        designed_.push_back({control, control->geometry(), control->font().pixelSize()});
}

int TForm1::Zoomed(int length) const { return static_cast<int>(std::lround(length * zoom_)); }

void TForm1::SetZoom(double factor) {
    zoom_ = ClampedZoom(factor);
    for (const Designed& d : designed_) {
        if (d.fontPixels > 0) {
            QFont font = d.widget->font();
            font.setPixelSize(Zoomed(d.fontPixels));
            d.widget->setFont(font);
        }
        if (d.widget != this)
            d.widget->setGeometry(Zoomed(d.rect.x()), Zoomed(d.rect.y()), Zoomed(d.rect.width()),
                                  Zoomed(d.rect.height()));
    }
    MapBox->move(Zoomed(scale_(24)), Zoomed(scale_(40)));
    MapBox->SetZoom(zoom_);
    Caption->SetZoom(zoom_);
    PlaceCaption();
    client_->setMinimumSize(Zoomed(scale_(ControlsExtent.width())),
                            Zoomed(scale_(ControlsExtent.height())));
    // A window at the size the program gave it takes the new size; one the user sized keeps
    // its own and scrolls.
    if (size() == fittedSize_ && windowState() == Qt::WindowNoState) {
        const QSize frame = fittedFrame_ ? QSize(fittedFrame_->left() + fittedFrame_->right(),
                                                 fittedFrame_->top() + fittedFrame_->bottom())
                                         : ClassicFrame;
        fittedSize_ = QSize(Zoomed(scale_(DesignOuterSize.width())),
                            Zoomed(scale_(DesignOuterSize.height()))) -
                      frame;
        resize(fittedSize_);
    }
    PaintB();
}

void TForm1::ShowSessionOptions() {
    plotMenu_->ShowSessionOptions();
    SetZoom(plotMenu_->Session().options.zoom);  // draws the plot and its caption again
}

void TForm1::PlaceCaption() {
    // Just under the plot, above the bottom strip's controls.
    Caption->move(MapBox->x(), MapBox->y() + MapBox->height() + Zoomed(1));
}

void TForm1::UpdateCaption() {
    const PlotSession& session = plotMenu_->Session();
    Caption->setVisible(session.options.caption);
    if (session.options.caption) Caption->SetText(PlotCaptionText(session));
}

void TForm1::DescribeForAssistiveTechnology() {
    // The window is a scroll area, which would be a mere filler: it is the program's frame.
    SetAccessibleRole(*this, QAccessible::Window);
    MapBox->setAccessibleName("Phase plane");
    SetAccessibleRole(*MapBox, QAccessible::Graphic);
    // The picture is decoration: an image with no name, which screen readers pass over.
    SetAccessibleRole(*Image1, QAccessible::Graphic);
    SetAccessibleRole(*StaticText1, QAccessible::Heading);
    StaticText1->setAccessibleName(StaticText1->text());
    // Each number box is named by the label beside it.
    Label2->setBuddy(Edit1);
    Label3->setBuddy(Edit2);
    Memo1->setAccessibleName("Log");
}

namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// This bridge tells a menu item's check but not that it can be checked, so an option that is
// off sounds like a command: its name says its state, shown only while assistive technology
// listens, each time its menu opens.
void NameTheState(QMenu& menu, QAction& option, const QString& caption) {
    QObject::connect(&menu, &QMenu::aboutToShow, &option, [&option, caption] {
        option.setText(QAccessible::isActive() ? caption + (option.isChecked() ? ", on" : ", off")
                                               : caption);
    });
}
#endif

}  // namespace

void TForm1::SpeakOptions() {
    const QList<QAction*> options = {
        plotMenu_->ShowIsoclines, plotMenu_->TallyOutcomes,
        plotMenu_->OutcomeShapes, plotMenu_->ShowOutcomeMap,
        plotMenu_->AxisNumbers,   plotMenu_->LabelIsoclines,
        plotMenu_->ShowCaption,   plotMenu_->Lesson().ShowDirectionField};
    for (QAction* option : options) {
        const QString caption = option->text();
        connect(option, &QAction::toggled, this, [this, caption](bool on) {
            announcer_->Announce(caption + (on ? ", on" : ", off"));
        });
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
        NameTheState(*plotMenu_->Menu(), *option, caption);
#endif
    }
    // The zoom and the pace are each one choice of a submenu: the choice is confirmed with
    // the submenu's name ("Zoom 2×, on").
    for (QMenu* choices : {plotMenu_->Zoom, plotMenu_->Pace}) {
        for (QAction* choice : choices->actions()) {
            const QString caption = choice->text();
            connect(choice, &QAction::triggered, this, [this, choices, caption] {
                announcer_->Announce(choices->title() + " " + caption + ", on");
            });
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
            NameTheState(*choices, *choice, caption);
#endif
        }
    }
}

QString TForm1::ScenarioCaption() const {
    return RadioGroup2->Item(RadioGroup2->ItemIndex())->text();
}

QString TForm1::PlotDescriptionText() const {
    return QString::fromStdString(plotMenu_->Description(ScenarioCaption().toStdString()));
}

void TForm1::ShowPlotDescription() {
    auto* box = new QMessageBox(QMessageBox::NoIcon, "Plot Description", PlotDescriptionText(),
                                QMessageBox::Ok, this);
    box->setObjectName("PlotDescription");
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void TForm1::SetTabOrder() {
    // Tab visits Start, End, the "Fixed" group, its selected item, the two number boxes, the
    // log and the selected item of "Trials". Unselected items are not tab stops, so the
    // chain may list every item.
    std::vector<QWidget*> chain = {BitBtn1, BitBtn2, RadioGroup2};
    for (int i = 0; i < RadioGroup2->ItemCount(); ++i) chain.push_back(RadioGroup2->Item(i));
    chain.insert(chain.end(), {Edit1, Edit2, Memo1});
    for (int i = 0; i < RadioGroup1->ItemCount(); ++i) chain.push_back(RadioGroup1->Item(i));
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) setTabOrder(chain[i], chain[i + 1]);
}

QSize TForm1::OuterSize() const { return frameGeometry().size(); }

void TForm1::FormCreate() { PaintB(); }

void TForm1::OpenWithSetup(const LinkSetup& setup) {
    RadioGroup2->SetItemIndex(setup.options.scenarioItem);
    RadioGroup1->SetItemIndex(setup.options.trialsItem);
    ApplyLinkSetup(setup, plotMenu_->Session());
    if (setup.options.seed) {
        firstRunClock_ = FixedClock::ForSeed(*setup.options.seed);
        clock_ = &*firstRunClock_;
    }
    if (const std::string line = IgnoredLine("Command line", setup.ignored); !line.empty())
        EditOutlets(*Edit1, *Edit2, *Memo1).AppendLog(line);
    ShowSessionOptions();  // draws the plot with them
}

void TForm1::PaintB() {
    if (HeldForRun(&TForm1::PaintB)) return;
    RunHandler([this] {
        if (MapBox->size() != MapBox->ZoomedSize()) MapBox->resize(MapBox->ZoomedSize());
        const QSize outer = OuterSize();
        PlotArea(*MapBox, outer.width(), outer.height());
        plotMenu_->DrawOverEmptyPlot();
        MapBox->setAccessibleDescription(PlotDescriptionText());
        UpdateCaption();
    });
}

void TForm1::BitBtn1Click() {
    if (HeldForRun(&TForm1::BitBtn1Click)) return;
    RunHandler([this] {
        const FormSettings settings(*RadioGroup1, *RadioGroup2, *plotMenu_);
        EditOutlets outlets(*Edit1, *Edit2, *Memo1);
        const QSize outer = OuterSize();
        const int pace = plotMenu_->Session().options.pace;
        bool complete = true;
        {
            running_ = true;
            const auto ended = qScopeGuard([this] { RunEnded(); });
            const PacedScreen::Run run(*this);
            if (pace == FullPace)
                RunTrials(settings, outlets, *MapBox, *clock_, outer.width(), outer.height(),
                          plotMenu_->Observer());
            else
                complete = RunTrialsAtPace(pace, settings, outlets, *MapBox, *clock_, outer.width(),
                                           outer.height(), plotMenu_->Observer());
        }
        if (firstRunClock_ && clock_ == &*firstRunClock_) clock_ = &systemClock_;
        // The boxes' last numbers are told before the run's end is.
        for (NumberBox* box : {Edit1, Edit2}) box->SetQuiet(false);
        plotMenu_->RunFinished(outlets, complete);
        UpdateCaption();  // with the run's seed
        MapBox->setAccessibleDescription(PlotDescriptionText());
        announcer_->Announce(QString::fromStdString(
            RunEndAnnouncement(ScenarioCaption().toStdString(), plotMenu_->Records(), complete)));
    });
}

void TForm1::BitBtn2Click() {
    if (HeldForRun(&TForm1::BitBtn2Click)) return;
    RunHandler([this] { close(); });
}

bool TForm1::HeldForRun(void (TForm1::*handler)()) {
    if (!running_) return false;
    heldForRun_.push_back(handler);
    return true;
}

void TForm1::RunEnded() {
    running_ = false;
    // In the order they came, after the run's handler has returned.
    for (auto handler : std::exchange(heldForRun_, {}))
        QMetaObject::invokeMethod(this, handler, Qt::QueuedConnection);
    if (std::exchange(closeAfterRun_, false))
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A run lets the display's events through between frames, a close request among them;
    // like the user's input, it waits for the run's end.
    if (running_) {
        event->ignore();
        closeAfterRun_ = true;
        return;
    }
    QScrollArea::closeEvent(event);
    // The program ends with the window, whatever other window (an error box, a dialog) is open.
    if (event->isAccepted()) emit Closed();
}

void TForm1::FitOuterSizeToFrame() {
    // Fit once the frame is known and again when it changes, as long as the window has the
    // size the program gave it: a size the user or the manager chose stands. A manager may tell
    // the frame of a maximised window before the window learns that it is maximised, so the
    // window's state alone cannot tell a maximise from a new frame.
    const QMargins frame = windowHandle()->frameMargins();
    if (frame == fittedFrame_ || windowState() != Qt::WindowNoState || size() != fittedSize_)
        return;
    fittedFrame_ = frame;
    const QSize outer(Zoomed(scale_(DesignOuterSize.width())),
                      Zoomed(scale_(DesignOuterSize.height())));
    fittedSize_ = outer - QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    resize(fittedSize_);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && IsOwnControl(watched)) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (CloseOnAltF4(key) || OpenMenuOnKey(key) || ClickOnEnter(key)) return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

bool TForm1::IsOwnControl(QObject* watched) const {
    // A menu or dialog of the program (the plot menu is a child of the plot) is a window of
    // its own: its keys are its own, Enter and Space for its items and buttons included.
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget && widget->window() == this && !QApplication::activePopupWidget() &&
           !QApplication::activeModalWidget();
}

bool TForm1::OpenMenuOnKey(const QKeyEvent& key) {
    const bool menuKey = key.key() == Qt::Key_Menu && key.modifiers() == Qt::NoModifier;
    const bool shiftF10 = key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier;
    if (!menuKey && !shiftF10) return false;
    // The number boxes and the log keep their own edit menu.
    const QWidget* focus = focusWidget();
    if (qobject_cast<const QLineEdit*>(focus) || focus == Memo1 ||
        (focus && Memo1->isAncestorOf(focus)))
        return false;
    plotMenu_->PopupOverPlot();
    return true;
}

bool TForm1::CloseOnAltF4(const QKeyEvent& key) {
    // Where no window manager takes Alt+F4 first, the window does.
    if (key.key() != Qt::Key_F4 || key.modifiers() != Qt::AltModifier) return false;
    close();
    return true;
}

bool TForm1::ClickOnEnter(const QKeyEvent& key) {
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return false;
    // The focus inside this window: it is there before, and without, any activation.
    QWidget* focus = focusWidget();
    // The log box takes Enter as a new line.
    if (focus == Memo1 || (focus && Memo1->isAncestorOf(focus))) return false;
    const auto held = key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (held) return true;  // clicks nothing
    if (focus == BitBtn1 || focus == BitBtn2)
        static_cast<QPushButton*>(focus)->click();
    else
        BitBtn2->click();  // the default button
    return true;
}

}  // namespace morvanta
