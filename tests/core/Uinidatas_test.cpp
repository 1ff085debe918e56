#include "Uinidatas.h"

#include "exceptions.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
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

TEST_F(IniDatasTest, AMissingFolderIsReportedWithTheFullPath)
{
    { TIniDatas datas(folder / "gone/velnorix"); }
    EXPECT_EQ(errors, std::vector<std::string>{"Unable to write to " + folder / "gone/velnorix.ini"});
}

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
