// The exception classes of the component layer.
#pragma once

#include <stdexcept>
#include <string>

// Base of every exception the program raises; carries the message shown to the user.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A board description (or any component stream) that cannot be read.
class EReadError : public Exception {
public:
    using Exception::Exception;
};

// The system refused a resource such as a timer.
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

// An index outside a list, or a list asked to hold more than it can.
class EListError : public Exception {
public:
    using Exception::Exception;
};
