#include "conversion.h"

#include "exceptions.h"

#include <algorithm>
#include <cctype>
#include <charconv>
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

std::size_t ScanDecimal(std::string_view text, std::uint32_t &value)
{
    const auto isDigit = [&text](std::size_t i) { return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); };
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    if (!isDigit(i))
        return 0;
    std::uint32_t number = 0;
    for (; isDigit(i); ++i)
        number = number * 10 + static_cast<std::uint32_t>(text[i] - '0');
    value = negative ? 0u - number : number;
    return i;
}

void AppendDecimal(std::string &text, std::int64_t number)
{
    char digits[20];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    text.append(digits, end);
}

char *WriteLfLineEnds(char *out, std::string_view text)
{
    for (std::size_t cr; (cr = text.find('\r')) != std::string_view::npos;) {
        out = std::copy_n(text.data(), cr, out);
        *out++ = '\n';
        text.remove_prefix(cr + (text.substr(cr + 1).starts_with('\n') ? 2 : 1));
    }
    return std::copy_n(text.data(), text.size(), out);
}

std::string LfLineEnds(std::string_view text)
{
    std::string lines(text.size(), '\0');
    lines.resize(WriteLfLineEnds(lines.data(), text) - lines.data());
    return lines;
}

} // namespace velnorix
