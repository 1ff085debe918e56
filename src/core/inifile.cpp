#include "inifile.h"

#include "conversion.h"
#include "exceptions.h"
#include "fileio.h"

#include <optional>
#include <unistd.h>

namespace velnorix {

namespace {

constexpr std::string_view Blanks = " \t\r";

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

bool SameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

// Where one section and one key stand in the file's text, as offsets.
struct Location {
    bool sectionFound = false;
    std::size_t sectionEnd = 0; // just after the section's last non-blank line
    std::optional<std::size_t> valueBegin; // just after the key's "="
    std::size_t valueEnd = 0; // the end of the key's line, before its line break
};

Location Find(std::string_view text, std::string_view section, std::string_view ident)
{
    Location where;
    bool inSection = false;
    for (std::size_t begin = 0; begin < text.size();) {
        const std::size_t newline = text.find('\n', begin);
        const std::size_t next = newline == std::string_view::npos ? text.size() : newline + 1;
        std::string_view line = text.substr(begin, next - begin);
        if (line.ends_with('\n'))
            line.remove_suffix(1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const std::string_view content = Trim(line);

        if (content.starts_with('[')) {
            if (where.sectionFound)
                break; // only the first section of the name counts
            const std::string_view name = content.substr(1, content.find(']') - 1);
            inSection = SameName(Trim(name), section);
            where.sectionFound = inSection;
            where.sectionEnd = next;
        } else if (inSection && !content.empty()) {
            where.sectionEnd = next;
            const auto equals = line.find('=');
            if (equals != std::string_view::npos && SameName(Trim(line.substr(0, equals)), ident)) {
                where.valueBegin = begin + equals + 1;
                where.valueEnd = begin + line.size();
                break;
            }
        }
        begin = next;
    }
    return where;
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// New lines follow the line breaks the file already uses.
std::string_view LineBreakOf(std::string_view text)
{
    if (text.find("\r\n") != std::string_view::npos || text.find('\n') == std::string_view::npos)
        return "\r\n";
    return "\n";
}

} // namespace

TIniFile::TIniFile(std::string fileName) : fileName(std::move(fileName)) {}

std::string TIniFile::ReadString(std::string_view section, std::string_view ident, std::string_view def) const
{
    const auto text = ReadWholeFile(fileName);
    if (!text)
        return std::string(def);
    const Location where = Find(*text, section, ident);
    if (!where.valueBegin)
        return std::string(def);
    const std::string_view value(text->data() + *where.valueBegin, where.valueEnd - *where.valueBegin);
    return std::string(Unquote(Trim(value)));
}

bool TIniFile::ReadBool(std::string_view section, std::string_view ident, bool def) const
{
    const auto number = TryStrToInt(ReadString(section, ident, {}));
    return number ? *number != 0 : def;
}

void TIniFile::WriteString(std::string_view section, std::string_view ident, std::string_view value)
{
    const auto failure = [this] { return EIniFileException("Unable to write to " + fileName); };
    std::string text;
    if (const auto existing = ReadWholeFile(fileName))
        text = *existing;
    else if (::access(fileName.c_str(), F_OK) == 0)
        throw failure(); // there, but not a file we can read: never replace it blindly

    const std::string_view lineBreak = LineBreakOf(text);
    const Location where = Find(text, section, ident);
    if (where.valueBegin) {
        text.replace(*where.valueBegin, where.valueEnd - *where.valueBegin, value);
    } else {
        std::string lines;
        std::size_t at = where.sectionFound ? where.sectionEnd : text.size();
        if (at > 0 && text[at - 1] != '\n')
            lines += lineBreak;
        if (!where.sectionFound)
            lines.append("[").append(section).append("]").append(lineBreak);
        lines.append(ident).append("=").append(value).append(lineBreak);
        text.insert(at, lines);
    }
    if (WriteFileAtomically(fileName, text) != WriteResult::Written)
        throw failure();
}

void TIniFile::WriteBool(std::string_view section, std::string_view ident, bool value)
{
    WriteString(section, ident, value ? "1" : "0");
}

} // namespace velnorix
