#include "reports.h"

#include <gtest/gtest.h>

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

} // namespace
