// The address arithmetic against a computation of its own: for a large sample
// of random inputs (a fixed seed, so a failure repeats), every address the
// reports print agrees with plain 64-bit integer arithmetic written here, which
// shares nothing with the calculator's code.

#include "calculations.h"
#include "panelappend.h"
#include "reports.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <functional>
#include <random>

using namespace velnorix;

namespace {

std::string Dotted(std::uint64_t address)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", unsigned(address >> 24 & 255), unsigned(address >> 16 & 255),
                  unsigned(address >> 8 & 255), unsigned(address & 255));
    return text;
}

// The mask whose first `bits` bits are set.
std::uint64_t PrefixMask(int bits)
{
    return (0xFFFFFFFFull << (32 - bits)) & 0xFFFFFFFFull;
}

std::string Class(std::uint64_t address)
{
    const auto first = address >> 24;
    return first <= 127 ? "A" : first <= 191 ? "B" : first <= 223 ? "C" : first <= 239 ? "D" : first <= 247 ? "E"
                                                                                                            : "未知网络地址类型";
}

class Oracle : public testing::Test {
protected:
    std::mt19937_64 random{20261211};

    std::uint64_t AnyAddress() { return random() & 0xFFFFFFFF; }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    // Half the masks are proper prefixes, half any 32 bits: the network
    // report applies whatever mask it is given.
    std::uint64_t AnyMask() { return random() % 2 ? PrefixMask(Between(0, 32)) : AnyAddress(); }

    static std::string PanelText(const std::function<void(PanelAppender &)> &report)
    {
        PanelAppender panel(false);
        report(panel);
        return std::string(panel.Text());
    }
};

TEST_F(Oracle, NetworkAndBroadcastAddresses)
{
    for (int sample = 0; sample < 100000; ++sample) {
        const std::uint64_t address = AnyAddress(), mask = AnyMask(), gate = AnyAddress();
        const std::uint64_t network = address & mask, broadcast = network | (~mask & 0xFFFFFFFF);
        TIPAddress record;
        ReadAddressFields(record, {Dotted(address), Dotted(mask), Dotted(gate), "1"});
        record.ComputeNet();
        record.AddrKind = TIPAddress::GetKind(record.AddrBytes[3]);

        const std::string report = LanAdrReport(record, false);
        const std::string expected = "IP Addr:" + Dotted(address) + "\r\nMask:" + Dotted(mask) + "\r\nGate Addr:"
                                     + Dotted(gate) + "\r\nNet Segments Count:1\r\nNet Addr:" + Dotted(network)
                                     + "\r\nIP Addr Kind:" + Class(address) + "\r\n";
        ASSERT_EQ(report.substr(0, expected.size()), expected) << Dotted(address) << " / " << Dotted(mask);
        ASSERT_EQ(BroadcastReport(record), "广播地址:" + Dotted(broadcast) + "\r\nBoardCast IP Addr:" + Dotted(broadcast)
                                               + "\r\n")
            << Dotted(address) << " / " << Dotted(mask);
    }
}

// The subnet report as the panel holds it, from first principles: a block of
// `beginBits` network bits cut into 2^b groups of 2^host addresses each.
std::string ExpectedSubnetReport(int segments, int beginBits, std::uint64_t begin)
{
    const int subnetBits = segments <= 1 ? 0 : std::bit_width(unsigned(segments - 1));
    const int total = beginBits + subnetBits, host = 32 - total;
    const std::uint64_t groupSize = 1ull << host, perSegment = groupSize - 1;
    std::string text = "子网位数:" + std::to_string(subnetBits) + "\n网络地址位：" + std::to_string(beginBits)
                       + "\n网络位总数：" + std::to_string(total) + "\n计算出的子网掩码：" + Dotted(PrefixMask(total))
                       + "\n每段IP数量(含广播地址):" + std::to_string(perSegment) + "\n";
    for (std::uint64_t group = 0; group < (1ull << subnetBits); ++group) {
        const std::uint64_t start = begin | group * groupSize;
        const std::uint64_t end = perSegment == 0 ? start : start + perSegment - 1;
        const std::string number = std::to_string(group);
        text += "\n第" + number + "组有效网络开始地址:" + Dotted(start) + "\n第" + number + "组网络有效结束地址:"
                + Dotted(end) + "\n第" + number + "组网络广播地址:" + Dotted(start + perSegment) + "\n";
    }
    return text;
}

TEST_F(Oracle, SubnetStartsEndsAndBroadcasts)
{
    for (int sample = 0; sample < 3000; ++sample) {
        // Mostly small divisions, now and then one of up to the largest.
        const int segments = sample % 100 == 0 ? Between(300, MaxSegmentCount) : Between(-3, 300);
        const int subnetBits = segments <= 1 ? 0 : std::bit_width(unsigned(segments - 1));
        const int beginBits = Between(subnetBits == 0 ? 1 : 0, 32 - subnetBits);
        // Half the begin addresses have bits set past the begin bits, which stay set.
        std::uint64_t begin = AnyAddress();
        if (sample % 2)
            begin &= PrefixMask(beginBits);

        const SubnetDivision division =
            SubnetDivision::FromFields(std::to_string(segments), std::to_string(beginBits), Dotted(begin));
        ASSERT_EQ(PanelText([&](PanelAppender &panel) { SubnetReport(division, panel); }),
                  ExpectedSubnetReport(segments, beginBits, begin))
            << segments << " segments, " << beginBits << " bits from " << Dotted(begin);
    }
}

TEST_F(Oracle, MaskForANumberOfComputers)
{
    for (int sample = 0; sample < 100000; ++sample) {
        // Counts of every magnitude, each as likely as the next.
        const std::int64_t addresses = std::uniform_int_distribution<std::int64_t>(0, (1ll << Between(0, 31)) - 1)(random);
        const std::int64_t computers = addresses - 2;
        int hostBits = 0;
        while ((1ll << hostBits) < addresses)
            ++hostBits;
        const std::string expected = "计算出可以容纳" + std::to_string(addresses) + "台计算机联网的掩码值:"
                                     + Dotted(PrefixMask(32 - hostBits))
                                     + "\n\n在该计算中包含了两个保留地址（网络地址和广播地址）。\n实际用户联网总计算机数为："
                                     + std::to_string(computers) + "\n";
        const ComputerMask mask = ComputerMask::FromField(std::to_string(computers));
        ASSERT_EQ(PanelText([&](PanelAppender &panel) { MaskReport(mask, panel); }), expected) << computers;
    }
}

} // namespace
