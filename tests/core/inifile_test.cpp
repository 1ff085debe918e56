#include "inifile.h"

#include "exceptions.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

using namespace velnorix;

namespace {

class IniFileTest : public testing::Test {
protected:
    TempFolder folder;
    std::string path = folder / "velnorix.ini";

    TIniFile Ini(const std::string &content)
    {
        WriteBytes(path, content);
        return TIniFile(path);
    }
};

struct BoolCase {
    std::string value;
    bool expected;
};

class ReadBoolValues : public IniFileTest, public testing::WithParamInterface<BoolCase> {};

TEST_P(ReadBoolValues, NonZeroNumbersAreTrueAndUnreadableTextGivesTheDefault)
{
    const auto &[value, expected] = GetParam();
    const TIniFile ini = Ini("[Setting]\r\nbChinese=" + value + "\r\n");
    EXPECT_EQ(ini.ReadBool("Setting", "bChinese", true), expected) << "value '" << value << "'";
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadBoolValues,
                         testing::Values(BoolCase{"1", true}, BoolCase{"2", true}, BoolCase{"-1", true},
                                         BoolCase{"0x1F", true}, BoolCase{"$10", true}, BoolCase{"0", false},
                                         BoolCase{"00", false}, BoolCase{"0x0", false}, BoolCase{" 0 ", false},
                                         BoolCase{"\"0\"", false}, BoolCase{"true", true}, BoolCase{"false", true},
                                         BoolCase{"yes", true}, BoolCase{"", true}));

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_TRUE(TIniFile(folder / "missing.ini").ReadBool("Setting", "bChinese", true));
    EXPECT_FALSE(TIniFile(folder / "missing.ini").ReadBool("Setting", "bChinese", false));
    EXPECT_TRUE(Ini("[Other]\nbChinese=0\n").ReadBool("Setting", "bChinese", true));
    EXPECT_TRUE(Ini("[Setting]\nbEnglish=0\n").ReadBool("Setting", "bChinese", true));
    EXPECT_TRUE(TIniFile(folder.path().string()).ReadBool("Setting", "bChinese", true));
}

TEST_F(IniFileTest, NamesMatchWithoutRegardToCaseOrBlanks)
{
    EXPECT_EQ(Ini("  [ SETTING ]  \n  BCHINESE  =  0  \n").ReadString("Setting", "bChinese", "d"), "0");
}

TEST_F(IniFileTest, TheFirstSectionAndTheFirstKeyOfANameCount)
{
    const TIniFile ini = Ini("[Setting]\nbChinese=0\nbChinese=1\n[Setting]\nother=2\n");
    EXPECT_EQ(ini.ReadString("Setting", "bChinese", "d"), "0");
    EXPECT_EQ(ini.ReadString("Setting", "other", "d"), "d");
}

TEST_F(IniFileTest, KeysOfOtherSectionsAreNotRead)
{
    EXPECT_EQ(Ini("bChinese=0\n[Other]\nbChinese=0\n[Setting]\n").ReadString("Setting", "bChinese", "d"), "d");
}

TEST_F(IniFileTest, WritingCreatesTheFileWithItsSection)
{
    TIniFile(path).WriteBool("Setting", "bChinese", true);
    EXPECT_EQ(ReadBytes(path), "[Setting]\r\nbChinese=1\r\n");
}

TEST_F(IniFileTest, WritingReplacesTheValueInPlaceAndKeepsEveryOtherByte)
{
    const std::string before = "; notes\r\n[Other]\r\nbChinese=7\r\n\r\n[setting]\r\nx=1\r\n BChinese = 1 \r\ny=2\r\n[Last]\r\nz";
    Ini(before).WriteBool("Setting", "bChinese", false);
    EXPECT_EQ(ReadBytes(path),
              "; notes\r\n[Other]\r\nbChinese=7\r\n\r\n[setting]\r\nx=1\r\n BChinese =0\r\ny=2\r\n[Last]\r\nz");
}

TEST_F(IniFileTest, AMissingKeyGoesAfterTheLastLineOfItsSection)
{
    Ini("[Setting]\nx=1\n\n[Other]\ny=2\n").WriteBool("Setting", "bChinese", true);
    EXPECT_EQ(ReadBytes(path), "[Setting]\nx=1\nbChinese=1\n\n[Other]\ny=2\n");
}

TEST_F(IniFileTest, AMissingSectionIsAddedAtTheEnd)
{
    Ini("[Other]\r\ny=2").WriteBool("Setting", "bChinese", false);
    EXPECT_EQ(ReadBytes(path), "[Other]\r\ny=2\r\n[Setting]\r\nbChinese=0\r\n");
}

TEST_F(IniFileTest, JunkAndNulBytesAroundTheKeySurviveAWrite)
{
    const std::string junk("\x01\xfe\0\xff garbage\n", 13);
    Ini(junk + "[Setting]\nbChinese=1\n" + junk).WriteBool("Setting", "bChinese", false);
    EXPECT_EQ(ReadBytes(path), junk + "[Setting]\nbChinese=0\n" + junk);
}

TEST_F(IniFileTest, AnUnwritableFileRaisesTheErrorAndKeepsItsContent)
{
    for (const std::string &target : {folder / "missing/velnorix.ini", folder.path().string()}) {
        try {
            TIniFile(target).WriteBool("Setting", "bChinese", true);
            ADD_FAILURE() << "wrote " << target;
        } catch (const EIniFileException &error) {
            EXPECT_EQ(error.Message(), "Unable to write to " + target);
        }
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.path()));
}

} // namespace
