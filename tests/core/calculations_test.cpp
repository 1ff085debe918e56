#include "calculations.h"
#include "conversion.h"
#include "exceptions.h"

#include <gtest/gtest.h>

#include <string>

using namespace velnorix;

namespace {

std::uint32_t Address(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d)
{
    return a << 24 | b << 16 | c << 8 | d;
}

TEST(ScanBeginAddress, ReadsFourNumbersCompletingMissingOnesWithZero)
{
    const std::pair<std::string_view, std::uint32_t> cases[] = {
        {"172.64.3.0", Address(172, 64, 3, 0)},
        {"10", Address(10, 0, 0, 0)},
        {"10.1", Address(10, 1, 0, 0)},
        {"10.1.", Address(10, 1, 0, 0)},
        {"", 0},
        {"abc", 0},
        {" 1. 2.\t3. +4", Address(1, 2, 3, 4)},        // blanks before each number are skipped
        {"1 .2.3.4", Address(1, 0, 0, 0)},             // a dot must follow its number at once
        {"1.2.3.4.5 and more", Address(1, 2, 3, 4)},   // text after the fourth number is ignored
        {"1.x.3.4", Address(1, 0, 0, 0)},
        {"256.-1.300.-256", Address(0, 255, 44, 0)},   // each number modulo 256
        {"99999999999999999999.1.1.1", Address(255, 1, 1, 1)},
    };
    for (const auto &[text, address] : cases)
        EXPECT_EQ(ScanBeginAddress(text), address) << "text: '" << text << "'";
}

struct DivisionCase {
    std::string_view segments;
    std::string_view beginBits;
    std::int32_t subnetBits;
    std::uint32_t groupCount;
    std::uint32_t mask;
    std::uint32_t perSegment;
};

class SubnetDivisions : public testing::TestWithParam<DivisionCase> {};

TEST_P(SubnetDivisions, RoundTheSegmentCountUpToAPowerOfTwo)
{
    const DivisionCase &expected = GetParam();
    const auto division = SubnetDivision::FromFields(expected.segments, expected.beginBits, "10.0.0.0");
    EXPECT_EQ(division.SubnetBits, expected.subnetBits);
    EXPECT_EQ(division.GroupCount(), expected.groupCount);
    EXPECT_EQ(division.Mask(), expected.mask);
    EXPECT_EQ(division.PerSegmentCount(), expected.perSegment);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SubnetDivisions,
    testing::Values(DivisionCase{"1", "24", 0, 1, Address(255, 255, 255, 0), 255},
                    DivisionCase{"0", "24", 0, 1, Address(255, 255, 255, 0), 255},
                    DivisionCase{"-7", "24", 0, 1, Address(255, 255, 255, 0), 255},
                    DivisionCase{"2", "24", 1, 2, Address(255, 255, 255, 128), 127},
                    DivisionCase{"3", "16", 2, 4, Address(255, 255, 192, 0), 16383},
                    DivisionCase{"5", "8", 3, 8, Address(255, 224, 0, 0), (1u << 21) - 1},
                    DivisionCase{"256", "8", 8, 256, Address(255, 255, 0, 0), 65535},
                    DivisionCase{"257", "8", 9, 512, Address(255, 255, 128, 0), 32767},
                    DivisionCase{"$10000", "0", 16, 65536, Address(255, 255, 0, 0), 65535},
                    DivisionCase{"1", "1", 0, 1, Address(128, 0, 0, 0), 0x7FFFFFFF},
                    DivisionCase{"2", "0", 1, 2, Address(128, 0, 0, 0), 0x7FFFFFFF},
                    DivisionCase{"1", "32", 0, 1, 0xFFFFFFFF, 0},
                    DivisionCase{"65536", "16", 16, 65536, 0xFFFFFFFF, 0}));

TEST(SubnetDivision, PutsTheGroupNumberIntoTheSubnetFieldAcrossOctets)
{
    const auto division = SubnetDivision::FromFields("64", "20", "172.64.0.0");
    EXPECT_EQ(division.GroupStart(1), Address(172, 64, 0, 64));
    EXPECT_EQ(division.GroupStart(4), Address(172, 64, 1, 0));
    EXPECT_EQ(division.GroupStart(63), Address(172, 64, 15, 192));
    EXPECT_EQ(division.GroupEnd(division.GroupStart(63)), Address(172, 64, 15, 254));
    EXPECT_EQ(division.GroupBroadcast(division.GroupStart(63)), Address(172, 64, 15, 255));
}

TEST(SubnetDivision, KeepsBitsTheBeginAddressHasSet)
{
    const auto division = SubnetDivision::FromFields("4", "24", "192.168.1.65");
    EXPECT_EQ(division.GroupStart(0), Address(192, 168, 1, 65));
    EXPECT_EQ(division.GroupStart(1), Address(192, 168, 1, 65));
    EXPECT_EQ(division.GroupStart(2), Address(192, 168, 1, 193));
    // the arithmetic carries into the next octet and wraps at the top
    EXPECT_EQ(division.GroupBroadcast(division.GroupStart(3)), Address(192, 168, 2, 0));
    EXPECT_EQ(SubnetDivision::FromFields("1", "24", "255.255.255.1").GroupBroadcast(0xFFFFFF01), 0u);
}

TEST(SubnetDivision, AOneAddressSegmentEndsWhereItStarts)
{
    const auto division = SubnetDivision::FromFields("2", "31", "10.0.0.0");
    EXPECT_EQ(division.GroupEnd(division.GroupStart(1)), Address(10, 0, 0, 1));
    EXPECT_EQ(division.GroupBroadcast(division.GroupStart(1)), Address(10, 0, 0, 1));
}

std::string Refusal(auto read)
{
    try {
        read();
    } catch (const Exception &error) {
        return error.Message();
    }
    return "accepted";
}

TEST(SubnetDivision, RefusesInputWithoutADefinedResultNamingTheFieldAndRange)
{
    const std::tuple<std::string_view, std::string_view, std::string_view> cases[] = {
        // conversion errors first, the segment count's before the begin bits'
        {"abc", "x", "'abc' is not a valid integer value"},
        {"", "24", "'' is not a valid integer value"},
        {"1", "24a", "'24a' is not a valid integer value"},
        {"99999", "x", "'x' is not a valid integer value"},
        {"65537", "8", "网络地址分段数不能大于65536\nNet IP Segment Count must not be greater than 65536"},
        {"2147483647", "-1", "网络地址分段数不能大于65536\nNet IP Segment Count must not be greater than 65536"},
        {"1", "-1",
         "从高位全1开始的位数必须在1到32之间（网络位总数为1到32）\n"
         "From HignBit All 1 Count must be between 1 and 32 (1 to 32 network bits in all)"},
        {"1", "0",
         "从高位全1开始的位数必须在1到32之间（网络位总数为1到32）\n"
         "From HignBit All 1 Count must be between 1 and 32 (1 to 32 network bits in all)"},
        {"4", "31",
         "从高位全1开始的位数必须在0到30之间（网络位总数为1到32）\n"
         "From HignBit All 1 Count must be between 0 and 30 (1 to 32 network bits in all)"},
        {"65536", "-2147483648",
         "从高位全1开始的位数必须在0到16之间（网络位总数为1到32）\n"
         "From HignBit All 1 Count must be between 0 and 16 (1 to 32 network bits in all)"},
    };
    for (const auto &[segments, beginBits, message] : cases)
        EXPECT_EQ(Refusal([&] { SubnetDivision::FromFields(segments, beginBits, "10.0.0.0"); }), message)
            << segments << " / " << beginBits;
}

TEST(ComputerMask, GivesTheSmallestSegmentHoldingTheComputersAndTwoReservedAddresses)
{
    const std::tuple<std::string_view, std::int32_t, std::int32_t, std::uint32_t> cases[] = {
        {"-2", 0, 0, Address(255, 255, 255, 255)},      {"-1", 1, 0, Address(255, 255, 255, 255)},
        {"0", 2, 1, Address(255, 255, 255, 254)},       {"1", 3, 2, Address(255, 255, 255, 252)},
        {"2", 4, 2, Address(255, 255, 255, 252)},       {"14", 16, 4, Address(255, 255, 255, 240)},
        {"62", 64, 6, Address(255, 255, 255, 192)},     {"63", 65, 7, Address(255, 255, 255, 128)},
        {"64", 66, 7, Address(255, 255, 255, 128)},     {"126", 128, 7, Address(255, 255, 255, 128)},
        {"254", 256, 8, Address(255, 255, 255, 0)},     {"255", 257, 9, Address(255, 255, 254, 0)},
        {"1000", 1002, 10, Address(255, 255, 252, 0)},  {"1073741822", 1073741824, 30, Address(192, 0, 0, 0)},
        {"2147483645", 2147483647, 31, Address(128, 0, 0, 0)},
    };
    for (const auto &[count, total, hostBits, mask] : cases) {
        const auto computers = ComputerMask::FromField(count);
        EXPECT_EQ(computers.AddressTotal, total) << count;
        EXPECT_EQ(computers.HostBits(), hostBits) << count;
        EXPECT_EQ(computers.Mask(), mask) << count;
        EXPECT_EQ(computers.Computers(), StrToInt(count));
    }
}

TEST(ComputerMask, RefusesCountsWhoseAddressTotalHasNoMeaning)
{
    const std::string range = "网段中需包含的计算机数必须在-2到2147483645之间\n"
                              "Subnet Computers Count must be between -2 and 2147483645";
    EXPECT_EQ(Refusal([] { ComputerMask::FromField("-3"); }), range);
    EXPECT_EQ(Refusal([] { ComputerMask::FromField("2147483646"); }), range);
    EXPECT_EQ(Refusal([] { ComputerMask::FromField("-2147483648"); }), range);
    EXPECT_EQ(Refusal([] { ComputerMask::FromField("64 computers"); }), "'64 computers' is not a valid integer value");
}

} // namespace
