#include "Uinidatas.h"

#include "exceptions.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace velnorix;

namespace {

class IniDatasTest : public testing::Test {
protected:
    TempFolder folder;
    std::string exe = folder / "velnorix";
    std::string ini = folder / "velnorix.ini";
    std::vector<std::string> errors;

    void SetUp() override
    {
        SetExceptionHandler([this](const std::string &message) { errors.push_back(message); });
    }
    void TearDown() override { SetExceptionHandler({}); }
};

TEST_F(IniDatasTest, FirstStartIsChineseAndLeavesTheFileBesideTheExecutable)
{
    {
        TIniDatas datas(exe);
        EXPECT_EQ(datas.IniFileName, ini);
        EXPECT_TRUE(datas.bChinese);
    }
    EXPECT_EQ(ReadBytes(ini), "[Setting]\r\nbChinese=1\r\n");
    EXPECT_TRUE(errors.empty());
}

TEST_F(IniDatasTest, TheFileIsNamedAfterTheWholeExecutableName)
{
    const std::pair<std::string, std::string> cases[] = {
        {folder / "calc.old", folder / "calc.old.ini"},
        {folder / "a.b/calc", folder / "a.b/calc.ini"},
    };
    std::filesystem::create_directory(folder / "a.b");
    for (const auto &[executable, settings] : cases)
        EXPECT_EQ(TIniDatas(executable).IniFileName, settings);
    EXPECT_TRUE(std::filesystem::exists(folder / "calc.old.ini"));
}

TEST_F(IniDatasTest, TheFlagChosenDuringARunIsReadByTheNext)
{
    {
        TIniDatas datas(exe);
        datas.bChinese = false;
    }
    {
        TIniDatas datas(exe);
        EXPECT_FALSE(datas.bChinese);
        datas.bChinese = true;
    }
    EXPECT_TRUE(TIniDatas(exe).bChinese);
}

TEST_F(IniDatasTest, AnUnchangedRunKeepsTheValueAndTheOtherSections)
{
    const std::string content = "[Window]\nleft=3\n[Setting]\nbChinese=0\n; end\n";
    WriteBytes(ini, content);
    EXPECT_FALSE(TIniDatas(exe).bChinese);
    EXPECT_EQ(ReadBytes(ini), content);
}

TEST_F(IniDatasTest, AFailedWriteIsReportedAndTheOldFileKept)
{
    std::filesystem::create_directory(ini); // the settings path is taken by a folder
    WriteBytes(ini + "/inside", "kept");
    { TIniDatas datas(exe); }
    EXPECT_EQ(errors, std::vector<std::string>{"Unable to write to " + ini});
    EXPECT_EQ(ReadBytes(ini + "/inside"), "kept");
}

TEST_F(IniDatasTest, ASettingsPathTakenByANamedPipeStartsInChineseAndIsReported)
{
    ASSERT_EQ(::mkfifo(ini.c_str(), 0600), 0);
    ::alarm(10); // ends the test program should reading wait for a writer
    {
        TIniDatas datas(exe);
        EXPECT_TRUE(datas.bChinese);
    }
    ::alarm(0);
    EXPECT_EQ(errors, std::vector<std::string>{"Unable to write to " + ini});
}

TEST_F(IniDatasTest, AMissingFolderIsReportedWithTheFullPath)
{
    { TIniDatas datas(folder / "gone/velnorix"); }
    EXPECT_EQ(errors, std::vector<std::string>{"Unable to write to " + folder / "gone/velnorix.ini"});
}

// Settings files that no program of ours wrote: what language a start shows,
// and what is left of the file when the run ends.
struct DamagedFile {
    const char *name;
    std::string content;
    bool chinese;
    std::string afterTheRun;
};

std::string Junk(std::size_t size)
{
    std::mt19937 random(5);
    std::string bytes(size, '\0');
    for (char &byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

const std::string MegabyteOfJunk = Junk(1 << 20);

class DamagedSettings : public IniDatasTest, public testing::WithParamInterface<DamagedFile> {};

TEST_P(DamagedSettings, StartInTheLanguageTheFileStillSaysAndKeepWhatIsNotTheFlag)
{
    const DamagedFile &damaged = GetParam();
    WriteBytes(ini, damaged.content);
    {
        TIniDatas datas(exe);
        EXPECT_EQ(datas.bChinese, damaged.chinese);
    }
    const std::string after = ReadBytes(ini);
    // A megabyte of difference would bury the report: the end tells enough.
    EXPECT_TRUE(after == damaged.afterTheRun) << "ends in: " << testing::PrintToString(after.substr(after.size() - std::min<std::size_t>(after.size(), 40)));
    EXPECT_TRUE(errors.empty());
}

void PrintTo(const DamagedFile &damaged, std::ostream *out)
{
    *out << damaged.name;
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedSettings,
    testing::Values(
        DamagedFile{"junk_around_the_setting", MegabyteOfJunk + "\n[Setting]\nbChinese=0\n" + MegabyteOfJunk, false,
                    MegabyteOfJunk + "\n[Setting]\nbChinese=0\n" + MegabyteOfJunk},
        // The junk holds CR LF, so the added lines end in CR LF too.
        DamagedFile{"only_junk", MegabyteOfJunk + "x", true, MegabyteOfJunk + "x\r\n[Setting]\r\nbChinese=1\r\n"},
        DamagedFile{"nul_bytes_in_the_value", "[Setting]\nbChinese=0\0\0\n"s, true, "[Setting]\nbChinese=1\n"},
        DamagedFile{"nul_bytes_before_the_heading", "\0[Setting]\nbChinese=0\n"s, true,
                    "\0[Setting]\nbChinese=0\n[Setting]\nbChinese=1\n"s},
        DamagedFile{"key_repeated", "[Setting]\r\nbChinese=0\r\nbChinese=1\r\n", false,
                    "[Setting]\r\nbChinese=0\r\nbChinese=1\r\n"},
        DamagedFile{"section_repeated", "[Setting]\nx=1\n[Setting]\nbChinese=0\n", true,
                    "[Setting]\nx=1\nbChinese=1\n[Setting]\nbChinese=0\n"}),
    [](const auto &info) { return std::string(info.param.name); });

// Restores an environment variable when the test ends.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const std::string &value) : name(name)
    {
        if (const char *old = std::getenv(name))
            previous = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        if (previous)
            setenv(name, previous->c_str(), 1);
        else
            unsetenv(name);
    }

private:
    const char *name;
    std::optional<std::string> previous;
};

TEST_F(IniDatasTest, AnExecutableInAReadOnlyFolderKeepsItsSettingsPerUser)
{
    ScopedEnv config("XDG_CONFIG_HOME", folder / "config");
    const std::string readOnlyExe = "/proc/self/velnorix"; // not writable, even for root
    {
        TIniDatas datas(readOnlyExe);
        EXPECT_EQ(datas.IniFileName, folder / "config/velnorix/velnorix.ini");
        EXPECT_TRUE(datas.bChinese);
        datas.bChinese = false;
    }
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(ReadBytes(folder / "config/velnorix/velnorix.ini"), "[Setting]\r\nbChinese=0\r\n");
    EXPECT_FALSE(TIniDatas(readOnlyExe).bChinese);
}

} // namespace
