#include "reports.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace velnorix;

namespace {

std::string LanReport(std::string_view addressText, std::string_view mask, bool chinese)
{
    TIPAddress address;
    address.SetAddress(addressText);
    address.SetMask(mask);
    address.SetGate("172.16.1.1");
    address.IPSegCount = 1;
    address.ComputeNet();
    address.AddrKind = TIPAddress::GetKind(address.AddrBytes[3]);
    return LanAdrReport(address, chinese);
}

TEST(LanAdrReport, WorkedExampleInChinese)
{
    EXPECT_EQ(LanReport("172.16.1.2", "255.255.0.0", true),
              "IP地址:172.16.1.2\r\n"
              "掩码:255.255.0.0\r\n"
              "网关地址:172.16.1.1\r\n"
              "网络分段数:1\r\n"
              "网络地址:172.16.0.0\r\n"
              "网络地址类型:B\r\n"
              "默认掩码：255.255.0.0\r\n");
}

TEST(LanAdrReport, WorkedExampleInEnglish)
{
    EXPECT_EQ(LanReport("172.16.1.2", "255.255.0.0", false),
              "IP Addr:172.16.1.2\r\n"
              "Mask:255.255.0.0\r\n"
              "Gate Addr:172.16.1.1\r\n"
              "Net Segments Count:1\r\n"
              "Net Addr:172.16.0.0\r\n"
              "IP Addr Kind:B\r\n"
              "Default Mask：255.255.0.0\r\n");
}

struct KindCase {
    std::string_view address;
    std::string_view mask;
    std::string_view lastLines; // lines 5 to 7, after their labels
};

class LanAdrReportKinds : public testing::TestWithParam<KindCase> {};

TEST_P(LanAdrReportKinds, NameTheClassOfTheAddressAndItsDefaultMask)
{
    const auto &[address, mask, lastLines] = GetParam();
    for (const bool chinese : {true, false}) {
        const std::string report = LanReport(address, mask, chinese);
        const auto line5 = report.find(chinese ? "网络地址:" : "Net Addr:");
        ASSERT_NE(line5, std::string::npos);
        std::string values = report.substr(line5);
        for (std::string_view label : {"网络地址:", "网络地址类型:", "默认掩码：", "Net Addr:", "IP Addr Kind:", "Default Mask："})
            if (const auto at = values.find(label); at != std::string::npos)
                values.erase(at, label.size());
        EXPECT_EQ(values, lastLines) << (chinese ? "Chinese" : "English");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanAdrReportKinds,
    testing::Values(KindCase{"10.1.2.3", "255.0.0.0", "10.0.0.0\r\nA\r\n255.0.0.0\r\n"},
                    KindCase{"192.168.1.100", "255.255.255.0", "192.168.1.0\r\nC\r\n255.255.255.0\r\n"},
                    // the class follows the address, not the mask
                    KindCase{"172.16.1.2", "255.255.255.0", "172.16.1.0\r\nB\r\n255.255.0.0\r\n"},
                    KindCase{"224.0.0.5", "255.255.255.0", "224.0.0.0\r\nD\r\n\r\n"},
                    KindCase{"245.1.1.1", "255.0.0.0", "245.0.0.0\r\nE\r\n\r\n"},
                    KindCase{"250.1.1.1", "255.0.0.0", "250.0.0.0\r\n未知网络地址类型\r\n\r\n"}));

TEST(LanAdrReport, ShowsTheSegmentCountAsSignedDecimal)
{
    TIPAddress address;
    address.IPSegCount = -3;
    EXPECT_NE(LanAdrReport(address, true).find("\r\n网络分段数:-3\r\n"), std::string::npos);
}

TEST(BroadcastReport, GivesTheAddressWithBothLabels)
{
    const std::tuple<std::string_view, std::string_view, std::string_view> cases[] = {
        {"172.16.1.2", "255.255.0.0", "172.16.255.255"},   {"192.168.1.100", "255.255.255.0", "192.168.1.255"},
        {"10.1.2.3", "255.0.0.0", "10.255.255.255"},       {"172.16.1.2", "255.255.255.192", "172.16.1.63"},
        {"172.16.1.2", "0.0.0.0", "255.255.255.255"},      {"172.16.1.2", "255.255.255.255", "172.16.1.2"},
    };
    for (const auto &[addressText, mask, broadcast] : cases) {
        TIPAddress address;
        address.SetAddress(addressText);
        address.SetMask(mask);
        EXPECT_EQ(BroadcastReport(address),
                  "广播地址:" + std::string(broadcast) + "\r\nBoardCast IP Addr:" + std::string(broadcast) + "\r\n");
    }
}

// What the panel shows after a clear and the subnet report.
std::string SubnetPanel(std::string_view segments, std::string_view beginBits, std::string_view beginAddress)
{
    PanelAppender panel(false);
    SubnetReport(SubnetDivision::FromFields(segments, beginBits, beginAddress), panel);
    return std::string(panel.Text());
}

TEST(SubnetReport, ListsTheHeadingsThenEveryGroupAfterAnEmptyLine)
{
    EXPECT_EQ(SubnetPanel("4", "24", "192.168.1.0"),
              "子网位数:2\n"
              "网络地址位：24\n"
              "网络位总数：26\n"
              "计算出的子网掩码：255.255.255.192\n"
              "每段IP数量(含广播地址):63\n"
              "\n第0组有效网络开始地址:192.168.1.0\n第0组网络有效结束地址:192.168.1.62\n第0组网络广播地址:192.168.1.63\n"
              "\n第1组有效网络开始地址:192.168.1.64\n第1组网络有效结束地址:192.168.1.126\n第1组网络广播地址:192.168.1.127\n"
              "\n第2组有效网络开始地址:192.168.1.128\n第2组网络有效结束地址:192.168.1.190\n第2组网络广播地址:192.168.1.191\n"
              "\n第3组有效网络开始地址:192.168.1.192\n第3组网络有效结束地址:192.168.1.254\n第3组网络广播地址:192.168.1.255\n");
}

struct GroupCase {
    std::string_view segments, beginBits, beginAddress;
    std::string_view heading; // the five heading lines, joined by spaces
    int groups;
    int group;
    std::string_view start, end, broadcast;
};

class SubnetGroups : public testing::TestWithParam<GroupCase> {};

TEST_P(SubnetGroups, ShowTheirStartLastAndBroadcastAddress)
{
    const GroupCase &c = GetParam();
    const std::string panel = SubnetPanel(c.segments, c.beginBits, c.beginAddress);
    std::string heading = panel.substr(0, panel.find("\n\n"));
    std::replace(heading.begin(), heading.end(), '\n', ' ');
    EXPECT_EQ(heading, c.heading);

    const std::string number = std::to_string(c.group);
    EXPECT_NE(panel.find("\n\n第" + number + "组有效网络开始地址:" + std::string(c.start) + "\n第" + number
                         + "组网络有效结束地址:" + std::string(c.end) + "\n第" + number + "组网络广播地址:"
                         + std::string(c.broadcast) + "\n"),
              std::string::npos);
    EXPECT_EQ(std::count(panel.begin(), panel.end(), '\n'), 5 + 4 * c.groups);
    EXPECT_EQ(panel.find("第" + std::to_string(c.groups) + "组"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SubnetGroups,
    testing::Values(
        GroupCase{"1", "24", "172.64.3.0", "子网位数:0 网络地址位：24 网络位总数：24 计算出的子网掩码：255.255.255.0 每段IP数量(含广播地址):255",
                  1, 0, "172.64.3.0", "172.64.3.254", "172.64.3.255"},
        GroupCase{"3", "16", "10.0.0.0", "子网位数:2 网络地址位：16 网络位总数：18 计算出的子网掩码：255.255.192.0 每段IP数量(含广播地址):16383",
                  4, 3, "10.0.192.0", "10.0.255.254", "10.0.255.255"},
        GroupCase{"4", "22", "172.64.0.0", "子网位数:2 网络地址位：22 网络位总数：24 计算出的子网掩码：255.255.255.0 每段IP数量(含广播地址):255",
                  4, 3, "172.64.3.0", "172.64.3.254", "172.64.3.255"},
        GroupCase{"64", "20", "172.64.0.0", "子网位数:6 网络地址位：20 网络位总数：26 计算出的子网掩码：255.255.255.192 每段IP数量(含广播地址):63",
                  64, 4, "172.64.1.0", "172.64.1.62", "172.64.1.63"},
        GroupCase{"5", "8", "10.0.0.0", "子网位数:3 网络地址位：8 网络位总数：11 计算出的子网掩码：255.224.0.0 每段IP数量(含广播地址):2097151",
                  8, 7, "10.224.0.0", "10.255.255.254", "10.255.255.255"},
        GroupCase{"128", "24", "192.168.1.0", "子网位数:7 网络地址位：24 网络位总数：31 计算出的子网掩码：255.255.255.254 每段IP数量(含广播地址):1",
                  128, 127, "192.168.1.254", "192.168.1.254", "192.168.1.255"},
        GroupCase{"257", "8", "10.0.0.0", "子网位数:9 网络地址位：8 网络位总数：17 计算出的子网掩码：255.255.128.0 每段IP数量(含广播地址):32767",
                  512, 511, "10.255.128.0", "10.255.255.254", "10.255.255.255"},
        GroupCase{"1", "32", "1.2.3.4", "子网位数:0 网络地址位：32 网络位总数：32 计算出的子网掩码：255.255.255.255 每段IP数量(含广播地址):0",
                  1, 0, "1.2.3.4", "1.2.3.4", "1.2.3.4"},
        GroupCase{"1", "1", "0.0.0.0", "子网位数:0 网络地址位：1 网络位总数：1 计算出的子网掩码：128.0.0.0 每段IP数量(含广播地址):2147483647",
                  1, 0, "0.0.0.0", "127.255.255.254", "127.255.255.255"}));

// The group numbers are counted up in their text, so every carry counts.
TEST(SubnetReport, NumbersTheGroupsInOrderUpToTheLast)
{
    const std::string panel = SubnetPanel("65536", "8", "10.0.0.0");
    std::size_t at = 0;
    for (int group = 0; group < 65536; ++group) {
        const std::string number = "第" + std::to_string(group) + "组";
        for (std::string_view line : {"有效网络开始地址:", "网络有效结束地址:", "网络广播地址:"}) {
            at = panel.find("\n" + number + std::string(line), at);
            ASSERT_NE(at, std::string::npos) << number << line;
        }
    }
}

// What the panel shows after a clear and the mask report.
std::string MaskPanel(std::string_view computers)
{
    PanelAppender panel(false);
    MaskReport(ComputerMask::FromField(computers), panel);
    return std::string(panel.Text());
}

TEST(MaskReport, NamesTheAddressTotalTheMaskAndTheComputers)
{
    EXPECT_EQ(MaskPanel("64"), "计算出可以容纳66台计算机联网的掩码值:255.255.255.128\n"
                               "\n"
                               "在该计算中包含了两个保留地址（网络地址和广播地址）。\n"
                               "实际用户联网总计算机数为：64\n");
    EXPECT_EQ(MaskPanel("-2"), "计算出可以容纳0台计算机联网的掩码值:255.255.255.255\n"
                               "\n"
                               "在该计算中包含了两个保留地址（网络地址和广播地址）。\n"
                               "实际用户联网总计算机数为：-2\n");
    EXPECT_EQ(MaskPanel("2147483645").substr(0, 72), "计算出可以容纳2147483647台计算机联网的掩码值:128.0.0.0\n");
}

} // namespace
