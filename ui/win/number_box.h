#pragma once

#include <windows.h>

#include <string>

#include "ui/win/display_frames.h"

namespace morvanta {

// A single-line edit box that a run writes numbers into. The user may edit it. A run keeps
// the box's number itself and draws it onto the box's own surface at the run's frames; the
// edit gets the text (a change that costs Wine as much as a thousand steps' drawing) when
// someone may read it: at the run's end, and while a paced run lets the display's messages
// through.
class NumberBox : public FramePart {
public:
    NumberBox(HWND parent, int id, RECT place, HFONT font);
    HWND Handle() const { return edit_; }
    // Takes the number: in a run, to the screen at the run's next frame; else at once.
    void ShowNumber(int n);
    // Makes the edit's own text what is shown.
    void SyncText();
    // While held (a run), the box keeps its device context, and a new number asks the frames
    // whether it is time for one. Release draws what is left and gives the edit its text.
    void Hold(DisplayFrames& frames);
    void Release();
    void SendChanges() override;
    // The edit painted its own text: the number is drawn again at the next frame.
    void ForgetScreen() { drawn_ = false; }

private:
    HWND edit_ = nullptr;
    HDC held_ = nullptr;
    DisplayFrames* frames_ = nullptr;
    RECT format_{}, client_{};
    std::wstring shown_;
    bool drawn_ = false;  // the box shows shown_, drawn by the run
    bool synced_ = true;  // the edit's text is shown_
};

}  // namespace morvanta
