#include "reportfile.h"

#include "conversion.h"
#include "exceptions.h"
#include "fileio.h"

#include <cerrno>
#include <iconv.h>
#include <memory>

namespace velnorix {

namespace {

using namespace std::string_view_literals;

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF"sv;
// U+FFFD, the replacement character, in each encoding used here.
constexpr std::string_view Utf8Replacement = "\xEF\xBF\xBD"sv;
constexpr std::string_view Utf32Replacement = "\xFD\xFF\0\0"sv;
constexpr std::string_view Gb18030Replacement = "\x84\x31\xA4\x37"sv;

struct Conversion {
    std::string text;
    bool exact; // every byte decoded
};

struct IconvCloser {
    void operator()(void *converter) const { ::iconv_close(converter); }
};

// What one replacement stands for: a byte of a file that does not decode, or
// a whole character of the panel's text (valid UTF-8) that the file's
// encoding has no form for.
enum class Unit { Byte, Utf8Character };

std::size_t UnitLength(std::string_view rest, Unit unit)
{
    std::size_t length = 1;
    if (unit == Unit::Utf8Character)
        while (length < rest.size() && length < 4 && (static_cast<unsigned char>(rest[length]) & 0xC0) == 0x80)
            ++length;
    return length;
}

// Each unit that does not convert is skipped and stands as the replacement.
Conversion Convert(std::string_view bytes, const char *from, const char *to, std::string_view replacement,
                   Unit unit = Unit::Byte)
{
    const iconv_t opened = ::iconv_open(to, from);
    if (opened == reinterpret_cast<iconv_t>(-1))
        throw Exception(std::string("No text conversion from ") + from + " to " + to);
    const std::unique_ptr<void, IconvCloser> converter(opened);

    Conversion result{{}, true};
    result.text.reserve(bytes.size());
    char *in = const_cast<char *>(bytes.data()); // iconv only reads it
    std::size_t inLeft = bytes.size();
    char buffer[65536];
    while (inLeft > 0) {
        char *out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t converted = ::iconv(converter.get(), &in, &inLeft, &out, &outLeft);
        result.text.append(buffer, static_cast<std::size_t>(out - buffer));
        if (converted == static_cast<std::size_t>(-1) && errno != E2BIG) {
            result.text += replacement;
            const std::size_t skipped = UnitLength({in, inLeft}, unit);
            in += skipped;
            inLeft -= skipped;
            result.exact = false;
        }
    }
    return result;
}

// glibc's UTF-8 decoder lets sequences beyond U+10FFFF through; its UTF-32
// encoder refuses them, so UTF-8 is checked by way of UTF-32.
Conversion DecodeUtf8(std::string_view bytes)
{
    const Conversion utf32 = Convert(bytes, "UTF-8", "UTF-32LE", Utf32Replacement);
    return {Convert(utf32.text, "UTF-32LE", "UTF-8", Utf8Replacement).text, utf32.exact};
}

std::string CrLfLineEnds(std::string_view text)
{
    std::string lines;
    lines.reserve(text.size());
    for (const char c : text) {
        if (c == '\n')
            lines += '\r';
        lines += c;
    }
    return lines;
}

std::string TooLargeMessage(const std::string &path)
{
    const std::string limit = std::to_string(MaxReportFileSize / (1024 * 1024)) + " MiB";
    return "文件大于 " + limit + "，不能打开：" + path + "\nThe file is larger than " + limit
           + " and cannot be opened: " + path;
}

} // namespace

std::string EncodeReportText(std::string_view text)
{
    return Convert(CrLfLineEnds(text), "UTF-8", "GB18030", Gb18030Replacement, Unit::Utf8Character).text;
}

std::string DecodeReportText(std::string_view bytes)
{
    if (bytes.starts_with(Utf8Bom))
        return LfLineEnds(DecodeUtf8(bytes.substr(Utf8Bom.size())).text);
    // Plain ASCII reads the same in both, so any valid UTF-8 is taken as UTF-8.
    Conversion text = DecodeUtf8(bytes);
    if (!text.exact)
        text = Convert(bytes, "GB18030", "UTF-8", Utf8Replacement);
    return LfLineEnds(text.text);
}

void SaveReportFile(const std::string &path, std::string_view text)
{
    const WriteResult result = WriteFileAtomically(path, EncodeReportText(text));
    if (result == WriteResult::CannotCreate)
        throw Exception("Cannot create file " + path);
    if (result == WriteResult::WriteFailed)
        throw Exception("Failed to Save Stream");
}

std::string LoadReportFile(const std::string &path)
{
    std::string bytes;
    const ReadResult result = ReadFile(path, MaxReportFileSize, bytes);
    if (result == ReadResult::CannotOpen)
        throw Exception("Cannot open file " + path);
    if (result == ReadResult::TooLarge)
        throw Exception(TooLargeMessage(path));
    return DecodeReportText(bytes);
}

} // namespace velnorix
