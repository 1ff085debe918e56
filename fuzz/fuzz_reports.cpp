// The four reports built from arbitrary field texts, each checked against the
// rules any address it prints must follow. The input holds the seven fields
// separated by NUL bytes: address, mask, gateway, segment count, begin bits,
// begin address, computers.

#include "calculations.h"
#include "check.h"
#include "exceptions.h"
#include "panelappend.h"
#include "reports.h"

#include <bit>

using namespace velnorix;

namespace {

enum Field { Address, Mask, Gate, Segments, BeginBits, BeginAddress, Computers, FieldCount };

std::string_view FieldText(const std::vector<std::string_view> &fields, Field field)
{
    return field < fields.size() ? fields[field] : std::string_view();
}

std::vector<std::string_view> PanelLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (std::size_t end; (end = text.find('\n')) != std::string_view::npos; text.remove_prefix(end + 1))
        lines.push_back(text.substr(0, end));
    REQUIRE(text.empty()); // every appended line ends in a break
    return lines;
}

bool ContiguousMask(std::uint32_t mask)
{
    const std::uint32_t hosts = ~mask;
    return (hosts & (hosts + 1)) == 0;
}

// A mask with the first `bits` bits set.
std::uint32_t PrefixMask(int bits)
{
    return bits == 0 ? 0 : ~std::uint32_t{0} << (32 - bits);
}

void CheckAddressReports(const std::vector<std::string_view> &fields)
{
    TIPAddress record;
    try {
        ReadAddressFields(record, {FieldText(fields, Address), FieldText(fields, Mask), FieldText(fields, Gate),
                                   FieldText(fields, Segments)});
    } catch (const EConvertError &) {
        return; // the window stops here too
    }
    record.ComputeNet();
    record.AddrKind = TIPAddress::GetKind(record.AddrBytes[3]);
    for (const bool chinese : {true, false}) {
        const std::string report = LanAdrReport(record, chinese);
        const auto lines = CrLfLines(report);
        REQUIRE(lines.size() == 8 && lines[7].empty());
        const std::uint32_t address = AddressAfter(lines[0], chinese ? "IP地址:" : "IP Addr:");
        const std::uint32_t mask = AddressAfter(lines[1], chinese ? "掩码:" : "Mask:");
        AddressAfter(lines[2], chinese ? "网关地址:" : "Gate Addr:");
        REQUIRE(AddressAfter(lines[4], chinese ? "网络地址:" : "Net Addr:") == (address & mask));
    }

    const std::string report = BroadcastReport(record);
    const auto lines = CrLfLines(report);
    REQUIRE(lines.size() == 3 && lines[2].empty());
    const std::uint32_t address = AddressNumber(record.AddrBytes), mask = AddressNumber(record.MaskBytes);
    const std::uint32_t broadcast = (address & mask) | ~mask;
    REQUIRE(AddressAfter(lines[0], "广播地址:") == broadcast);
    REQUIRE(AddressAfter(lines[1], "BoardCast IP Addr:") == broadcast);
}

void CheckSubnetReport(const std::vector<std::string_view> &fields)
{
    SubnetDivision division;
    try {
        division = SubnetDivision::FromFields(FieldText(fields, Segments), FieldText(fields, BeginBits),
                                              FieldText(fields, BeginAddress));
    } catch (const Exception &) {
        return;
    }
    PanelAppender panel(false);
    SubnetReport(division, panel);
    const auto lines = PanelLines(panel.Text());
    const std::size_t groups = std::size_t{1} << division.SubnetBits;
    REQUIRE(lines.size() == 5 + 4 * groups);

    const std::uint32_t mask = AddressAfter(lines[3], "计算出的子网掩码：");
    REQUIRE(ContiguousMask(mask) && std::popcount(mask) == division.TotalBits());
    const std::uint32_t prefix = PrefixMask(division.BeginBits);
    const bool clean = (division.BeginAddress & ~prefix) == 0; // no bits past the begin bits

    std::string label; // reused: the largest division has 196,608 lines
    const auto groupLine = [&label](std::string_view line, std::size_t group, std::string_view what) {
        label.assign("第");
        label.append(std::to_string(group)).append(what);
        return AddressAfter(line, label);
    };
    std::uint32_t previousBroadcast = 0;
    for (std::size_t group = 0; group < groups; ++group) {
        const std::size_t first = 5 + 4 * group;
        REQUIRE(lines[first].empty());
        const std::uint32_t start = groupLine(lines[first + 1], group, "组有效网络开始地址:");
        const std::uint32_t end = groupLine(lines[first + 2], group, "组网络有效结束地址:");
        const std::uint32_t broadcast = groupLine(lines[first + 3], group, "组网络广播地址:");
        REQUIRE((start & prefix) == (division.BeginAddress & prefix)); // the block's own bits stay
        if (clean) {
            // A clean block: each group is a network of its own, right after
            // the one before it.
            REQUIRE((start & mask) == start);
            REQUIRE(broadcast == (start | ~mask));
            REQUIRE(end == (start == broadcast ? start : broadcast - 1));
            REQUIRE(group == 0 || (start > previousBroadcast && start == previousBroadcast + 1));
        }
        previousBroadcast = broadcast;
    }
}

void CheckMaskReport(const std::vector<std::string_view> &fields)
{
    ComputerMask computers;
    try {
        computers = ComputerMask::FromField(FieldText(fields, Computers));
    } catch (const Exception &) {
        return;
    }
    PanelAppender panel(false);
    MaskReport(computers, panel);
    const auto lines = PanelLines(panel.Text());
    REQUIRE(lines.size() == 4 && lines[1].empty());
    const std::int64_t total = computers.AddressTotal;
    const std::uint32_t mask = AddressAfter(lines[0], "计算出可以容纳" + std::to_string(total) + "台计算机联网的掩码值:");
    REQUIRE(ContiguousMask(mask));
    // The smallest segment that holds the total.
    const int hostBits = 32 - std::popcount(mask);
    REQUIRE((std::int64_t{1} << hostBits) >= total);
    REQUIRE(hostBits == 0 || (std::int64_t{1} << (hostBits - 1)) < total);
    REQUIRE(lines[3] == "实际用户联网总计算机数为：" + std::to_string(total - 2));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto fields = Pieces(AsText(data, size), FieldCount);
    CheckAddressReports(fields);
    CheckSubnetReport(fields);
    CheckMaskReport(fields);
    return 0;
}
