#include "reports.h"

#include <array>
#include <string_view>

namespace velnorix {

namespace {
constexpr std::string_view LineEnd = "\r\n";
}

std::string LanAdrReport(const TIPAddress &address, bool bChinese)
{
    static constexpr std::array<std::string_view, 7> Chinese = {
        "IP地址:", "掩码:", "网关地址:", "网络分段数:", "网络地址:", "网络地址类型:", "默认掩码：",
    };
    static constexpr std::array<std::string_view, 7> English = {
        "IP Addr:", "Mask:", "Gate Addr:", "Net Segments Count:", "Net Addr:", "IP Addr Kind:", "Default Mask：",
    };
    const std::array<std::string, 7> values = {
        address.GetAddressText(),
        address.GetMaskText(),
        address.GetGateText(),
        std::to_string(address.IPSegCount),
        address.GetNetText(),
        address.AddrKind,
        TIPAddress::GetDefaultMask(address.AddrKind),
    };
    const auto &labels = bChinese ? Chinese : English;
    std::string text;
    for (std::size_t line = 0; line < values.size(); ++line)
        text.append(labels[line]).append(values[line]).append(LineEnd);
    return text;
}

} // namespace velnorix
