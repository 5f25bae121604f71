#include "platform/data/EventDispatch.h"

#include <iostream>

#include "platform/core/Exceptions.h"
#include "platform/data/DialogBackend.h"

namespace platform {

namespace {

void ShowReport(std::exception_ptr error) {
    const std::string report = ExceptionReport(error);
    try {
        CurrentDialogBackend().ShowMessage(report);
    } catch (...) {
        std::cerr << report << '\n';
    }
}

UnhandledExceptionHandler& InstalledHandler() {
    static UnhandledExceptionHandler handler;
    return handler;
}

}  // namespace

UnhandledExceptionHandler SetUnhandledExceptionHandler(UnhandledExceptionHandler handler) {
    return std::exchange(InstalledHandler(), std::move(handler));
}

std::string ExceptionReport(std::exception_ptr error) {
    const std::string lead = "The operation was stopped by an error";
    try {
        if (error) {
            std::rethrow_exception(error);
        }
        return lead + ".";
    } catch (const OutOfBoundsException& e) {
        return lead + " (index out of bounds):\n" + e.what();
    } catch (const NilObjectException& e) {
        return lead + " (missing object):\n" + e.what();
    } catch (const RuntimeException& e) {
        return lead + ":\n" + e.what();
    } catch (const std::bad_alloc&) {
        return lead + ": there was not enough memory.";
    } catch (const std::exception& e) {
        return lead + " (internal error):\n" + e.what();
    } catch (...) {
        return lead + " of an unknown kind.";
    }
}

void UnhandledException(std::exception_ptr error) noexcept {
    try {
        if (const UnhandledExceptionHandler& handler = InstalledHandler()) {
            handler(error);
        } else {
            ShowReport(error);
        }
    } catch (...) {
        try {
            std::cerr << "While reporting an error, another one occurred.\n"
                      << ExceptionReport(error) << '\n';
        } catch (...) {
        }
    }
}

bool CallHandler(const std::function<void()>& handler) noexcept {
    try {
        if (handler) {
            handler();
        }
        return true;
    } catch (...) {
        UnhandledException(std::current_exception());
        return false;
    }
}

}  // namespace platform
