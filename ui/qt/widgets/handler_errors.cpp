#include "ui/qt/widgets/handler_errors.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "ui/qt/widgets/error_box.h"

namespace morvanta {
namespace {

// Where nothing more can be allocated the error box cannot be built either; the text then
// goes to the standard error stream as it stands, with the box's full-stop rule.
void WriteError(const char* text) noexcept {
    const std::size_t length = std::strlen(text);
    const bool fullStop = length > 0 && static_cast<unsigned char>(text[length - 1]) > '.';
    std::fprintf(stderr, "%s: %s%s\n", program_invocation_short_name, text, fullStop ? "." : "");
}

void ReportError(const char* text) noexcept {
    try {
        ShowErrorBox(QString::fromLocal8Bit(text));
        return;
    } catch (...) {
    }
    WriteError(text);
}

void ReportError(std::exception_ptr error) noexcept {
    try {
        std::rethrow_exception(std::move(error));
    } catch (const std::exception& raised) {
        ReportError(raised.what());
    } catch (...) {
        ReportError("Unknown error");
    }
}

// How many of the program's handlers are running, and the first error the toolkit caught
// under them.
int handlersRunning = 0;
std::exception_ptr heldToolkitError;

class HandlerScope {
public:
    HandlerScope() { ++handlersRunning; }
    ~HandlerScope() { --handlersRunning; }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};

}  // namespace

void RaiseHeldToolkitError() {
    if (heldToolkitError) std::rethrow_exception(std::exchange(heldToolkitError, nullptr));
}

void RunHandler(const std::function<void()>& body) {
    try {
        {
            const HandlerScope running;
            body();
        }
        RaiseHeldToolkitError();
    } catch (const std::exception& error) {
        ReportError(error.what());
    } catch (...) {
        ReportError("Unknown error");
    }
}

void ToolkitError(std::exception_ptr error) noexcept {
    if (handlersRunning > 0) {
        if (!heldToolkitError) heldToolkitError = std::move(error);
        return;
    }
    // A modal box in the middle of a paint or a layout would run the event loop inside it.
    try {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [error] { ReportError(error); }, Qt::QueuedConnection);
    } catch (...) {
        ReportError(std::move(error));
    }
}

}  // namespace morvanta
