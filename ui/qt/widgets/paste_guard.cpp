#include "ui/qt/widgets/paste_guard.h"

#include <QAbstractScrollArea>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace morvanta {
namespace {

// Whether pasting from the clipboard would put text in the box. Asking for the clipboard's
// formats is safe where reading its data is not.
bool WouldPaste(QObject* watched, QClipboard::Mode mode) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData(mode) : nullptr;
    if (!data || !data->hasText()) return false;
    auto* log = qobject_cast<QPlainTextEdit*>(watched);
    if (!log) log = qobject_cast<QPlainTextEdit*>(watched->parent());  // its viewport
    if (!log) return true;
    const qsizetype kept =
        log->document()->characterCount() - 1 - log->textCursor().selectedText().size();
    return kept + data->text().size() <= PasteGuard::MostUserCharacters;
}

}  // namespace

void PasteGuard::Protect(QWidget& box) {
    auto* guard = new PasteGuard(&box);
    box.installEventFilter(guard);
    if (auto* scrolling = qobject_cast<QAbstractScrollArea*>(&box))
        scrolling->viewport()->installEventFilter(guard);
}

bool PasteGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
                !WouldPaste(watched, QClipboard::Clipboard))
                return true;
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
                QGuiApplication::clipboard()->supportsSelection() &&
                !WouldPaste(watched, QClipboard::Selection))
                return true;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace morvanta
