#include "reports.h"

#include "conversion.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace velnorix {

namespace {
constexpr char LineEnd[] = "\r\n";

// The CR LF with which a report line starts or ends, for a Line, which puts
// it down as the LF the panel turns it into.
struct LineBreak {};
constexpr LineBreak Break;

// A number in decimal, written once for the lines that show it, and counted
// up in its text.
class Decimal {
public:
    static constexpr std::size_t Longest = 20; // "-9223372036854775808"

    explicit Decimal(std::int64_t number)
        : size(static_cast<std::size_t>(std::to_chars(digits.data(), digits.data() + Longest, number).ptr - digits.data()))
    {
    }

    // The next number, for counting up from one that is not negative: the
    // digits change from the last, carried as by hand, without a division.
    Decimal &operator++()
    {
        std::size_t digit = size;
        while (digit > 0 && digits[digit - 1] == '9')
            digits[--digit] = '0';
        if (digit > 0) {
            ++digits[digit - 1];
        } else { // all nines: a one before as many zeros
            digits[0] = '1';
            digits[size++] = '0';
        }
        return *this;
    }

    const std::array<char, Longest> &Digits() const { return digits; }
    std::size_t Size() const { return size; }

private:
    std::array<char, Longest> digits;
    std::size_t size;
};

// Builds the report lines one after the other straight in the panel's
// buffer, so that even the longest report, three lines per group, neither
// touches the heap nor copies a line. Lines are a label or two and a few
// numbers, far below the room each is given. Line ends are LF as they are
// written: labels are the only pieces that can hold one.
class Line {
public:
    explicit Line(PanelAppender &panel) : panel(panel) { Start(); }

    // A label's length, and whether it holds a CR, are known when it is
    // compiled: its copy is a few moves.
    template <std::size_t Length>
    Line &operator<<(const char (&label)[Length])
    {
        const std::string_view text(label, Length - 1);
        char *at = Room(text.size());
        out = text.find('\r') == std::string_view::npos ? std::copy_n(text.data(), text.size(), at)
                                                         : WriteLfLineEnds(at, text);
        return *this;
    }
    Line &operator<<(const Decimal &number)
    {
        std::copy_n(number.Digits().data(), Decimal::Longest, Room(Decimal::Longest)); // all, a fixed-size copy
        out += number.Size();
        return *this;
    }
    Line &operator<<(std::int64_t number) { return *this << Decimal(number); }
    Line &operator<<(LineBreak)
    {
        *Room(1) = '\n';
        ++out;
        return *this;
    }
    Line &Address(std::uint32_t address)
    {
        out = WriteDotted(Room(DottedRoom), address);
        return *this;
    }
    // Appends the line to the panel and starts the next one.
    void Add()
    {
        panel.AddLine(out);
        Start();
    }

private:
    static constexpr std::size_t Longest = 256;
    PanelAppender &panel;
    char *begin = nullptr;
    char *out = nullptr;

    void Start() { begin = out = panel.LineRoom(Longest); }

    char *Room(std::size_t bytes)
    {
        if (bytes > Longest - static_cast<std::size_t>(out - begin))
            throw std::length_error("report line longer than its room");
        return out;
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
    Line line(panel);
    (line << "子网位数:" << division.SubnetBits).Add();
    (line << "网络地址位：" << division.BeginBits).Add();
    (line << "网络位总数：" << division.TotalBits()).Add();
    (line << "计算出的子网掩码：").Address(division.Mask()).Add();
    (line << "每段IP数量(含广播地址):" << division.PerSegmentCount()).Add();

    std::vector<std::uint32_t> starts(division.GroupCount());
    for (std::uint32_t group = 0; group < starts.size(); ++group)
        starts[group] = division.GroupStart(group);

    Decimal number(0); // the group's, in each of its three lines
    for (std::uint32_t group = 0; group < starts.size(); ++group, ++number) {
        const std::uint32_t start = starts[group];
        (line << Break << "第" << number << "组有效网络开始地址:").Address(start).Add();
        (line << "第" << number << "组网络有效结束地址:").Address(division.GroupEnd(start)).Add();
        (line << "第" << number << "组网络广播地址:").Address(division.GroupBroadcast(start)).Add();
    }
}

void MaskReport(const ComputerMask &computers, PanelAppender &panel)
{
    Line line(panel);
    (line << "计算出可以容纳" << computers.AddressTotal << "台计算机联网的掩码值:").Address(computers.Mask());
    (line << Break).Add();
    (line << "在该计算中包含了两个保留地址（网络地址和广播地址）。").Add();
    (line << "实际用户联网总计算机数为：" << computers.Computers()).Add();
}

} // namespace velnorix
