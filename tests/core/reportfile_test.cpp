#include "reportfile.h"

#include "exceptions.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <sys/resource.h>

using namespace velnorix;
namespace fs = std::filesystem;

namespace {

// The message of the Exception the action raises; empty when it raises none.
std::string ErrorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const Exception &error) {
        return error.Message();
    }
    return {};
}

std::size_t FilesIn(const TempFolder &folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()));
}

TEST(EncodeReportText, WritesGbkBytesWithCrLfLineEnds)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"就绪\n", "\xBE\xCD\xD0\xF7\r\n"},
        {"", ""},
        {"a\n\nb", "a\r\n\r\nb"},
        {"😀", "\x94\x39\xFC\x36"}, // outside GBK, kept by GB18030
        // One of 24 private-use characters whose GB18030 codes now stand for
        // standard characters: the C library has no form for it, so U+FFFD.
        {"a\uE854b", "a\x84\x31\xA4\x37" "b"},
    };
    for (const auto &[text, bytes] : cases)
        EXPECT_EQ(EncodeReportText(text), bytes) << text;
}

TEST(DecodeReportText, ReadsGbkOrUtf8AndEveryLineEnd)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"\xBE\xCD\xD0\xF7\r\nx\r\n", "就绪\nx\n"},
        {"a\nb\n", "a\nb\n"},
        {"a\rb\r", "a\nb\n"},
        {"a\r\n\rb\n\n", "a\n\nb\n\n"},
        {"", ""},
        {"就绪\r\n", "就绪\n"},                            // valid UTF-8
        {"\xEF\xBB\xBF就绪\r\n", "就绪\n"},                 // UTF-8 with byte-order mark
        {"a\x80" "b\xFF" "c\x81", "a\uFFFD" "b\uFFFD" "c\uFFFD"}, // not GB18030
        {"\xEF\xBB\xBF" "a\xFF", "a\uFFFD"},
        {"\xEF\xBB\xBF\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"}, // beyond U+10FFFF
    };
    for (const auto &[bytes, text] : cases)
        EXPECT_EQ(DecodeReportText(bytes), text) << bytes;
}

TEST(ReportFile, AGbkReportLoadsAndSavesBackByteForByte)
{
    TempFolder folder;
    WriteBytes(folder / "utf8", "IP地址:172.16.1.2\r\n网络地址类型:B\r\n默认掩码：255.255.0.0\r\n\r\n");
    // The fixture comes from another encoder, so both directions are checked against it.
    const std::string gbk = folder / "gbk.txt";
    ASSERT_EQ(std::system(("iconv -f UTF-8 -t GBK " + folder / "utf8" + " > " + gbk).c_str()), 0);

    const std::string text = LoadReportFile(gbk);
    EXPECT_EQ(text, "IP地址:172.16.1.2\n网络地址类型:B\n默认掩码：255.255.0.0\n\n");
    SaveReportFile(folder / "saved.txt", text);
    EXPECT_EQ(ReadBytes(folder / "saved.txt"), ReadBytes(gbk));
}

TEST(SaveReportFile, ReplacesAnExistingFile)
{
    TempFolder folder;
    WriteBytes(folder / "r.txt", "a much longer old text");
    SaveReportFile(folder / "r.txt", "new\n");
    EXPECT_EQ(ReadBytes(folder / "r.txt"), "new\r\n");
}

TEST(SaveReportFile, AFileThatCannotBeCreatedIsNamed)
{
    TempFolder folder;
    const std::string path = folder / "missing/r.txt";
    EXPECT_EQ(ErrorOf([&] { SaveReportFile(path, "x"); }), "Cannot create file " + path);
    EXPECT_EQ(FilesIn(folder), 0u);
}

// Run in a child process: a file-size limit makes writing fail part way, as a
// full disk does. The message goes to standard error, which the test reads
// from a file of its own, so the limit leaves room for it.
[[noreturn]] void SaveBeyondAFileSizeLimit(const std::string &path)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};
    setrlimit(RLIMIT_FSIZE, &limit);
    std::cerr << ErrorOf([&] { SaveReportFile(path, std::string(1000, 'x')); });
    std::_Exit(0); // leaves the folder to the parent
}

TEST(SaveReportFile, AFailedWriteKeepsTheOldFile)
{
    TempFolder folder;
    WriteBytes(folder / "r.txt", "old");
    EXPECT_EXIT(SaveBeyondAFileSizeLimit(folder / "r.txt"), testing::ExitedWithCode(0), "^Failed to Save Stream$");
    EXPECT_EQ(ReadBytes(folder / "r.txt"), "old");
    EXPECT_EQ(FilesIn(folder), 1u);
}

TEST(LoadReportFile, AMissingFileIsNamed)
{
    TempFolder folder;
    const std::string path = folder / "missing.txt";
    EXPECT_EQ(ErrorOf([&] { LoadReportFile(path); }), "Cannot open file " + path);
}

TEST(LoadReportFile, RefusesAFileOverTheLimitInBothLanguages)
{
    TempFolder folder;
    const std::string path = folder / "big.txt";
    WriteBytes(path, "");
    fs::resize_file(path, MaxReportFileSize + 1);
    EXPECT_EQ(ErrorOf([&] { LoadReportFile(path); }),
              "文件大于 64 MiB，不能打开：" + path + "\nThe file is larger than 64 MiB and cannot be opened: " + path);
}

} // namespace
