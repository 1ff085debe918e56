#include "paths.h"

#include "tempfolder.h"

#include <gtest/gtest.h>

using namespace velnorix;

namespace {

TEST(ExtractFilePath, KeepsTheTrailingSeparator)
{
    EXPECT_EQ(ExtractFilePath("/opt/velnorix/velnorix"), "/opt/velnorix/");
    EXPECT_EQ(ExtractFilePath("/velnorix"), "/");
    EXPECT_EQ(ExtractFilePath("velnorix"), "");
}

TEST(UserSettingsFolder, PrefersAnAbsoluteXdgConfigHome)
{
    EXPECT_EQ(UserSettingsFolder("/cfg", "/home/u"), "/cfg/velnorix/");
    EXPECT_EQ(UserSettingsFolder(nullptr, "/home/u"), "/home/u/.config/velnorix/");
    EXPECT_EQ(UserSettingsFolder("", "/home/u"), "/home/u/.config/velnorix/");
    EXPECT_EQ(UserSettingsFolder("relative", "/home/u"), "/home/u/.config/velnorix/");
    EXPECT_EQ(UserSettingsFolder(nullptr, nullptr), "");
}

TEST(FolderReadOnly, IsFalseForAWritableOrMissingFolder)
{
    TempFolder folder;
    EXPECT_FALSE(FolderReadOnly(folder.path().string() + "/"));
    EXPECT_FALSE(FolderReadOnly(folder / "missing/"));
    EXPECT_TRUE(FolderReadOnly("/proc/self/"));
}

} // namespace
