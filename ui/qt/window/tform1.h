#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <optional>
#include <vector>

#include "core/system_clock.h"
#include "core/uniform_random.h"
#include "session/link_setup.h"
#include "ui/qt/widgets/announcer.h"
#include "ui/qt/widgets/caption_box.h"
#include "ui/qt/widgets/glyph_button.h"
#include "ui/qt/widgets/plain_widgets.h"
#include "ui/qt/widgets/plot_paint_box.h"
#include "ui/qt/widgets/radio_group.h"
#include "ui/qt/window/layout_scale.h"
#include "ui/qt/window/plot_menu.h"
#include "ui/qt/window/window_bindings.h"

namespace morvanta {

// The program's one window. The controls lie at fixed places in the client area, which
// scrolls when the window is smaller than they need; growing the window moves nothing.
class TForm1 : public QScrollArea {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The designed outer size and place of the window.
    static constexpr QSize DesignOuterSize{623, 610};
    static constexpr QPoint DesignPosition{227, 60};
    // The classic frame around the client area: 4 pixels each side, a 19-pixel caption bar.
    static constexpr QSize ClassicFrame{8, 27};
    // How far the controls reach in the client area.
    static constexpr QSize ControlsExtent{593, 561};

    // The area the controls are placed in.
    QWidget* ClientArea() const { return client_; }
    // The clock runs are seeded from: the system clock unless a test gives another, which
    // must outlive the runs or the next SetClock.
    void SetClock(const ClockSource& clock) { clock_ = &clock; }
    const LayoutScale& Scale() const { return scale_; }
    // Sets the window up as its command line asked: the groups' items, the plot menu's
    // options, own coefficients or start, and the first run's seed; logs what it left out.
    void OpenWithSetup(const LinkSetup& setup);
    // Draws the window and its plot at the factor (1 to 3), as a larger default font would:
    // every position, size and font grows by it.
    void SetZoom(double factor);
    double Zoom() const { return zoom_; }
    // Shows what the session's options say, after they were set from outside the window
    // (its command line): the menu's checks, the zoom, the plot and its caption.
    void ShowSessionOptions();
    // The strip under the plot that says what it shows (hidden unless asked for).
    CaptionBox* Caption = nullptr;
    // The plot's right-button menu.
    PlotMenu& Menu() const { return *plotMenu_; }
    // What the plot shows now, in words.
    QString PlotDescriptionText() const;
    // The plot menu's item that shows the description in a dialog.
    QAction* DescribePlot = nullptr;

    // The controls, named as in the window's design.
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    PlotPaintBox* MapBox = nullptr;
    PictureBox* Image1 = nullptr;
    BevelPanel* Panel1 = nullptr;
    RadioGroup* RadioGroup2 = nullptr;
    GlyphButton* BitBtn1 = nullptr;
    GlyphButton* BitBtn2 = nullptr;
    NumberBox* Edit1 = nullptr;
    NumberBox* Edit2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    RadioGroup* RadioGroup1 = nullptr;
    QLabel* StaticText1 = nullptr;

signals:
    // The window has closed: the program ends, whatever dialog or box is still open.
    void Closed();

public slots:
    void FormCreate();
    void PaintB();
    void BitBtn1Click();
    void BitBtn2Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void SetTabOrder();
    // Names, roles and labels for screen readers; the plot's description follows its content.
    void DescribeForAssistiveTechnology();
    // The plot menu's options say when they are switched and, where the toolkit's bridge does
    // not tell that they can be checked, carry their state in their names.
    void SpeakOptions();
    void ShowPlotDescription();
    QString ScenarioCaption() const;
    // Whether a key sent to the object is one of the window's own controls' keys.
    bool IsOwnControl(QObject* watched) const;
    // The window's own keys; each returns whether it took the key.
    bool ClickOnEnter(const QKeyEvent& key);
    bool CloseOnAltF4(const QKeyEvent& key);
    // The Menu key and Shift+F10 open the plot's menu where no text box has its own.
    bool OpenMenuOnKey(const QKeyEvent& key);
    QSize OuterSize() const;
    void FitOuterSizeToFrame();
    // During a run, keeps the handler for the run's end and says so.
    bool HeldForRun(void (TForm1::*handler)());
    void RunEnded();
    // The caption shown or hidden as its option says, with the session's words.
    void UpdateCaption();
    void PlaceCaption();

    // A control's place and font at zoom 1, which every zoom multiplies.
    struct Designed {
        QWidget* widget;
        QRect rect;
        int fontPixels;
    };
    void RememberDesign();
    int Zoomed(int length) const;

    LayoutScale scale_;
    double zoom_ = 1.0;
    std::vector<Designed> designed_;
    QWidget* client_;
    PlotMenu* plotMenu_ = nullptr;
    Announcer* announcer_ = nullptr;
    SystemClock systemClock_;
    const ClockSource* clock_ = &systemClock_;
    std::optional<FixedClock> firstRunClock_;  // the command line's seed, for one run
    bool running_ = false;
    // What came during the run and waits for its end.
    std::vector<void (TForm1::*)()> heldForRun_;
    bool closeAfterRun_ = false;
    // The window manager's frame the outer size was last made to fit.
    std::optional<QMargins> fittedFrame_;
    QSize fittedSize_;  // the client size the program last gave the window
};

}  // namespace morvanta
