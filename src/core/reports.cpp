#include "reports.h"

#include "conversion.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace velnorix {

namespace {
constexpr char LineEnd[] = "\r\n";

// A number in decimal, written once for the several lines that show it.
class Decimal {
public:
    static constexpr std::size_t Longest = 20; // "-9223372036854775808"

    explicit Decimal(std::int64_t number)
        : size(static_cast<std::size_t>(std::to_chars(digits.data(), digits.data() + Longest, number).ptr - digits.data()))
    {
    }

    const std::array<char, Longest> &Digits() const { return digits; }
    std::size_t Size() const { return size; }

private:
    std::array<char, Longest> digits;
    std::size_t size;
};

// Builds one report line in a fixed buffer, so that even the longest report,
// three lines per group, builds its lines without touching the heap. Lines
// are a label or two and a few numbers, far below the buffer's size. Line
// ends are LF as they are written: labels are the only pieces that can hold
// one, and the panel then has no line ends left to look for.
class Line {
public:
    // A label's length, and whether it holds a CR, are known when it is
    // compiled: its copy is a few moves.
    template <std::size_t Length>
    Line &operator<<(const char (&label)[Length])
    {
        const std::string_view text(label, Length - 1);
        char *out = Room(text.size());
        char *end = text.find('\r') == std::string_view::npos ? std::copy_n(text.data(), text.size(), out)
                                                               : WriteLfLineEnds(out, text);
        size += static_cast<std::size_t>(end - out);
        return *this;
    }
    Line &operator<<(const Decimal &number)
    {
        std::copy_n(number.Digits().data(), Decimal::Longest, Room(Decimal::Longest)); // all, a fixed-size copy
        size += number.Size();
        return *this;
    }
    Line &operator<<(std::int64_t number) { return *this << Decimal(number); }
    Line &Address(std::uint32_t address)
    {
        char *out = Room(DottedRoom);
        size += static_cast<std::size_t>(WriteDotted(out, address) - out);
        return *this;
    }
    // Appends the line to the panel and starts the next one.
    void AddTo(PanelAppender &panel)
    {
        panel.AddLf({buffer.data(), size});
        size = 0;
    }

private:
    std::array<char, 256> buffer;
    std::size_t size = 0;

    char *Room(std::size_t bytes)
    {
        if (bytes > buffer.size() - size)
            throw std::length_error("report line longer than its buffer");
        return buffer.data() + size;
    }
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
        const Decimal number(group); // in each of the group's three lines
        const std::uint32_t start = starts[group];
        (line << LineEnd << "第" << number << "组有效网络开始地址:").Address(start).AddTo(panel);
        (line << "第" << number << "组网络有效结束地址:").Address(division.GroupEnd(start)).AddTo(panel);
        (line << "第" << number << "组网络广播地址:").Address(division.GroupBroadcast(start)).AddTo(panel);
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
