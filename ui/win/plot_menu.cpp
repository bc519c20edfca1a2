#include "ui/win/plot_menu.h"

#include <commdlg.h>

#include <cstring>
#include <optional>
#include <stdexcept>
#include <utility>

#include "core/driver/step_pace.h"
#include "session/link_setup.h"
#include "session/png_file.h"
#include "session/png_texts.h"
#include "ui/win/output_file.h"
#include "ui/win/wide_text.h"

namespace morvanta {
namespace {

// A submenu of which one item is chosen: its items' words and values, in the order it lists
// them, numbered from its first item's number.
template <class Value, std::size_t Count>
struct Choices {
    std::pair<const wchar_t*, Value> items[Count];
    int firstId;

    HMENU NewMenu() const {
        HMENU menu = CreatePopupMenu();
        for (std::size_t i = 0; i < Count; ++i)
            AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(firstId) + i, items[i].first);
        return menu;
    }
    // The value of a menu item of this submenu, or none.
    std::optional<Value> ValueOf(int item) const {
        if (item < firstId || item >= firstId + static_cast<int>(Count)) return std::nullopt;
        return items[item - firstId].second;
    }
    void Show(HMENU menu, Value chosen) const {
        for (std::size_t i = 0; i < Count; ++i)
            if (items[i].second == chosen)
                CheckMenuRadioItem(menu, static_cast<UINT>(firstId),
                                   static_cast<UINT>(firstId + static_cast<int>(Count) - 1),
                                   static_cast<UINT>(firstId) + static_cast<UINT>(i), MF_BYCOMMAND);
    }
};

constexpr Choices<double, 4> ZoomChoices{
    {{L"&1\x00D7", 1.0}, {L"1.&5\x00D7", 1.5}, {L"&2\x00D7", 2.0}, {L"&3\x00D7", 3.0}}, 330};
constexpr Choices<int, 3> PaceChoices{{{L"&Full", FullPace},
                                       {L"&2,000 Steps a Second", FastPace},
                                       {L"2&00 Steps a Second", SlowPace}},
                                      341};

}  // namespace

PlotMenu::PlotMenu(HWND owner, GdiPlotSurface& plot, const RadioGroup& scenario)
    : owner_(owner),
      plot_(plot),
      scenario_(scenario),
      menu_(NewMenu()),
      zoom_(ZoomChoices.NewMenu()),
      pace_(PaceChoices.NewMenu()),
      session_(plot, [&scenario] { return scenario.ItemIndex(); }),
      lesson_(menu_, owner, session_) {
    AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu_, MF_STRING, AxisNumbersId, L"A&xis Numbers");
    AppendMenuW(menu_, MF_STRING, LabelIsoclinesId, L"Label Isocli&nes");
    AppendMenuW(menu_, MF_STRING, DescribePlotId, L"D&escribe Plot");
    AppendMenuW(menu_, MF_STRING, ShowCaptionId, L"Sho&w Caption");
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(zoom_), L"&Zoom");
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(pace_), L"P&ace");
    ShowOptions();
}

HMENU PlotMenu::NewMenu() {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, CopyPlotId, L"&Copy Plot");
    AppendMenuW(menu, MF_STRING, SavePlotId, L"Save &Plot As\x2026");
    AppendMenuW(menu, MF_STRING | MF_GRAYED, SaveTrialsId, L"Save &Trials As\x2026");
    AppendMenuW(menu, MF_STRING, ClearPlotId, L"C&lear Plot");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, ShowIsoclinesId, L"Show &Isoclines");
    AppendMenuW(menu, MF_STRING, TallyOutcomesId, L"Tall&y Outcomes");
    AppendMenuW(menu, MF_STRING, OutcomeShapesId, L"Outcome &Shapes");
    AppendMenuW(menu, MF_STRING, ShowOutcomeMapId, L"Show Outcome &Map");
    AppendMenuW(menu, MF_STRING, ResetSharesId, L"&Reset Shares");
    return menu;  // the lesson's items follow
}

PlotMenu::~PlotMenu() { DestroyMenu(menu_); }  // its submenus with it

PlotMenu::Answer PlotMenu::Popup(POINT screen) {
    const int chosen = Track(screen);
    if (chosen == ClearPlotId) return {true, std::nullopt};
    return {false, Do(chosen)};
}

int PlotMenu::Track(POINT screen) {
    return static_cast<int>(TrackPopupMenu(menu_, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN,
                                           screen.x, screen.y, 0, owner_, nullptr));
}

bool* PlotMenu::Option(int item) {
    constexpr std::pair<int, bool PlotOptions::*> items[] = {
        {ShowIsoclinesId, &PlotOptions::isoclines},
        {TallyOutcomesId, &PlotOptions::tallyOutcomes},
        {OutcomeShapesId, &PlotOptions::outcomeShapes},
        {ShowOutcomeMapId, &PlotOptions::outcomeMap},
        {AxisNumbersId, &PlotOptions::axisTicks},
        {LabelIsoclinesId, &PlotOptions::labelledIsoclines},
        {ShowCaptionId, &PlotOptions::caption}};
    for (const auto& [id, option] : items)
        if (id == item) return &(session_.options.*option);
    return nullptr;
}

std::optional<PlotChange> PlotMenu::Do(int item) {
    if (bool* option = Option(item)) {
        *option = !*option;
        ShowOptions();
        if (item == TallyOutcomesId || item == OutcomeShapesId || item == ShowCaptionId)
            return std::nullopt;  // for runs and the caption, not the empty plot
        return PlotChange::EmptyPlotOption;
    }
    if (const auto zoom = ZoomChoices.ValueOf(item)) {
        session_.options.zoom = *zoom;
        ShowOptions();
        return std::nullopt;
    }
    if (const auto pace = PaceChoices.ValueOf(item)) {
        session_.options.pace = *pace;
        ShowOptions();
        return std::nullopt;
    }
    switch (item) {
        case ResetSharesId:
            session_.ResetShares();
            break;
        case DescribePlotId:
            DescribePlot();
            break;
        case CopyPlotId:
            CopyPlot();
            break;
        case SavePlotId:
            SavePlot();
            break;
        case SaveTrialsId:
            SaveTrials();
            break;
        case LessonMenu::CoefficientsId:
            if (lesson_.ChooseCoefficients()) return PlotChange::Coefficients;
            break;
        case LessonMenu::ShowDirectionFieldId:
            lesson_.Do(item);
            return PlotChange::EmptyPlotOption;
        default:
            lesson_.Do(item);  // nothing when the menu closed with nothing chosen
            break;
    }
    return std::nullopt;
}

void PlotMenu::ApplySetup(const LinkSetup& setup) {
    ApplyLinkSetup(setup, session_);
    ShowOptions();
}

void PlotMenu::ShowOptions() {
    const auto check = [this](int item, bool on) {
        CheckMenuItem(menu_, static_cast<UINT>(item),
                      static_cast<UINT>(MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED)));
    };
    for (const int item : {ShowIsoclinesId, TallyOutcomesId, OutcomeShapesId, ShowOutcomeMapId,
                           AxisNumbersId, LabelIsoclinesId, ShowCaptionId})
        check(item, *Option(item));
    check(LessonMenu::ShowDirectionFieldId, session_.options.directionField);
    ZoomChoices.Show(zoom_, session_.options.zoom);
    PaceChoices.Show(pace_, session_.options.pace);
}

void PlotMenu::RunFinished(RunOutlets& outlets, bool complete) {
    session_.RunFinished(outlets, complete);
    EnableMenuItem(menu_, SaveTrialsId, MF_BYCOMMAND | MF_ENABLED);
    lesson_.RunFinished();
}

void PlotMenu::DescribePlot() {
    wchar_t caption[64] = {};
    const int item = scenario_.ItemIndex();
    if (item >= 0 && item < scenario_.ItemCount())
        GetWindowTextW(scenario_.Item(item), caption, 64);
    const std::wstring text = ToUtf16(session_.Description(ToUtf8(caption)));
    MessageBoxW(owner_, text.c_str(), L"Describe Plot", MB_OK | MB_ICONINFORMATION);
}

void PlotMenu::CopyPlot() const {
    const std::vector<std::uint8_t> png = PlotPng();
    // A bottom-up 32-bit DIB, the form every program reads from the clipboard.
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = MapWidth;
    header.biHeight = MapHeight;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    const std::size_t row = std::size_t{MapWidth} * 4;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(header) + row * MapHeight);
    if (!memory) throw std::runtime_error("Not enough memory to copy the plot");
    auto* bytes = static_cast<unsigned char*>(GlobalLock(memory));
    std::memcpy(bytes, &header, sizeof(header));
    for (int y = 0; y < MapHeight; ++y)
        std::memcpy(bytes + sizeof(header) + row * std::size_t(MapHeight - 1 - y),
                    plot_.Bits() + std::size_t(y) * MapWidth, row);
    GlobalUnlock(memory);
    if (!OpenClipboard(owner_)) {
        GlobalFree(memory);
        throw std::runtime_error("The clipboard is in use by another program");
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_DIB, memory)) GlobalFree(memory);
    // Beside the bitmap, the PNG that Save Plot As writes, for programs that read PNG.
    if (HGLOBAL file = GlobalAlloc(GMEM_MOVEABLE, png.size())) {
        std::memcpy(GlobalLock(file), png.data(), png.size());
        GlobalUnlock(file);
        if (!SetClipboardData(RegisterClipboardFormatW(L"PNG"), file)) GlobalFree(file);
    }
    CloseClipboard();
}

std::vector<std::uint8_t> PlotMenu::PlotPng() const {
    return PngBytes({plot_.Bits(), MapWidth, MapHeight},
                    PlotPngTexts(session_, session_.SelectedScenario()));
}

std::wstring PlotMenu::ChooseFile(const wchar_t* title, const wchar_t* filter,
                                  const wchar_t* extension) const {
    wchar_t path[MAX_PATH] = {};
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = extension;  // added when the user types no extension
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    return GetSaveFileNameW(&dialog) ? std::wstring(path) : std::wstring();
}

void PlotMenu::SavePlot() const {
    const std::wstring path = ChooseFile(L"Save Plot As", L"PNG images (*.png)\0*.png\0", L"png");
    if (path.empty()) return;
    const std::vector<std::uint8_t> png = PlotPng();
    if (const std::string error =
            WriteOutputFile(ToUtf8(path), std::string(png.begin(), png.end()));
        !error.empty())
        throw std::runtime_error(error);
}

void PlotMenu::SaveTrials() {
    const std::wstring path = ChooseFile(L"Save Trials As", L"CSV tables (*.csv)\0*.csv\0", L"csv");
    if (path.empty()) return;
    if (const std::string error = WriteOutputFile(ToUtf8(path), session_.TrialsCsv());
        !error.empty())
        throw std::runtime_error(error);
}

}  // namespace morvanta
