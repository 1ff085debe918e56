#include "reports.h"

#include "conversion.h"

#include <array>
#include <string_view>
#include <vector>

namespace velnorix {

namespace {
constexpr std::string_view LineEnd = "\r\n";

// Builds one report line in a buffer that keeps its capacity from line to line.
class Line {
public:
    Line &operator<<(std::string_view piece)
    {
        text.append(piece);
        return *this;
    }
    Line &operator<<(std::int64_t number)
    {
        AppendDecimal(text, number);
        return *this;
    }
    Line &Address(std::uint32_t address)
    {
        AppendDotted(text, address);
        return *this;
    }
    // Appends the line to the panel and starts the next one.
    void AddTo(PanelAppender &panel)
    {
        panel.Add(text);
        text.clear();
    }

private:
    std::string text;
};

} // namespace

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

std::string BroadcastReport(TIPAddress &address)
{
    const std::string broadcast = address.GetBroadcastText();
    return "广播地址:" + broadcast + std::string(LineEnd) + "BoardCast IP Addr:" + broadcast + std::string(LineEnd);
}

void SubnetReport(const SubnetDivision &division, PanelAppender &panel)
{
    Line line;
    (line << "子网位数:" << division.SubnetBits).AddTo(panel);
    (line << "网络地址位：" << division.BeginBits).AddTo(panel);
    (line << "网络位总数：" << division.TotalBits()).AddTo(panel);
    (line << "计算出的子网掩码：").Address(division.Mask()).AddTo(panel);
    (line << "每段IP数量(含广播地址):" << division.PerSegmentCount()).AddTo(panel);

    std::vector<std::uint32_t> starts(division.GroupCount());
    for (std::uint32_t group = 0; group < starts.size(); ++group)
        starts[group] = division.GroupStart(group);

    for (std::uint32_t group = 0; group < starts.size(); ++group) {
        const std::uint32_t start = starts[group];
        (line << LineEnd << "第" << group << "组有效网络开始地址:").Address(start).AddTo(panel);
        (line << "第" << group << "组网络有效结束地址:").Address(division.GroupEnd(start)).AddTo(panel);
        (line << "第" << group << "组网络广播地址:").Address(division.GroupBroadcast(start)).AddTo(panel);
    }
}

void MaskReport(const ComputerMask &computers, PanelAppender &panel)
{
    Line line;
    (line << "计算出可以容纳" << computers.AddressTotal << "台计算机联网的掩码值:").Address(computers.Mask());
    (line << LineEnd).AddTo(panel);
    (line << "在该计算中包含了两个保留地址（网络地址和广播地址）。").AddTo(panel);
    (line << "实际用户联网总计算机数为：" << computers.Computers()).AddTo(panel);
}

} // namespace velnorix
