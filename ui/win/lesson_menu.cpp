#include "ui/win/lesson_menu.h"

#include <cmath>
#include <cwchar>
#include <string>

#include "core/competition_system.h"
#include "core/driver/time_course.h"
#include "ui/win/resource_ids.h"

namespace morvanta {
namespace {

constexpr const wchar_t* TimeCourseClass = L"MorvantaTimeCourse";
constexpr int UsePresets = IDC_USE_PRESETS;

// What the dialog shows and gives back.
struct DialogState {
    OffDiagonal shown;
    std::optional<OffDiagonal> chosen;
};

// A coefficient as typed: the whole text a number in the allowed range, or none.
std::optional<double> ReadCoefficient(HWND dialog, int box) {
    wchar_t text[64] = {};
    GetDlgItemTextW(dialog, box, text, 64);
    wchar_t* end = nullptr;
    const double value = std::wcstod(text, &end);
    while (end && *end == L' ') ++end;
    if (end == text || !end || *end != L'\0' || !std::isfinite(value) ||
        value < MinOwnCoefficient || value > MaxOwnCoefficient)
        return std::nullopt;
    return value;
}

void ShowCoefficient(HWND dialog, int box, double value) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%.2f", value);
    SetDlgItemTextW(dialog, box, text);
}

}  // namespace

LessonMenu::LessonMenu(HMENU menu, HWND owner, PlotSession& session)
    : menu_(menu), owner_(owner), session_(session) {
    AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu_, MF_STRING, CoefficientsId, L"C&oefficients\x2026");
    AppendMenuW(menu_, MF_STRING | MF_GRAYED, ShowTimeCourseId, L"Show Time Co&urse");
    AppendMenuW(menu_, MF_STRING, ShowDirectionFieldId, L"Show &Direction Field");
}

LessonMenu::~LessonMenu() {
    if (timeCourse_) DestroyWindow(timeCourse_);
}

void LessonMenu::RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXW window{};
    window.cbSize = sizeof(window);
    window.lpfnWndProc = &LessonMenu::TimeCourseProc;
    window.hInstance = instance;
    window.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_MORVANTA));
    window.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    window.lpszClassName = TimeCourseClass;
    RegisterClassExW(&window);
}

bool LessonMenu::Do(int item) {
    switch (item) {
        case CoefficientsId:
            ChooseCoefficients();
            return true;
        case ShowTimeCourseId:
            OpenTimeCourse();
            return true;
        case ShowDirectionFieldId: {
            bool& shown = session_.options.directionField;
            shown = !shown;
            CheckMenuItem(menu_, ShowDirectionFieldId,
                          static_cast<UINT>(MF_BYCOMMAND | (shown ? MF_CHECKED : MF_UNCHECKED)));
            return true;
        }
        default:
            return false;
    }
}

void LessonMenu::RunFinished() {
    EnableMenuItem(menu_, ShowTimeCourseId, MF_BYCOMMAND | MF_ENABLED);
    if (timeCourse_ && IsWindowVisible(timeCourse_)) OpenTimeCourse();
}

bool LessonMenu::ChooseCoefficients() {
    DialogState state{session_.ShownCoefficients(), std::nullopt};
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner_, GWLP_HINSTANCE));
    const INT_PTR answer =
        DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_COEFFICIENTS), owner_,
                        &LessonMenu::DialogProc, reinterpret_cast<LPARAM>(&state));
    if (answer != IDOK && answer != UsePresets) return false;
    session_.overrides.coefficients = state.chosen;
    return true;
}

INT_PTR CALLBACK LessonMenu::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            state = reinterpret_cast<DialogState*>(lParam);
            ShowCoefficient(dialog, IDC_A12, state->shown.a12);
            ShowCoefficient(dialog, IDC_A21, state->shown.a21);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK: {
                    const auto a12 = ReadCoefficient(dialog, IDC_A12);
                    const auto a21 = ReadCoefficient(dialog, IDC_A21);
                    if (!a12 || !a21) {
                        MessageBoxW(dialog, L"Each coefficient is a number from 0 to 3.",
                                    L"Coefficients", MB_ICONWARNING | MB_OK);
                        SetFocus(GetDlgItem(dialog, a12 ? IDC_A21 : IDC_A12));
                        return TRUE;
                    }
                    state->chosen = OffDiagonal{*a12, *a21};
                    EndDialog(dialog, IDOK);
                    return TRUE;
                }
                case UsePresets:
                    state->chosen.reset();
                    EndDialog(dialog, UsePresets);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

void LessonMenu::OpenTimeCourse() {
    if (!timeCourse_) {
        RECT outer{0, 0, MapWidth, MapHeight};  // the figure at its one size, pixel for pixel
        const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
        AdjustWindowRectEx(&outer, style, FALSE, 0);
        const auto instance =
            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner_, GWLP_HINSTANCE));
        timeCourse_ = CreateWindowExW(0, TimeCourseClass, L"Morvanta: Time Course", style,
                                      CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                                      outer.bottom - outer.top, owner_, nullptr, instance, this);
        figure_ = std::make_unique<GdiPlotSurface>(timeCourse_);
        figure_->SetLive(false);
        SetWindowLongPtrW(timeCourse_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(figure_.get()));
    }
    DrawTimeCourses(*figure_, TimeCoursesOf(session_.Records()));
    InvalidateRect(timeCourse_, nullptr, FALSE);
    ShowWindow(timeCourse_, SW_SHOWNORMAL);
    SetForegroundWindow(timeCourse_);
}

LRESULT CALLBACK LessonMenu::TimeCourseProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    const auto* figure =
        reinterpret_cast<const GdiPlotSurface*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            if (figure) figure->Show(dc, PixelRect{0, 0, MapWidth, MapHeight});
            EndPaint(window, &paint);
            return 0;
        }
        case WM_CLOSE:
            ShowWindow(window, SW_HIDE);  // kept for the next run's figure
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace morvanta
