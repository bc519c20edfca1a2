#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <memory>
#include <vector>

#include "ui/qt/screen/frame_clock.h"

class QWidget;
class QWindow;

namespace morvanta {

class PacedScreen;

// A part of a window whose look a run changes faster than the display can show it (a number
// box's text, the plot's changed pixels): it holds its latest look and hands it to the
// toolkit when the screen is brought up to date.
class PacedPart {
public:
    PacedPart() = default;
    PacedPart(const PacedPart&) = delete;
    PacedPart& operator=(const PacedPart&) = delete;
    virtual ~PacedPart();

    // Marks what changed since the last call for the toolkit to paint.
    virtual void CatchUp() = 0;

private:
    friend class PacedScreen;
    QPointer<PacedScreen> screen_;
    bool pending_ = false;
};

// How what a run draws reaches the screen: every step is drawn into the parts' own state, and
// the screen is brought up to date at the display's pace, at most once a refresh of the
// window's screen.
//
// A run holds the event loop, so at each new refresh the display's own events are let
// through (never the user's input, which waits for the run's end); among them is the
// display's word that it has shown the last frame (the toolkit's update request). A new frame
// is painted only then: a compositor that stops showing the window, or stops giving back its
// buffers, is never waited for, and the run goes on drawing into the parts. At the end of a
// run the screen is brought up to date, or left to the event loop where the window is not
// shown. Outside runs a change goes to the event loop at once. One of these serves each
// top-level window, whose child it is.
class PacedScreen : public QObject {
    Q_OBJECT

public:
    // The pacing of the widget's window.
    static PacedScreen& Of(QWidget& widget);
    // The part of the widget changed.
    static void Changed(QWidget& widget, PacedPart& part);

    // A run of the window, from construction to destruction: changes go with the refreshes.
    class Run {
    public:
        explicit Run(QWidget& window);
        ~Run();
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

    private:
        QPointer<PacedScreen> screen_;
    };

    // Hands every held change to the toolkit and, where the window is shown, paints them now:
    // what the run drew so far is on the screen when this returns.
    void BringUpToDate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class PacedPart;
    explicit PacedScreen(QWidget& window);
    void Add(PacedPart& part);
    void Remove(PacedPart& part);
    void Tick();
    void CatchUpAll();
    bool Shown();

    QWidget& window_;
    const std::unique_ptr<FrameClock> clock_;
    std::vector<PacedPart*> pending_;
    int runs_ = 0;
    bool ticking_ = false;
    std::int64_t lastRefresh_ = 0;
    // A frame was painted and the display has not yet said that it has shown it.
    bool awaitingFrame_ = false;
    QPointer<QWindow> watched_;
};

}  // namespace morvanta
