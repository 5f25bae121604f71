#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// The runtime's exception family. Every failure the system reports as an exception derives from
// RuntimeException; the event dispatch catches it before it can reach Qt's event loop.
class RuntimeException : public std::runtime_error {
public:
    explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// An index outside a list's bounds.
class OutOfBoundsException : public RuntimeException {
public:
    explicit OutOfBoundsException(const std::string& message = "Index out of bounds.")
        : RuntimeException(message) {}
};

// A member access on a missing object.
class NilObjectException : public RuntimeException {
public:
    explicit NilObjectException(const std::string& message = "The object does not exist.")
        : RuntimeException(message) {}
};

}  // namespace platform
