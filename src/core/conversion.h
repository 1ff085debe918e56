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

// The text with each CR LF and each lone CR turned into LF, so that lines end
// the one way the report panel and the core work with.
std::string LfLineEnds(std::string_view text);

} // namespace velnorix
