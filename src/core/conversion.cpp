#include "conversion.h"

#include "exceptions.h"

#include <string>

namespace velnorix {

namespace {

int DigitValue(char c, int base)
{
    int value = 36;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'z')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'Z')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

} // namespace

std::optional<std::int32_t> TryStrToInt(std::string_view text)
{
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return std::nullopt;

    bool negative = false;
    if (text[i] == '+' || text[i] == '-')
        negative = text[i++] == '-';

    int base = 10;
    if (text.substr(i).starts_with('$')) {
        base = 16;
        i += 1;
    } else if (text.substr(i).starts_with("0x") || text.substr(i).starts_with("0X")) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;

    // The magnitude may reach 2^31 for the most negative value; stop as soon as
    // it is beyond that so that no digit string can overflow.
    constexpr std::int64_t limit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    if (!negative && magnitude == limit)
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::int32_t StrToInt(std::string_view text)
{
    if (const auto value = TryStrToInt(text))
        return *value;
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

std::string LfLineEnds(std::string_view text)
{
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r')
            lines += text[i];
        else if (i + 1 == text.size() || text[i + 1] != '\n')
            lines += '\n';
    }
    return lines;
}

} // namespace velnorix
