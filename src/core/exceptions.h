#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velnorix {

// The error family the calculator raises; any handler may stop with one and the
// application shows its message in the error box.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string &message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A numeric field whose text is not a whole number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// The settings file could not be written.
class EIniFileException : public Exception {
public:
    using Exception::Exception;
};

// Receives the message of an error that no handler caught. The window shell
// installs its error box here; without one, messages go to standard error.
using ExceptionHandler = std::function<void(const std::string &message)>;
void SetExceptionHandler(ExceptionHandler handler);
void ShowException(const std::string &message);

// The text the error box shows: the message, with a full stop added when its
// last character sorts after "." (so "...value" becomes "...value.").
std::string ExceptionBoxText(std::string_view message);

// Runs one handler's body; an error ends the body where it arose and goes to
// the exception handler. This is the only place errors are caught: at the
// boundary of a window handler or a destructor, which nothing may unwind.
template <class Body>
void Guarded(Body &&body) noexcept
{
    try {
        body();
    } catch (const std::exception &error) {
        ShowException(error.what());
    } catch (...) {
        ShowException({});
    }
}

} // namespace velnorix
