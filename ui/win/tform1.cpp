#include "ui/win/tform1.h"

#include <algorithm>
#include <cwctype>
#include <exception>
#include <new>

#include "core/driver/run_driver.h"
#include "core/driver/step_pace.h"
#include "plot/caption_strip.h"
#include "plot/phase_plot.h"
#include "plot/zoom.h"
#include "session/plot_caption.h"
#include "ui/win/paced_trials.h"
#include "ui/win/resource_ids.h"
#include "ui/win/win_fonts.h"
#include "ui/win/window_bindings.h"

namespace morvanta {
namespace {

constexpr const wchar_t* FormClass = L"TForm1";
constexpr int DesignDpi = 96;
constexpr int PictureSize = 256;
constexpr COLORREF NavyRef = RGB(0, 0, 128);
constexpr COLORREF WhiteRef = RGB(255, 255, 255);
constexpr DWORD FormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL;

// Control numbers: the dialog manager's commands and the default button name them.
enum ControlId : int {
    StartId = 101,
    EndId,
    Edit1Id,
    Edit2Id,
    Memo1Id,
    StaticText1Id,
    FixedItemsId = 200,
    TrialsItemsId = 210,
};

// The characters of the window's default font on this screen: 12 pixels at 96 dots per
// inch, more on a denser screen, as the system renders them.
int WindowFontCharacterHeight(HFONT font) {
    const TEXTMETRICW metrics = FontMetrics(font);
    const int height = metrics.tmHeight - metrics.tmInternalLeading;
    return height > 0 ? height : LayoutScale::DesignCellHeight;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : DesignDpi;
}

RECT Moved(RECT rect, POINT by) {
    OffsetRect(&rect, -by.x, -by.y);
    return rect;
}

bool Contains(const RECT& rect, POINT point) { return PtInRect(&rect, point) != FALSE; }

// Where the windowed controls lie at a scale.
struct ControlPlaces {
    RECT bitBtn1, bitBtn2, radioGroup2, edit1, edit2, memo1, radioGroup1;
};

ControlPlaces PlacesAt(const LayoutScale& s) {
    return {
        s.Rect(488, 480, 75, 25), s.Rect(488, 512, 75, 24), s.Rect(232 + 128, 464 + 16, 121, 73),
        s.Rect(128, 480, 40, 21), s.Rect(128, 510, 40, 21), s.Rect(432, 168, 161, 265),
        s.Rect(248, 480, 100, 50)};
}

void MoveTo(HWND control, const RECT& place, HFONT font) {
    MoveWindow(control, place.left, place.top, place.right - place.left, place.bottom - place.top,
               FALSE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

// The window's outer size for a client area, with the form's frame.
SIZE OuterSizeFor(SIZE client) {
    RECT outer{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&outer, FormStyle & ~DWORD{WS_HSCROLL | WS_VSCROLL}, FALSE,
                       WS_EX_CONTROLPARENT);
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace

std::wstring ApplicationTitle() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    name = name.substr(0, name.rfind(L'.'));
    for (std::size_t i = 1; i < name.size(); ++i)
        name[i] = static_cast<wchar_t>(std::towlower(name[i]));
    return name;
}

void TForm1::RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXW form{};
    form.cbSize = sizeof(form);
    form.lpfnWndProc = &TForm1::Proc;
    form.cbWndExtra = DLGWINDOWEXTRA;  // a dialog's window: DefDlgProc keeps its state there
    form.hInstance = instance;
    form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_MORVANTA));
    form.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    form.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    form.lpszClassName = FormClass;
    RegisterClassExW(&form);
    RadioGroup::RegisterFrameClass(instance);
    LessonMenu::RegisterClasses(instance);
}

TForm1::TForm1(HINSTANCE instance, const ClockSource& clock) : instance_(instance), clock_(clock) {
    CreateFonts();
    const SIZE outer = OuterSizeFor(SIZE{scale_(DesignClientSize.cx), scale_(DesignClientSize.cy)});
    window_ =
        CreateWindowExW(WS_EX_CONTROLPARENT, FormClass, L"Morvanta", FormStyle, DesignPosition.x,
                        DesignPosition.y, outer.cx, outer.cy, nullptr, nullptr, instance, this);
    fittedSize_ = OuterSize();
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_), FALSE);
    picture_ = static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(IDB_PICTURE),
                                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    surface_ = std::make_unique<GdiPlotSurface>(window_);
    caption_ = std::make_unique<GdiPlotSurface>(window_);
    caption_->SetLive(false);  // shown by the window's paint
    CreateControls();
    menu_ = std::make_unique<PlotMenu>(window_, *surface_, *RadioGroup2);
    scenarioItem_ = RadioGroup2->ItemIndex();
    SendMessageW(window_, DM_SETDEFID, EndId, 0);
    UpdateScrollBars();
    FormCreate();
}

TForm1::~TForm1() {
    if (IsWindow(window_)) DestroyWindow(window_);
    DeleteFonts();
    DeleteObject(picture_);
}

void TForm1::CreateFonts() {
    const int dpi = ScreenDpi();
    windowFont_ =
        CreateFaceFont(ProportionalGothic,
                       ZoomedLength(MulDiv(LayoutScale::DesignCellHeight, dpi, DesignDpi), zoom_));
    // The font-size rule measures the font at the window's own size.
    if (zoom_ == MinZoom) designScale_ = LayoutScale(WindowFontCharacterHeight(windowFont_));
    scale_ = designScale_.Zoomed(zoom_);
    labelFont_ = CreateFaceFont(ProportionalGothic, scale_(16), FW_BOLD);
    groupFont_ = CreateFaceFont(FixedGothic, scale_(13), FW_BOLD);
    editFont_ = CreateFaceFont(ProportionalGothic, scale_(13));
    headingFont_ = CreateFaceFont(HeavySans, scale_(19), FW_BLACK);
}

void TForm1::DeleteFonts() {
    for (HFONT* font : {&windowFont_, &labelFont_, &groupFont_, &editFont_, &headingFont_}) {
        DeleteObject(*font);
        *font = nullptr;
    }
}

void TForm1::CreateControls() {
    const ControlPlaces at = PlacesAt(scale_);
    // Created in the tab order: the dialog manager's order is the windows' order.
    BitBtn1 = std::make_unique<GlyphButton>(window_, StartId, L"Start", IDB_GLYPH_START, at.bitBtn1,
                                            groupFont_, false);
    BitBtn2 = std::make_unique<GlyphButton>(window_, EndId, L"End", IDB_GLYPH_END, at.bitBtn2,
                                            groupFont_, true);
    RadioGroup2 = std::make_unique<RadioGroup>(
        window_, L"Fixed",
        std::vector<std::wstring>{L"Start Point", L"Comp Severe", L"Comp Mild", L"?"}, 1,
        at.radioGroup2, groupFont_, true, 0, FixedItemsId);
    Edit1 = std::make_unique<NumberBox>(window_, Edit1Id, at.edit1, editFont_);
    Edit2 = std::make_unique<NumberBox>(window_, Edit2Id, at.edit2, editFont_);
    const RECT memo = at.memo1;
    // Lines wrap at the box's width: the edit decides that when it is made, before it has a
    // horizontal bar, which is added afterwards with nothing to scroll.
    Memo1 = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_GROUP |
                                WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                            memo.left, memo.top, memo.right - memo.left, memo.bottom - memo.top,
                            window_, reinterpret_cast<HMENU>(INT_PTR{Memo1Id}), instance_, nullptr);
    SendMessageW(Memo1, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_), FALSE);
    SetWindowLongPtrW(Memo1, GWL_STYLE, GetWindowLongPtrW(Memo1, GWL_STYLE) | WS_HSCROLL);
    SetWindowPos(Memo1, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
    ShowScrollBar(Memo1, SB_BOTH, TRUE);
    EnableScrollBar(Memo1, SB_HORZ, ESB_DISABLE_BOTH);
    RadioGroup1 = std::make_unique<RadioGroup>(
        window_, L"Trials", std::vector<std::wstring>{L"1", L"10", L"50", L"100"}, 2,
        at.radioGroup1, groupFont_, false, 1, TrialsItemsId);

    StaticText1 = CreateWindowExW(
        0, L"STATIC", L"Competition between 2 species",
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, window_,
        reinterpret_cast<HMENU>(INT_PTR{StaticText1Id}), instance_, nullptr);
    PlaceControls();
}

void TForm1::PlaceControls() {
    const LayoutScale& s = scale_;
    Label3 = s.Rect(72, 510, 38, 16);
    Label2 = s.Rect(72, 480, 35, 16);
    // Labels are sized to their text: a wider face widens them to the right.
    HDC dc = GetDC(window_);
    const HGDIOBJ old = SelectObject(dc, labelFont_);
    for (auto [label, text] : {std::pair{&Label3, L"Loop"}, std::pair{&Label2, L"Trial"}}) {
        SIZE extent{};
        GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &extent);
        label->right = std::max(label->right, label->left + extent.cx);
    }
    wchar_t heading[64] = {};
    const int length = GetWindowTextW(StaticText1, heading, 64);
    SelectObject(dc, headingFont_);
    SIZE headingExtent{};
    GetTextExtentPoint32W(dc, heading, length, &headingExtent);
    SelectObject(dc, old);
    ReleaseDC(window_, dc);
    MapBox = RECT{s(24), s(40), s(24) + ZoomedLength(MapWidth, zoom_),
                  s(40) + ZoomedLength(MapHeight, zoom_)};
    // Just under the plot, above the bottom strip's controls.
    const int captionTop = MapBox.bottom + ZoomedLength(1, zoom_);
    Caption = RECT{MapBox.left, captionTop, MapBox.right,
                   captionTop + ZoomedLength(CaptionStripHeight, zoom_)};
    Image1 = s.Rect(440, 48, 153, 105);
    Panel1 = s.Rect(232, 464, 361, 97);

    // The windows where the scroll bars put them.
    const ControlPlaces at = PlacesAt(s);
    MoveTo(BitBtn1->Handle(), Moved(at.bitBtn1, scroll_), groupFont_);
    MoveTo(BitBtn2->Handle(), Moved(at.bitBtn2, scroll_), groupFont_);
    RadioGroup2->Place(Moved(at.radioGroup2, scroll_), groupFont_);
    MoveTo(Edit1->Handle(), Moved(at.edit1, scroll_), editFont_);
    MoveTo(Edit2->Handle(), Moved(at.edit2, scroll_), editFont_);
    MoveTo(Memo1, Moved(at.memo1, scroll_), windowFont_);
    RadioGroup1->Place(Moved(at.radioGroup1, scroll_), groupFont_);
    const RECT headingRect = s.Rect(61, 2, 335, 31);
    MoveTo(StaticText1,
           Moved(RECT{headingRect.left, headingRect.top, headingRect.left + headingExtent.cx,
                      headingRect.top + headingExtent.cy},
                 scroll_),
           headingFont_);
}

void TForm1::SetZoom(double factor) {
    zoom_ = ClampedZoom(factor);
    const HFONT old[] = {windowFont_, labelFont_, groupFont_, editFont_, headingFont_};
    CreateFonts();
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_), FALSE);
    PlaceControls();
    for (HFONT font : old) DeleteObject(font);
    surface_->SetZoom(zoom_);
    caption_->SetZoom(zoom_);
    if (!IsZoomed(window_) && !IsIconic(window_) && OuterSize().cx == fittedSize_.cx &&
        OuterSize().cy == fittedSize_.cy) {
        const SIZE outer =
            OuterSizeFor(SIZE{scale_(DesignClientSize.cx), scale_(DesignClientSize.cy)});
        SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        fittedSize_ = OuterSize();
    }
    UpdateScrollBars();
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    PaintB();
}

void TForm1::Show(int showCommand) {
    ShowWindow(window_, showCommand);
    // The dialog manager's own move of the focus: it also makes "Start" the button that
    // Enter clicks while it has the focus.
    SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(BitBtn1->Handle()), TRUE);
    UpdateWindow(window_);
}

SIZE TForm1::OuterSize() const {
    RECT outer;
    GetWindowRect(window_, &outer);
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

void TForm1::FormCreate() { PaintB(); }

void TForm1::OpenWithSetup(const LinkSetup& setup) {
    RadioGroup2->Select(setup.options.scenarioItem);
    scenarioItem_ = RadioGroup2->ItemIndex();
    RadioGroup1->Select(setup.options.trialsItem);
    menu_->ApplySetup(setup);
    if (setup.options.seed) firstRunClock_ = FixedClock::ForSeed(*setup.options.seed);
    if (const std::string line = IgnoredLine("Command line", setup.ignored); !line.empty())
        BoxOutlets(*Edit1, *Edit2, Memo1).AppendLog(line);
    if (menu_->Session().options.zoom != zoom_)
        SetZoom(menu_->Session().options.zoom);  // draws the plot with the rest
    else
        PaintB();
}

void TForm1::PaintB() {
    RunHandler([this] {
        const SIZE outer = OuterSize();
        surface_->SetOrigin(POINT{MapBox.left - scroll_.x, MapBox.top - scroll_.y});
        PlotArea(*surface_, outer.cx, outer.cy);
        menu_->DrawOverEmptyPlot();
        UpdateCaption();
    });
}

void TForm1::ShowChange(PlotChange change) {
    if (menu_->Session().RedrawsOn(change))
        PaintB();
    else
        UpdateCaption();
}

void TForm1::UpdateCaption() {
    const PlotSession& session = menu_->Session();
    if (session.options.caption) DrawCaptionStrip(*caption_, PlotCaptionText(session));
    const RECT shown = Moved(Caption, scroll_);
    InvalidateRect(window_, &shown, TRUE);  // the strip, or the form's face where it was
}

void TForm1::BitBtn1Click() {
    if (running_) return;  // a click sent to the button while a paced run waits
    RunHandler([this] {
        const SessionSettings settings([this] { return RadioGroup1->ItemIndex(); },
                                       [this] { return RadioGroup2->ItemIndex(); },
                                       menu_->Session());
        BoxOutlets outlets(*Edit1, *Edit2, Memo1);
        const SIZE outer = OuterSize();
        surface_->SetOrigin(POINT{MapBox.left - scroll_.x, MapBox.top - scroll_.y});
        const int pace = menu_->Session().options.pace;
        bool complete = true;
        {
            HeldDisplays held(*Edit1, *Edit2, *surface_, window_);
            running_ = true;
            const struct Ended {
                bool& running;
                ~Ended() { running = false; }
            } ended{running_};
            const ClockSource& clock = firstRunClock_ ? *firstRunClock_ : clock_;
            if (pace == FullPace)
                RunTrials(settings, outlets, *surface_, clock, outer.cx, outer.cy,
                          menu_->Observer());
            else
                complete = RunTrialsAtPace(pace, settings, outlets, *surface_, clock, outer.cx,
                                           outer.cy, menu_->Observer(), held, heldKeys_);
        }
        firstRunClock_.reset();
        menu_->RunFinished(outlets, complete);
        UpdateCaption();  // with the run's seed
    });
}

std::string TForm1::ControlName(HWND control) const {
    if (!control) return {};
    if (control == BitBtn1->Handle()) return "BitBtn1";
    if (control == BitBtn2->Handle()) return "BitBtn2";
    if (control == Edit1->Handle()) return "Edit1";
    if (control == Edit2->Handle()) return "Edit2";
    if (control == Memo1) return "Memo1";
    for (const auto& [group, name] : {std::pair{RadioGroup1.get(), "RadioGroup1"},
                                      std::pair{RadioGroup2.get(), "RadioGroup2"}}) {
        if (control == group->Frame()) return name;
        for (int i = 0; i < group->ItemCount(); ++i)
            if (control == group->Item(i)) return std::string(name) + '.' + std::to_string(i);
    }
    return {};
}

void TForm1::BitBtn2Click() { SendMessageW(window_, WM_CLOSE, 0, 0); }

template <class Handler>
void TForm1::RunHandler(Handler handler) {
    try {
        handler();
    } catch (const std::bad_alloc&) {
        ShowError("Out of memory");
    } catch (const std::exception& error) {
        ShowError(error.what());
    }
}

void TForm1::ShowError(const std::string& text) const {
    std::wstring message(text.begin(), text.end());
    if (!message.empty() && message.back() > L'.') message += L'.';
    MessageBoxW(window_, message.c_str(), ApplicationTitle().c_str(), MB_ICONERROR | MB_OK);
}

LRESULT CALLBACK TForm1::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TForm1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->window_) return DefDlgProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT TForm1::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_CTLCOLORSTATIC: {
            const auto control = reinterpret_cast<HWND>(lParam);
            const auto dc = reinterpret_cast<HDC>(wParam);
            if (control == StaticText1) {
                SetTextColor(dc, NavyRef);
                SetBkColor(dc, GetSysColor(COLOR_INFOBK));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_INFOBK));
            }
            if (RadioGroup1->Owns(control) || RadioGroup2->Owns(control)) {
                SetTextColor(dc, NavyRef);
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        }
        case WM_LBUTTONDOWN: {
            const POINT at{short(LOWORD(lParam)) + scroll_.x, short(HIWORD(lParam)) + scroll_.y};
            if (Contains(MapBox, at)) {
                mapPressed_ = true;
                SetCapture(window_);
            }
            return 0;
        }
        case WM_LBUTTONUP: {
            const POINT at{short(LOWORD(lParam)) + scroll_.x, short(HIWORD(lParam)) + scroll_.y};
            const bool click = mapPressed_ && Contains(MapBox, at);
            mapPressed_ = false;
            if (GetCapture() == window_) ReleaseCapture();
            if (click) PaintB();
            return 0;
        }
        case WM_CONTEXTMENU:
            OnContextMenu(lParam);
            return 0;
        case WM_CAPTURECHANGED:
            mapPressed_ = false;
            return 0;
        case WM_SIZE:
            UpdateScrollBars();
            break;
        case WM_HSCROLL:
            Scroll(SB_HORZ, LOWORD(wParam));
            return 0;
        case WM_VSCROLL:
            Scroll(SB_VERT, LOWORD(wParam));
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_CLOSE:
            // End, the close box, the system menu and Alt+F4 all end here.
            DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            heldKeys_.Clear();
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefDlgProcW(window_, message, wParam, lParam);
}

void TForm1::OnCommand(int id, int code, HWND control) {
    if (id == StartId && code == BN_CLICKED) BitBtn1Click();
    if (id == EndId && code == BN_CLICKED) BitBtn2Click();
    if (code == BN_CLICKED && RadioGroup1->Owns(control)) RadioGroup1->SelectionChanged();
    if (code == BN_CLICKED && RadioGroup2->Owns(control)) {
        RadioGroup2->SelectionChanged();
        if (RadioGroup2->ItemIndex() != scenarioItem_) {
            scenarioItem_ = RadioGroup2->ItemIndex();
            RunHandler([this] { ShowChange(PlotChange::Scenario); });
        }
    }
    // IDCANCEL, the dialog manager's Escape, does nothing: the window has no Cancel button.
}

void TForm1::OnContextMenu(LPARAM where) {
    POINT at{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    if (where == -1) {  // the Menu key or Shift+F10: over the plot, near its corner
        at = POINT{MapBox.left - scroll_.x + (MapBox.right - MapBox.left) / 8,
                   MapBox.top - scroll_.y + (MapBox.bottom - MapBox.top) / 8};
        ClientToScreen(window_, &at);
    } else {
        POINT client = at;
        ScreenToClient(window_, &client);
        if (!Contains(MapBox, POINT{client.x + scroll_.x, client.y + scroll_.y})) return;
    }
    RunHandler([this, at] {
        const PlotMenu::Answer answer = menu_->Popup(at);
        if (menu_->Session().options.zoom != zoom_)
            SetZoom(menu_->Session().options.zoom);  // draws everything again
        else if (answer.clearPlot)
            PaintB();
        else if (answer.change)
            ShowChange(*answer.change);
        else
            UpdateCaption();
    });
}

void TForm1::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    const POINT by = scroll_;

    RECT panel = Moved(Panel1, by);
    FillRect(dc, &panel, GetSysColorBrush(COLOR_SCROLLBAR));
    DrawEdge(dc, &panel, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);  // raised outer bevel
    DrawEdge(dc, &panel, BDR_RAISEDINNER, BF_RECT);              // raised inner bevel

    const HGDIOBJ oldFont = SelectObject(dc, labelFont_);
    SetTextColor(dc, WhiteRef);
    SetBkColor(dc, NavyRef);
    for (auto [label, text] : {std::pair{Label3, L"Loop"}, std::pair{Label2, L"Trial"}}) {
        RECT box = Moved(label, by);
        ExtTextOutW(dc, box.left, box.top, ETO_OPAQUE, &box, nullptr, 0, nullptr);
        DrawTextW(dc, text, -1, &box, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, oldFont);

    // The picture centred without scaling: the offsets truncated towards zero.
    const RECT image = Moved(Image1, by);
    const int width = image.right - image.left;
    const int height = image.bottom - image.top;
    const int offsetX = (width - PictureSize) / 2;
    const int offsetY = (height - PictureSize) / 2;
    HDC pictureDc = CreateCompatibleDC(dc);
    const HGDIOBJ oldPicture = SelectObject(pictureDc, picture_);
    BitBlt(dc, image.left + std::max(offsetX, 0), image.top + std::max(offsetY, 0),
           std::min(width, PictureSize), std::min(height, PictureSize), pictureDc,
           std::max(-offsetX, 0), std::max(-offsetY, 0), SRCCOPY);
    SelectObject(pictureDc, oldPicture);
    DeleteDC(pictureDc);

    RECT map = Moved(MapBox, by);
    RECT meets;
    if (IntersectRect(&meets, &map, &paint.rcPaint)) {
        surface_->SetOrigin(POINT{map.left, map.top});
        if (!running_) {
            // Only the region that needs it shows the empty plot again; a paced run's paint
            // shows the run's plot as it is.
            surface_->SetLive(false);
            const SIZE outer = OuterSize();
            PlotArea(*surface_, outer.cx, outer.cy);
            menu_->DrawOverEmptyPlot();
            surface_->SetLive(true);
        }
        surface_->Show(dc, PixelRect{0, 0, MapWidth, MapHeight});
    }
    const RECT caption = Moved(Caption, by);
    if (menu_->Session().options.caption && IntersectRect(&meets, &caption, &paint.rcPaint)) {
        caption_->SetOrigin(POINT{caption.left, caption.top});
        caption_->Show(dc, PixelRect{0, 0, MapWidth, CaptionStripHeight});
    }
    EndPaint(window_, &paint);
}

void TForm1::UpdateScrollBars() {
    RECT client;
    GetClientRect(window_, &client);
    const int extents[] = {scale_(ControlsExtent.cx), scale_(ControlsExtent.cy)};
    const int pages[] = {client.right, client.bottom};
    for (int bar : {SB_HORZ, SB_VERT}) {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_RANGE | SIF_PAGE;
        info.nMax = extents[bar] - 1;
        info.nPage = static_cast<UINT>(std::max(pages[bar], 0));
        SetScrollInfo(window_, bar, &info, TRUE);
        Scroll(bar, SB_ENDSCROLL);  // keeps the position within the new range
    }
}

void TForm1::Scroll(int bar, int code) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(window_, bar, &info);
    const int line = scale_(LayoutScale::DesignCellHeight);
    int position = info.nPos;
    switch (code) {
        case SB_LINEUP:
            position -= line;
            break;
        case SB_LINEDOWN:
            position += line;
            break;
        case SB_PAGEUP:
            position -= static_cast<int>(info.nPage);
            break;
        case SB_PAGEDOWN:
            position += static_cast<int>(info.nPage);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            position = info.nTrackPos;
            break;
        case SB_TOP:
            position = info.nMin;
            break;
        case SB_BOTTOM:
            position = info.nMax;
            break;
        default:
            break;
    }
    const int last = std::max(0, info.nMax - static_cast<int>(info.nPage) + 1);
    position = std::clamp(position, 0, last);
    LONG& current = bar == SB_HORZ ? scroll_.x : scroll_.y;
    if (position == current) return;
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(window_, bar, &info, TRUE);
    const int delta = current - position;
    current = position;
    ScrollWindowEx(window_, bar == SB_HORZ ? delta : 0, bar == SB_VERT ? delta : 0, nullptr,
                   nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
}

}  // namespace morvanta
