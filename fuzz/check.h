#pragma once

// Helpers shared by the fuzz targets: a broken invariant aborts, so libFuzzer
// keeps the input that broke it.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#define REQUIRE(condition)                                                                                  \
    do {                                                                                                    \
        if (!(condition)) {                                                                                 \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition);           \
            std::abort();                                                                                   \
        }                                                                                                   \
    } while (0)

inline std::string_view AsText(const std::uint8_t *data, std::size_t size)
{
    return {reinterpret_cast<const char *>(data), size};
}

// The input cut at every NUL byte: the fields of a form or the arguments of a
// command line. At most `limit` pieces; the last one keeps the rest.
inline std::vector<std::string_view> Pieces(std::string_view text, std::size_t limit)
{
    std::vector<std::string_view> pieces;
    while (pieces.size() + 1 < limit) {
        const std::size_t nul = text.find('\0');
        if (nul == std::string_view::npos)
            break;
        pieces.push_back(text.substr(0, nul));
        text.remove_prefix(nul + 1);
    }
    pieces.push_back(text);
    return pieces;
}

// A dotted address as a report prints it: four decimal numbers of 0..255
// without leading zeros, nothing else. Anything else is not an address.
inline std::optional<std::uint32_t> StrictDotted(std::string_view text)
{
    std::uint32_t address = 0;
    for (int octet = 0; octet < 4; ++octet) {
        if (octet > 0) {
            if (!text.starts_with('.'))
                return std::nullopt;
            text.remove_prefix(1);
        }
        std::size_t digits = 0;
        std::uint32_t number = 0;
        while (digits < text.size() && digits < 4 && text[digits] >= '0' && text[digits] <= '9')
            number = number * 10 + static_cast<std::uint32_t>(text[digits++] - '0');
        if (digits == 0 || number > 255 || (digits > 1 && text[0] == '0'))
            return std::nullopt;
        address = address << 8 | number;
        text.remove_prefix(digits);
    }
    return text.empty() ? std::optional(address) : std::nullopt;
}

// The address after `label` on a report line: the line must hold exactly the
// label and a well-formed address.
inline std::uint32_t AddressAfter(std::string_view line, std::string_view label)
{
    REQUIRE(line.starts_with(label));
    const auto address = StrictDotted(line.substr(label.size()));
    REQUIRE(address.has_value());
    return *address;
}

// Report text split at its CR LF line ends.
inline std::vector<std::string_view> CrLfLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (std::size_t end; (end = text.find("\r\n")) != std::string_view::npos; text.remove_prefix(end + 2))
        lines.push_back(text.substr(0, end));
    lines.push_back(text);
    return lines;
}
