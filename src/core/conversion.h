#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velnorix {

// Reads a whole number the way the numeric fields and the settings file are
// read: leading blanks, an optional sign, then decimal digits or hexadecimal
// digits after "$", "0x" or "0X", nothing after the digits, and a value that
// fits a signed 32-bit integer. Anything else is not a number.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// As TryStrToInt, raising EConvertError "'<text>' is not a valid integer value"
// for text that is not a number.
std::int32_t StrToInt(std::string_view text);

// Reads a number from the start of text as C's "%d" scan does: white space, an
// optional sign, decimal digits. The value is kept modulo 2^32, so no digit
// string overflows; callers keep the low bits they need. Returns how many
// characters the number took, 0 when text does not start with one.
std::size_t ScanDecimal(std::string_view text, std::uint32_t &value);

// Appends a number in signed decimal, without leading zeros or separators.
void AppendDecimal(std::string &text, std::int64_t number);

// The text with each CR LF and each lone CR turned into LF, so that lines end
// the one way the report panel and the core work with. The write form puts it
// at `out`, which needs room for text.size() bytes, and returns its end.
char *WriteLfLineEnds(char *out, std::string_view text);
std::string LfLineEnds(std::string_view text);

} // namespace velnorix
