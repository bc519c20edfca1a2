#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "core/clock_source.h"
#include "core/system_clock.h"
#include "session/link_setup.h"
#include "ui/win/gdi_plot_surface.h"
#include "ui/win/glyph_button.h"
#include "ui/win/layout_scale.h"
#include "ui/win/number_box.h"
#include "ui/win/paced_trials.h"
#include "ui/win/plot_menu.h"
#include "ui/win/radio_group.h"

namespace morvanta {

// The program's one window: a window of the dialog class, so that the dialog manager gives
// it Tab, the arrow keys, Enter, Space and the default button. The controls lie at fixed
// places; a window smaller than they need scrolls.
class TForm1 {
public:
    // Creates the window, hidden, with runs seeded from the clock (which must outlive it).
    TForm1(HINSTANCE instance, const ClockSource& clock);
    ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    static void RegisterClasses(HINSTANCE instance);
    HWND Handle() const { return window_; }
    // Shows the window as the program was asked to (normal, minimised, maximised).
    void Show(int showCommand);

    // The designed outer place and size of the window, and the frame it was designed with.
    static constexpr POINT DesignPosition{227, 60};
    static constexpr SIZE DesignClientSize{615, 583};  // 623 x 610 outside a classic frame
    static constexpr SIZE ControlsExtent{593, 561};

    // The controls, named as in the window's design. Labels, paint box, picture and panel
    // are drawn on the window itself: they are places, not windows; so is the caption strip
    // under the plot, shown while its option is on.
    RECT Label3{}, Label2{}, MapBox{}, Image1{}, Panel1{}, Caption{};
    std::unique_ptr<RadioGroup> RadioGroup2;
    std::unique_ptr<GlyphButton> BitBtn1;
    std::unique_ptr<GlyphButton> BitBtn2;
    std::unique_ptr<NumberBox> Edit1;
    std::unique_ptr<NumberBox> Edit2;
    HWND Memo1 = nullptr;
    std::unique_ptr<RadioGroup> RadioGroup1;
    HWND StaticText1 = nullptr;

    void FormCreate();
    // Sets the window up as its command line asked: the groups' items, the plot menu's
    // options, own coefficients or start, and the first run's seed; logs what it left out.
    void OpenWithSetup(const LinkSetup& setup);
    void PaintB();
    // The window's layout, fonts and plot drawn at the factor (1 to 3); a window at the size
    // the program gave it takes the new size, one the user sized keeps its own and scrolls.
    void SetZoom(double factor);
    double Zoom() const { return zoom_; }
    void BitBtn1Click();
    void BitBtn2Click();

    GdiPlotSurface& Surface() { return *surface_; }
    // The next key pressed during a paced run, to be handled now that it is over.
    bool NextHeldKey(MSG& message) { return heldKeys_.Next(message); }
    // The design's name of a control ("BitBtn1", "RadioGroup2.0" for an item); empty for
    // windows that are not the form's controls.
    std::string ControlName(HWND control) const;
    SIZE OuterSize() const;
    // Shows an error's text in the application's error box.
    void ShowError(const std::string& text) const;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateFonts();
    void DeleteFonts();
    void CreateControls();
    // Puts every control at its place and font for the zoom.
    void PlaceControls();
    // Between runs: the empty plot again if the change alters it; the caption anew.
    void ShowChange(PlotChange change);
    // The caption strip shown or hidden as its option says, with the session's words.
    void UpdateCaption();
    void OnPaint();
    void OnCommand(int id, int code, HWND control);
    // The plot menu at a screen point; from the keyboard (no point) near the plot's corner.
    void OnContextMenu(LPARAM where);
    void UpdateScrollBars();
    void Scroll(int bar, int code);
    // Runs a handler; an error it raises ends it and shows in the error box.
    template <class Handler>
    void RunHandler(Handler handler);
    POINT ScrollOffset() const { return scroll_; }

    HINSTANCE instance_;
    HWND window_ = nullptr;
    const ClockSource& clock_;
    std::optional<FixedClock> firstRunClock_;  // the command line's seed, for one run
    LayoutScale designScale_{LayoutScale::DesignCellHeight};  // the font-size rule's
    LayoutScale scale_{LayoutScale::DesignCellHeight};        // with the zoom
    double zoom_ = 1.0;
    SIZE fittedSize_{};  // the outer size the program gave the window last
    HFONT windowFont_ = nullptr, labelFont_ = nullptr, groupFont_ = nullptr, editFont_ = nullptr,
          headingFont_ = nullptr;
    HBITMAP picture_ = nullptr;
    std::unique_ptr<GdiPlotSurface> surface_;
    std::unique_ptr<GdiPlotSurface> caption_;  // its top rows are the strip
    int scenarioItem_ = 0;                     // the "Fixed" item the plot was drawn for
    std::unique_ptr<PlotMenu> menu_;
    bool mapPressed_ = false;
    bool running_ = false;
    HeldKeys heldKeys_;
    POINT scroll_{};  // how far the contents are scrolled
};

// The application's title: the executable's name without folder and extension, every letter
// after the first in lower case.
std::wstring ApplicationTitle();

}  // namespace morvanta
