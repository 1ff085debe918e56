#include "fileio.h"

#include "tempfolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace velnorix;
namespace fs = std::filesystem;

namespace {

TEST(ReadWholeFile, GivesTheBytesOfARegularFileOnly)
{
    TempFolder folder;
    const std::string bytes("a\0b\r\n\xff", 6);
    WriteBytes(folder / "f", bytes);
    EXPECT_EQ(ReadWholeFile(folder / "f"), bytes);
    EXPECT_EQ(ReadWholeFile(folder / "missing"), std::nullopt);
    EXPECT_EQ(ReadWholeFile(folder.path().string()), std::nullopt);
}

TEST(ReadFile, ReadsUpToTheLimitAndRefusesALargerFileUntouched)
{
    TempFolder folder;
    WriteBytes(folder / "f", "12345");
    std::string content = "before";
    EXPECT_EQ(ReadFile(folder / "f", 4, content), ReadResult::TooLarge);
    EXPECT_EQ(content, "before");
    EXPECT_EQ(ReadFile(folder / "missing", 5, content), ReadResult::CannotOpen);
    EXPECT_EQ(ReadFile(folder / "f", 5, content), ReadResult::Read);
    EXPECT_EQ(content, "12345");
}

// A named pipe with no writer: opening it to read would wait for one forever.
TEST(ReadFile, RefusesANamedPipeWithoutWaitingForAWriter)
{
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    ::alarm(10); // ends the test program should the read wait after all
    std::string content;
    EXPECT_EQ(ReadFile(folder / "pipe", 5, content), ReadResult::CannotOpen);
    EXPECT_EQ(ReadWholeFile(folder / "pipe"), std::nullopt);
    ::alarm(0);
}

TEST(ReadFile, RefusesAHugeFileWithoutAllocatingIt)
{
    TempFolder folder;
    WriteBytes(folder / "huge", "");
    std::error_code error;
    fs::resize_file(folder / "huge", std::uintmax_t{1} << 40, error); // sparse: takes no disk space
    if (error)
        GTEST_SKIP() << "no sparse file of 1 TiB here: " << error.message();
    std::string content;
    EXPECT_EQ(ReadFile(folder / "huge", 1 << 20, content), ReadResult::TooLarge);
    EXPECT_EQ(content.capacity(), std::string().capacity());
}

TEST(WriteFileAtomically, CreatesOrReplacesTheFileAndLeavesNothingElse)
{
    TempFolder folder;
    EXPECT_EQ(WriteFileAtomically(folder / "f", "first"), WriteResult::Written);
    EXPECT_EQ(WriteFileAtomically(folder / "f", "second"), WriteResult::Written);
    EXPECT_EQ(ReadBytes(folder / "f"), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(WriteFileAtomically, KeepsThePermissionBitsOfTheFileItReplaces)
{
    TempFolder folder;
    WriteBytes(folder / "f", "old");
    chmod((folder / "f").c_str(), 0640);
    ASSERT_EQ(WriteFileAtomically(folder / "f", "new"), WriteResult::Written);
    struct stat info;
    stat((folder / "f").c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(WriteFileAtomically, ReplacesTheFileALinkNamesAndKeepsTheLink)
{
    TempFolder folder;
    fs::create_directory(folder / "real");
    WriteBytes(folder / "real/f", "old");
    fs::create_symlink("real/f", folder / "link");
    ASSERT_EQ(WriteFileAtomically(folder / "link", "new"), WriteResult::Written);
    EXPECT_TRUE(fs::is_symlink(folder / "link"));
    EXPECT_EQ(ReadBytes(folder / "real/f"), "new");
}

TEST(WriteFileAtomically, FailsWithoutTouchingWhatIsThere)
{
    TempFolder folder;
    EXPECT_EQ(WriteFileAtomically(folder / "missing/f", "x"), WriteResult::CannotCreate);
    fs::create_directory(folder / "dir");
    WriteBytes(folder / "dir/inside", "kept");
    EXPECT_EQ(WriteFileAtomically(folder / "dir", "x"), WriteResult::CannotCreate);
    EXPECT_EQ(ReadBytes(folder / "dir/inside"), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

} // namespace
