#include "Uipaddress.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace velnorix;

namespace {

OctetArray Parsed(std::string_view text, std::string_view before = "0.0.0.0")
{
    OctetArray bytes{};
    TIPAddress::TextToBytes(before, bytes);
    TIPAddress::TextToBytes(text, bytes);
    return bytes;
}

struct ParseCase {
    std::string_view text;
    std::string_view before;
    std::string_view expected;
};

class DottedTextParsing : public testing::TestWithParam<ParseCase> {};

TEST_P(DottedTextParsing, GivesTheOctetsOfEachPart)
{
    const auto &[text, before, expected] = GetParam();
    EXPECT_EQ(DottedText(Parsed(text, before)), expected) << "text: " << text;
}

INSTANTIATE_TEST_SUITE_P(Cases, DottedTextParsing,
                         testing::Values(ParseCase{"172.16.1.2", "0.0.0.0", "172.16.1.2"},
                                         ParseCase{"192.168.1.100", "0.0.0.0", "192.168.1.100"},
                                         // missing parts keep the octets that were there
                                         ParseCase{"10.1", "172.16.1.2", "10.1.1.2"},
                                         // an empty part repeats the number before it
                                         ParseCase{"1..2.3", "0.0.0.0", "1.1.2.3"},
                                         ParseCase{".1.2.3", "9.9.9.9", "0.1.2.3"},
                                         ParseCase{"1.2.3.4.", "0.0.0.0", "1.2.3.4"},
                                         ParseCase{"5.", "9.9.9.9", "5.9.9.9"},
                                         ParseCase{".", "9.9.9.9", "0.9.9.9"},
                                         // numbers are reduced to their low eight bits
                                         ParseCase{"300.1.1.1", "0.0.0.0", "44.1.1.1"},
                                         ParseCase{"-1.0.0.0", "0.0.0.0", "255.0.0.0"},
                                         ParseCase{"99999999999999999999.1.1.1", "0.0.0.0", "255.1.1.1"},
                                         ParseCase{"-4294967297.2.3.4", "0.0.0.0", "255.2.3.4"},
                                         // a number is read from the start of its part only
                                         ParseCase{" 12.3.4.5", "0.0.0.0", "12.3.4.5"},
                                         ParseCase{"12abc.1.1.1", "0.0.0.0", "12.1.1.1"},
                                         ParseCase{"abc.5.6.7", "0.0.0.0", "0.5.6.7"},
                                         ParseCase{"1. +2.-0.\t4", "0.0.0.0", "1.2.0.4"},
                                         // parts past the fourth are ignored
                                         ParseCase{"1.2.3.4.5.6", "0.0.0.0", "1.2.3.4"},
                                         ParseCase{"0001.0002.0003.0004", "0.0.0.0", "1.2.3.4"}));

TEST(DottedTextParsing, OctetOrderPutsTheFirstNumberAtIndexThree)
{
    EXPECT_EQ(Parsed("172.16.1.2"), (OctetArray{2, 1, 16, 172}));
}

TEST(DottedTextParsing, PartOfAnyLengthIsReadWhole)
{
    EXPECT_EQ(DottedText(Parsed(std::string(500, '0') + "7.1.2.3")), "7.1.2.3");
    EXPECT_EQ(DottedText(Parsed("7" + std::string(500, 'x') + ".1.2.3")), "7.1.2.3");
}

TEST(SetAddress, EmptyTextReturnsMinusOneAndKeepsTheOctets)
{
    TIPAddress address;
    EXPECT_EQ(address.SetAddress("172.16.1.2"), 0);
    EXPECT_EQ(address.SetAddress(""), -1);
    EXPECT_EQ(address.SetMask(""), -1);
    EXPECT_EQ(address.SetGate(""), -1);
    EXPECT_EQ(address.GetAddressText(), "172.16.1.2");
    EXPECT_EQ(address.GetMaskText(), "0.0.0.0");
}

TEST(SetAddress, AnyOtherTextReturnsZero)
{
    TIPAddress address;
    EXPECT_EQ(address.SetAddress("garbage"), 0);
    EXPECT_EQ(address.SetMask("."), 0);
    EXPECT_EQ(address.SetGate("1.2.3.4.5"), 0);
    EXPECT_EQ(address.GetAddressText(), "0.0.0.0");
    EXPECT_EQ(address.GetGateText(), "1.2.3.4");
}

TEST(TIPAddress, StartsAllZeroWithNoClass)
{
    TIPAddress address;
    EXPECT_EQ(address.GetAddressText(), "0.0.0.0");
    EXPECT_EQ(address.GetNetText(), "0.0.0.0");
    EXPECT_EQ(address.IPSegCount, 0);
    EXPECT_EQ(address.AddrKind, "");
}

struct NetworkCase {
    std::string_view address;
    std::string_view mask;
    std::string_view network;
    std::string_view broadcast;
};

class NetworkAndBroadcast : public testing::TestWithParam<NetworkCase> {};

TEST_P(NetworkAndBroadcast, AreComputedOctetByOctet)
{
    const auto &[text, mask, network, broadcast] = GetParam();
    TIPAddress address;
    address.SetAddress(text);
    address.SetMask(mask);
    address.ComputeNet();
    EXPECT_EQ(address.GetNetText(), network);
    address.NetBytes = {};
    EXPECT_EQ(address.GetBroadcastText(), broadcast);
    EXPECT_EQ(address.GetNetText(), network) << "the broadcast refreshes the network address";
}

INSTANTIATE_TEST_SUITE_P(Cases, NetworkAndBroadcast,
                         testing::Values(NetworkCase{"172.16.1.2", "255.255.0.0", "172.16.0.0", "172.16.255.255"},
                                         NetworkCase{"192.168.1.100", "255.255.255.0", "192.168.1.0", "192.168.1.255"},
                                         NetworkCase{"172.16.1.2", "255.255.255.192", "172.16.1.0", "172.16.1.63"},
                                         NetworkCase{"172.16.1.2", "0.0.0.0", "0.0.0.0", "255.255.255.255"},
                                         NetworkCase{"172.16.1.2", "255.255.255.255", "172.16.1.2", "172.16.1.2"},
                                         NetworkCase{"10.20.30.40", "255.0.255.0", "10.0.30.0", "10.255.30.255"}));

TEST(GetKind, FollowsTheLeadingBitsOfTheFirstOctet)
{
    const std::pair<int, std::string_view> cases[] = {
        {0, "A"},   {127, "A"}, {128, "B"}, {191, "B"}, {192, "C"},          {223, "C"},
        {224, "D"}, {239, "D"}, {240, "E"}, {247, "E"}, {248, NoAddressKind}, {255, NoAddressKind},
    };
    for (const auto &[octet, kind] : cases)
        EXPECT_EQ(TIPAddress::GetKind(static_cast<std::uint8_t>(octet)), kind) << "first octet " << octet;
}

// Octets come from a table: every value, in every position, against "%d".
TEST(AppendDotted, WritesEveryOctetValueAsPrintfDoesInEachPosition)
{
    for (int shift = 0; shift < 32; shift += 8) {
        for (std::uint32_t value = 0; value < 256; ++value) {
            const std::uint32_t address = value << shift | (shift == 0 ? 0x0A000000 : 7);
            char expected[20];
            std::snprintf(expected, sizeof expected, "%u.%u.%u.%u", address >> 24, address >> 16 & 0xFF,
                          address >> 8 & 0xFF, address & 0xFF);
            std::string text = "at:";
            AppendDotted(text, address);
            EXPECT_EQ(text, std::string("at:") + expected);
        }
    }
}

TEST(GetDefaultMask, OnlyClassesAToCHaveOne)
{
    EXPECT_EQ(TIPAddress::GetDefaultMask("A"), "255.0.0.0");
    EXPECT_EQ(TIPAddress::GetDefaultMask("B"), "255.255.0.0");
    EXPECT_EQ(TIPAddress::GetDefaultMask("C"), "255.255.255.0");
    for (std::string_view kind : {"D", "E", "a", "", "AB"})
        EXPECT_EQ(TIPAddress::GetDefaultMask(kind), "") << "kind " << kind;
    EXPECT_EQ(TIPAddress::GetDefaultMask(NoAddressKind), "");
}

} // namespace
