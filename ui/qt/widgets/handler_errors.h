#pragma once

#include <exception>
#include <functional>

namespace morvanta {

// Runs a handler's body; an error raised inside it ends the body and is shown in the
// application's error box. The program then goes on with the next event.
void RunHandler(const std::function<void()>& body);

// Raises, in the handler now running, an error the toolkit caught while that handler had
// called into it (a repaint, say). Called where a handler gets control back from the toolkit.
void RaiseHeldToolkitError();

// An error that unwound through the toolkit's delivery of an event (the application object
// catches it): under one of the program's handlers it ends that handler once the toolkit
// returns to it; otherwise the error box shows once the toolkit has finished with the event.
void ToolkitError(std::exception_ptr error) noexcept;

}  // namespace morvanta
