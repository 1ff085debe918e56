// The report-file decoder, fed whatever a file may hold. The text it gives is
// UTF-8 with LF line ends; a GB18030 file with CR LF line ends saves back byte
// for byte, and panel text saved and loaded again is the same text.

#include "check.h"
#include "reportfile.h"

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

// Whether every byte is part of a GB18030 character, by iconv directly.
bool IsGb18030(std::string_view bytes)
{
    static const iconv_t converter = ::iconv_open("UTF-8", "GB18030");
    ::iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char *in = const_cast<char *>(bytes.data());
    std::size_t inLeft = bytes.size();
    char buffer[4096];
    while (inLeft > 0) {
        char *out = buffer;
        std::size_t outLeft = sizeof buffer;
        if (::iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) && errno != E2BIG)
            return false;
    }
    return true;
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
    if (!bytes.starts_with(Utf8Bom) && !IsUtf8(bytes) && IsGb18030(bytes) && OnlyCrLfLineEnds(bytes))
        REQUIRE(EncodeReportText(text) == bytes);

    // The same bytes taken as what a panel holds.
    if (IsUtf8(bytes) && !bytes.starts_with(Utf8Bom) && bytes.find('\r') == std::string_view::npos) {
        const std::string saved = EncodeReportText(bytes);
        // Saved text that happens to be valid UTF-8 as well is read as UTF-8.
        if (!IsUtf8(saved) || saved == bytes)
            REQUIRE(DecodeReportText(saved) == bytes);
    }
    return 0;
}
