#pragma once

#include <string>
#include <string_view>

namespace velnorix {

// An INI file with the Windows profile semantics: "[Section]" lines, then
// "Key=Value" lines; section and key names match without regard to case and to
// surrounding blanks; a value is read without its surrounding blanks or
// quotes. The first section and the first key of a name count. Writing changes
// the one value in place and keeps every other byte of the file.
class TIniFile {
public:
    explicit TIniFile(std::string fileName);

    const std::string &FileName() const { return fileName; }

    // The value, or def when the file, the section or the key is missing.
    std::string ReadString(std::string_view section, std::string_view ident, std::string_view def) const;
    // A whole number read as the numeric fields are; non-zero is true, and an
    // empty or unreadable value gives def.
    bool ReadBool(std::string_view section, std::string_view ident, bool def) const;

    // Creates the file and the section when missing. Raises EIniFileException
    // "Unable to write to <path>" when the file cannot be written; it then
    // keeps its previous content.
    void WriteString(std::string_view section, std::string_view ident, std::string_view value);
    void WriteBool(std::string_view section, std::string_view ident, bool value);

private:
    std::string fileName;
};

} // namespace velnorix
