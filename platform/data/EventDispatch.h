#pragma once

#include <exception>
#include <functional>
#include <string>
#include <utility>

namespace platform {

// What happens to an exception that escapes an event handler, a menu handler or start-up.
using UnhandledExceptionHandler = std::function<void(std::exception_ptr)>;

// Installs handler for UnhandledException and returns the one it replaces; an empty handler
// brings back the standard one, which shows ExceptionReport(error) in a message box through
// the installed dialog backend (or writes it to the standard error stream when none is
// installed) and lets the application go on.
UnhandledExceptionHandler SetUnhandledExceptionHandler(UnhandledExceptionHandler handler);

// Hands error to the installed handler. Never throws: a handler that throws is reported on the
// standard error stream.
void UnhandledException(std::exception_ptr error) noexcept;

// The text shown for error: what went wrong, in the exception's own words.
std::string ExceptionReport(std::exception_ptr error);

// Runs handler as the event dispatch does: an exception it lets escape goes to
// UnhandledException and never further. True when the handler returned normally.
bool CallHandler(const std::function<void()>& handler) noexcept;

// As above for a handler with a result; fallback when the handler raised an exception.
template <typename Result, typename Handler>
Result CallHandler(Handler&& handler, Result fallback) noexcept {
    Result result = fallback;
    CallHandler([&] { result = std::forward<Handler>(handler)(); });
    return result;
}

}  // namespace platform
