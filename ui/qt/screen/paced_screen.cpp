#include "ui/qt/screen/paced_screen.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace morvanta {

PacedPart::~PacedPart() {
    if (pending_ && screen_) screen_->Remove(*this);
}

PacedScreen& PacedScreen::Of(QWidget& widget) {
    QWidget* window = widget.window();
    auto* screen = window->findChild<PacedScreen*>(QString(), Qt::FindDirectChildrenOnly);
    return screen != nullptr ? *screen : *new PacedScreen(*window);
}

void PacedScreen::Changed(QWidget& widget, PacedPart& part) {
    if (!part.screen_) part.screen_ = &Of(widget);
    part.screen_->Add(part);
}

PacedScreen::PacedScreen(QWidget& window)
    : QObject(&window), window_(window), clock_(ScreenFrameClock(window)) {}

PacedScreen::Run::Run(QWidget& window) : screen_(&Of(window)) {
    if (screen_->runs_++ == 0) screen_->lastRefresh_ = screen_->clock_->Refresh();
}

PacedScreen::Run::~Run() {
    if (!screen_ || --screen_->runs_ > 0) return;
    screen_->BringUpToDate();
}

void PacedScreen::Add(PacedPart& part) {
    if (runs_ == 0) {
        part.CatchUp();
        return;
    }
    if (!part.pending_) {
        part.pending_ = true;
        pending_.push_back(&part);
    }
    Tick();
}

void PacedScreen::Remove(PacedPart& part) {
    part.pending_ = false;
    pending_.erase(std::remove(pending_.begin(), pending_.end(), &part), pending_.end());
}

void PacedScreen::Tick() {
    const std::int64_t refresh = clock_->Refresh();
    if (refresh == lastRefresh_ || ticking_) return;
    lastRefresh_ = refresh;
    ticking_ = true;
    // The display's events: the word that the last frame was shown, and whether the window is
    // shown at all. The user's input stays queued until the run ends.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    ticking_ = false;
    if (!awaitingFrame_) BringUpToDate();
}

void PacedScreen::BringUpToDate() {
    if (pending_.empty()) return;  // nothing held: the toolkit's own painting is up to date
    CatchUpAll();
    if (!Shown()) return;  // the event loop paints it once the window is shown again
    // Paints every widget of the window that has something to show, and puts it on the screen.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    // The display answers once it has shown the frame (on Wayland the compositor, elsewhere
    // the toolkit a few milliseconds later).
    watched_->requestUpdate();
    awaitingFrame_ = true;
}

void PacedScreen::CatchUpAll() {
    const std::vector<PacedPart*> parts = std::exchange(pending_, {});
    for (PacedPart* part : parts) {
        part->pending_ = false;
        part->CatchUp();
    }
}

bool PacedScreen::Shown() {
    QWindow* handle = window_.windowHandle();
    if (handle == nullptr || !window_.isVisible() || !handle->isExposed()) return false;
    if (handle != watched_) {
        if (watched_) watched_->removeEventFilter(this);
        watched_ = handle;
        handle->installEventFilter(this);
        awaitingFrame_ = false;
    }
    return true;
}

bool PacedScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched != watched_) return false;
    if (event->type() == QEvent::UpdateRequest && awaitingFrame_) {
        // The answer to the request above; the frame itself was painted already.
        awaitingFrame_ = false;
        return true;
    }
    if (event->type() == QEvent::Expose && watched_->isExposed()) awaitingFrame_ = false;
    return false;
}

}  // namespace morvanta
