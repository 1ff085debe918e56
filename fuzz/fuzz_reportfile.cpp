// The report-file decoder, fed whatever a file may hold. The text it gives is
// UTF-8 with LF line ends; a GB18030 file with CR LF line ends saves back byte
// for byte, and panel text saved and loaded again is the same text.

#include "check.h"
#include "reportfile.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

using namespace velnorix;

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// Strict UTF-8: shortest forms only, no surrogates, nothing past U+10FFFF.
bool IsUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = [&](std::size_t at) { return at < text.size() ? static_cast<unsigned char>(text[at]) : 0u; };
        const unsigned lead = byte(i);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                   : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
        if (length == 0)
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((byte(i + k) & 0xC0) != 0x80)
                return false;
        const unsigned second = byte(i + 1);
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90)
            || (lead == 0xF4 && second > 0x8F))
            return false;
        i += length;
    }
    return true;
}

// Whether iconv converts every byte, asked directly.
bool ConvertsExactly(std::string_view bytes, const char *from, const char *to)
{
    const iconv_t converter = ::iconv_open(to, from);
    REQUIRE(converter != reinterpret_cast<iconv_t>(-1));
    char *in = const_cast<char *>(bytes.data());
    std::size_t inLeft = bytes.size();
    char buffer[4096];
    bool exact = true;
    while (exact && inLeft > 0) {
        char *out = buffer;
        std::size_t outLeft = sizeof buffer;
        exact = ::iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) || errno == E2BIG;
    }
    ::iconv_close(converter);
    return exact;
}

std::size_t CodePoints(std::string_view utf8)
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Every CR is followed by LF and every LF preceded by CR.
bool OnlyCrLfLineEnds(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            return false;
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes = AsText(data, size);
    const std::string text = DecodeReportText(bytes);
    REQUIRE(IsUtf8(text));
    REQUIRE(text.find('\r') == std::string::npos);

    // Not valid UTF-8, so read as GB18030: nothing decodable may be lost.
    if (!bytes.starts_with(Utf8Bom) && !IsUtf8(bytes) && ConvertsExactly(bytes, "GB18030", "UTF-8") && OnlyCrLfLineEnds(bytes))
        REQUIRE(EncodeReportText(text) == bytes);

    // The same bytes taken as what a panel holds: saved and loaded again, each
    // character is itself, or U+FFFD for the few private-use characters that
    // GB18030 has no form for since their codes went to standard characters.
    if (IsUtf8(bytes) && !bytes.starts_with(Utf8Bom) && bytes.find('\r') == std::string_view::npos) {
        const std::string saved = EncodeReportText(bytes);
        // Saved text that happens to be valid UTF-8 as well is read as UTF-8.
        if (!IsUtf8(saved) || saved == bytes) {
            const std::string loaded = DecodeReportText(saved);
            REQUIRE(CodePoints(loaded) == CodePoints(bytes));
            if (ConvertsExactly(bytes, "UTF-8", "GB18030"))
                REQUIRE(loaded == bytes);
        }
    }
    return 0;
}
