#include "commandline.h"

#include <gtest/gtest.h>

using namespace velnorix::cli;

namespace {

Request Parse(std::vector<std::string_view> arguments)
{
    return ParseCommandLine(arguments);
}

TEST(ParseCommandLine, LeavesEveryFieldAtItsInitialText)
{
    const Request request = Parse({"network"});
    EXPECT_EQ(request.action, Request::Action::Report);
    EXPECT_EQ(request.report, Report::Network);
    EXPECT_EQ(request.Address, "172.16.1.2");
    EXPECT_EQ(request.Mask, "255.255.0.0");
    EXPECT_EQ(request.Gate, "172.16.1.1");
    EXPECT_EQ(request.Segments, "1");
    EXPECT_EQ(request.BeginBits, "24");
    EXPECT_EQ(request.BeginAddress, "172.64.3.0");
    EXPECT_EQ(request.Computers, "64");
    EXPECT_TRUE(request.bChinese);
}

TEST(ParseCommandLine, TakesValuesAfterABlankOrAnEqualsSignEvenEmptyOrStartingWithADash)
{
    const Request request =
        Parse({"network", "--address=-1.0.0.0", "--mask", "-", "--gate=", "--segments", "", "--lang=en"});
    EXPECT_EQ(request.Address, "-1.0.0.0");
    EXPECT_EQ(request.Mask, "-");
    EXPECT_EQ(request.Gate, "");
    EXPECT_EQ(request.Segments, "");
    EXPECT_FALSE(request.bChinese);

    EXPECT_EQ(Parse({"subnet", "--begin-bits", "--segments"}).BeginBits, "--segments");
    EXPECT_EQ(Parse({"mask", "--computers=a=b"}).Computers, "a=b");
    EXPECT_EQ(Parse({"mask", "--computers", "1", "--computers", "2"}).Computers, "2");
}

TEST(ParseCommandLine, ReadsTheOptionsOfEachReport)
{
    const Request subnet = Parse({"subnet", "--segments", "4", "--begin-bits=22", "--begin-address", "172.64.0.0"});
    EXPECT_EQ(subnet.report, Report::Subnet);
    EXPECT_EQ(subnet.Segments, "4");
    EXPECT_EQ(subnet.BeginBits, "22");
    EXPECT_EQ(subnet.BeginAddress, "172.64.0.0");
    EXPECT_EQ(Parse({"broadcast", "--mask", "255.0.0.0"}).Mask, "255.0.0.0");
    EXPECT_EQ(Parse({"mask", "--computers", "1000"}).report, Report::Mask);
}

TEST(ParseCommandLine, AnswersHelpAndVersion)
{
    EXPECT_EQ(Parse({"--help"}).action, Request::Action::Help);
    EXPECT_EQ(Parse({"--version"}).action, Request::Action::Version);
    EXPECT_EQ(Parse({"subnet", "--segments", "4", "--help"}).action, Request::Action::Help);
}

TEST(ParseCommandLine, RefusesWhatNoReportTakes)
{
    const std::vector<std::vector<std::string_view>> cases = {
        {},
        {"netmask"},
        {"--address", "1.2.3.4"},
        {"network", "1.2.3.4"},
        {"network", "--address"},
        {"network", "--computers", "5"},  // another report's option
        {"broadcast", "--lang", "en"},    // the broadcast report has no language
        {"subnet", "--address=1.2.3.4"},
        {"network", "--lang", "fr"},
        {"network", "-address", "1.2.3.4"},
        {"network", "--"},
        {"--version", "network"},
    };
    for (const auto &arguments : cases)
        EXPECT_THROW(ParseCommandLine(arguments), UsageError) << testing::PrintToString(arguments);
}

} // namespace
