#include "exceptions.h"

#include <iostream>

namespace velnorix {

namespace {
ExceptionHandler &CurrentHandler()
{
    static ExceptionHandler handler;
    return handler;
}
} // namespace

void SetExceptionHandler(ExceptionHandler handler)
{
    CurrentHandler() = std::move(handler);
}

void ShowException(const std::string &message)
{
    if (const auto &handler = CurrentHandler())
        handler(message);
    else
        std::cerr << ExceptionBoxText(message) << '\n';
}

std::string ExceptionBoxText(std::string_view message)
{
    std::string text(message);
    // Bytes of a multi-byte UTF-8 character are all above ".", as the last
    // character of a Chinese message is.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

} // namespace velnorix
