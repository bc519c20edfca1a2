#include "ui/win/window_app.h"

#include "ui/win/tform1.h"

namespace morvanta {
namespace {

bool ModifierHeld() {
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

// Enter held with Shift, Ctrl or Alt clicks nothing; the dialog manager would click. In the
// log box it is the box's own key.
bool SwallowedEnter(const MSG& message, HWND log) {
    const bool enter =
        (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN ||
         message.message == WM_CHAR || message.message == WM_SYSCHAR) &&
        (message.wParam == VK_RETURN || message.wParam == L'\r' || message.wParam == L'\n');
    return enter && message.hwnd != log && ModifierHeld();
}

}  // namespace

int RunWindow(HINSTANCE instance, const ClockSource& clock, int showCommand,
              const AfterMessage& afterMessage, const LinkSetup* setup) {
    TForm1::RegisterClasses(instance);
    TForm1 Form1(instance, clock);
    if (setup) Form1.OpenWithSetup(*setup);
    Form1.Show(showCommand);
    MSG message;
    // Keys held during a paced run come first, in the order they were pressed.
    while (Form1.NextHeldKey(message) || GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!SwallowedEnter(message, Form1.Memo1) && !IsDialogMessageW(Form1.Handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (afterMessage && IsWindow(Form1.Handle())) afterMessage(Form1);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace morvanta
