// Runs the built velnorix-cli as a script would and checks what it prints.

#include "tempfolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <vector>

namespace {

struct Outcome {
    int exitCode = -1;
    std::string out, err;
};

Outcome RunCli(std::vector<std::string> arguments)
{
    TempFolder folder;
    const std::string out = folder / "out", err = folder / "err";
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    arguments.insert(arguments.begin(), VELNORIX_CLI);
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    Outcome outcome;
    pid_t child = 0;
    int status = 0;
    if (posix_spawn(&child, VELNORIX_CLI, &files, nullptr, argv.data(), environ) == 0
        && waitpid(child, &status, 0) == child && WIFEXITED(status))
        outcome.exitCode = WEXITSTATUS(status);
    posix_spawn_file_actions_destroy(&files);
    outcome.out = ReadBytes(out);
    outcome.err = ReadBytes(err);
    return outcome;
}

struct CliCase {
    std::vector<std::string> arguments;
    std::string out;
};

class Reports : public testing::TestWithParam<CliCase> {};

TEST_P(Reports, PrintThePanelTextWithoutTrailingEmptyLines)
{
    const Outcome outcome = RunCli(GetParam().arguments);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out, GetParam().out);
    EXPECT_EQ(outcome.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Reports,
    testing::Values(
        CliCase{{"network"},
                "IP地址:172.16.1.2\n掩码:255.255.0.0\n网关地址:172.16.1.1\n网络分段数:1\n网络地址:172.16.0.0\n"
                "网络地址类型:B\n默认掩码：255.255.0.0\n"},
        CliCase{{"network", "--lang", "en", "--address=224.0.0.5", "--segments", "-3"},
                "IP Addr:224.0.0.5\nMask:255.255.0.0\nGate Addr:172.16.1.1\nNet Segments Count:-3\nNet Addr:224.0.0.0\n"
                "IP Addr Kind:D\nDefault Mask：\n"},
        // an empty address keeps the record's octets, which start at zero
        CliCase{{"network", "--address="},
                "IP地址:0.0.0.0\n掩码:255.255.0.0\n网关地址:172.16.1.1\n网络分段数:1\n网络地址:0.0.0.0\n"
                "网络地址类型:A\n默认掩码：255.0.0.0\n"},
        CliCase{{"broadcast", "--address", "10.1.2.3", "--mask", "255.0.0.0"},
                "广播地址:10.255.255.255\nBoardCast IP Addr:10.255.255.255\n"},
        CliCase{{"subnet"},
                "子网位数:0\n网络地址位：24\n网络位总数：24\n计算出的子网掩码：255.255.255.0\n每段IP数量(含广播地址):255\n"
                "\n第0组有效网络开始地址:172.64.3.0\n第0组网络有效结束地址:172.64.3.254\n第0组网络广播地址:172.64.3.255\n"},
        CliCase{{"mask", "--computers", "255"},
                "计算出可以容纳257台计算机联网的掩码值:255.255.254.0\n\n在该计算中包含了两个保留地址（网络地址和广播地址）。\n"
                "实际用户联网总计算机数为：255\n"}));

TEST(VelnorixCli, StreamsTheLargestSubnetReportWhole)
{
    const Outcome outcome =
        RunCli({"subnet", "--segments", "65536", "--begin-bits", "8", "--begin-address", "10.0.0.0"});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 5 + 4 * 65536); // every line ends in one break
    EXPECT_TRUE(outcome.out.starts_with("子网位数:16\n网络地址位：8\n"));
    EXPECT_TRUE(outcome.out.ends_with("\n\n第65535组有效网络开始地址:10.255.255.0\n第65535组网络有效结束地址:10.255.255.254\n"
                                      "第65535组网络广播地址:10.255.255.255\n"));
}

TEST(VelnorixCli, RefusedInputGoesToStandardErrorAsTheErrorBoxShowsIt)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"network", "--segments="}, "'' is not a valid integer value.\n"},
        {{"broadcast", "--segments", "abc"}, "'abc' is not a valid integer value.\n"},
        {{"subnet", "--segments", "x", "--begin-bits", "y"}, "'x' is not a valid integer value.\n"},
        {{"subnet", "--segments", "65537"},
         "网络地址分段数不能大于65536\nNet IP Segment Count must not be greater than 65536.\n"},
        {{"mask", "--computers=2147483646"},
         "网段中需包含的计算机数必须在-2到2147483645之间\nSubnet Computers Count must be between -2 and 2147483645.\n"},
    };
    for (const auto &[arguments, err] : cases) {
        const Outcome outcome = RunCli(arguments);
        EXPECT_EQ(outcome.exitCode, 1) << arguments[1];
        EXPECT_EQ(outcome.out, "") << arguments[1];
        EXPECT_EQ(outcome.err, err) << arguments[1];
    }
}

TEST(VelnorixCli, UsageErrorsPrintTheUsageAndExitWithTwo)
{
    for (const std::vector<std::string> &arguments :
         std::vector<std::vector<std::string>>{{}, {"subnet", "--lang", "en"}, {"mask", "--computers"}}) {
        const Outcome outcome = RunCli(arguments);
        EXPECT_EQ(outcome.exitCode, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find("Usage:\n  velnorix-cli network"), std::string::npos) << outcome.err;
    }
    const Outcome help = RunCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.starts_with("Usage:\n")) << help.out;
    EXPECT_EQ(RunCli({"--version"}).out, "velnorix-cli 2023.0.0\n");
}

} // namespace
