// The settings file's reader and writer: a start reads the language flag, the
// end of the run writes it back. Read, written and read again, the flag is the
// same, and every line not about the flag keeps its bytes.

#include "check.h"
#include "inifile.h"

#include <fstream>
#include <unistd.h>

using namespace velnorix;

namespace {

// On a memory file system when there is one, as each run writes the file
// (and syncs it) once.
const std::string &SettingsPath()
{
    static const std::string path = [] {
        std::string folder = std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/velnorix-fuzz-XXXXXX";
        REQUIRE(::mkdtemp(folder.data()) != nullptr);
        return folder + "/velnorix.ini";
    }();
    return path;
}

std::string FileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    std::string trimmed(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
    for (char &c : trimmed)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return trimmed;
}

bool IsFlagLine(std::string_view line)
{
    const std::size_t equals = line.find('=');
    return equals != std::string_view::npos && Trimmed(line.substr(0, equals)) == "bchinese";
}

// The lines without their LF, leaving out the flag's lines and the section
// heading the writer adds when the file has none.
std::vector<std::string> OtherLines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        const std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        if (!IsFlagLine(line) && Trimmed(line) != "[setting]")
            lines.emplace_back(line);
    }
    return lines;
}

// The lines of the file before, as they may stand after: a last line without
// a break gets the file's own, which may be CR LF.
bool LinesSurvive(std::string_view before, std::string_view after)
{
    std::vector<std::string> expected = OtherLines(before), found = OtherLines(after);
    if (expected == found)
        return true;
    if (before.ends_with('\n') || expected.empty())
        return false;
    expected.back() += '\r';
    return expected == found;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string before(AsText(data, size));
    const std::string &path = SettingsPath();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << before;

    TIniFile ini(path);
    const bool flag = ini.ReadBool("Setting", "bChinese", true);
    ini.WriteBool("Setting", "bChinese", flag);
    REQUIRE(ini.ReadBool("Setting", "bChinese", !flag) == flag);
    REQUIRE(ini.ReadString("Setting", "bChinese", "") == (flag ? "1" : "0"));

    const std::string after = FileBytes(path);
    REQUIRE(LinesSurvive(before, after));
    return 0;
}
