#include "Uinidatas.h"

#include "exceptions.h"
#include "fileio.h"
#include "inifile.h"
#include "paths.h"

#include <cstdlib>

namespace velnorix {

namespace {
constexpr std::string_view Section = "Setting";
constexpr std::string_view Key = "bChinese";
} // namespace

TIniDatas::TIniDatas(std::string exeName) : ExeName(std::move(exeName))
{
    SetDefaults();
    MakeIniFileName();
    ReadDatas();
}

// A destructor must not throw: a failed write goes to the error box, and the
// file keeps its previous content.
TIniDatas::~TIniDatas()
{
    Guarded([this] { WriteDatas(); });
}

void TIniDatas::SetDefaults()
{
    IniFileName.clear();
    bChinese = true;
}

// On Windows the ".exe" of the executable's name gave way to ".ini"; a Linux
// executable has no such extension, so ".ini" is added to its whole name
// ("calc.old" keeps "calc.old.ini", "/a.b/calc" keeps "/a.b/calc.ini").
std::string TIniDatas::BesideExecutable() const
{
    return ExeName + ".ini";
}

// Like a Windows program installed in a protected folder, an installed copy
// keeps its settings in a per-user folder under the same file name.
void TIniDatas::MakeIniFileName()
{
    IniFileName = BesideExecutable();
    if (!FolderReadOnly(ExtractFilePath(IniFileName)))
        return;
    const std::string userFolder = UserSettingsFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (!userFolder.empty())
        IniFileName = userFolder + IniFileName.substr(ExtractFilePath(IniFileName).size());
}

// The per-user copy is read first; until it exists, the file beside the
// executable (settings an administrator installed) still counts.
void TIniDatas::ReadDatas()
{
    const std::string source = FileExists(IniFileName) ? IniFileName : BesideExecutable();
    bChinese = TIniFile(source).ReadBool(Section, Key, true);
}

void TIniDatas::WriteDatas()
{
    if (IniFileName != BesideExecutable())
        CreateFolders(ExtractFilePath(IniFileName)); // the per-user folder may not exist yet
    TIniFile(IniFileName).WriteBool(Section, Key, bChinese);
}

} // namespace velnorix
