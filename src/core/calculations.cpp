#include "calculations.h"

#include "conversion.h"
#include "exceptions.h"

#include <string>

namespace velnorix {

namespace {

// A refusal names the field by its caption, in Chinese and then in English.
[[noreturn]] void RefuseRange(std::string_view chinese, std::string_view english)
{
    throw Exception(std::string(chinese) + "\n" + std::string(english));
}

std::string Range(std::int64_t low, std::int64_t high, std::string_view between, std::string_view to)
{
    std::string text(between);
    AppendDecimal(text, low);
    text += to;
    AppendDecimal(text, high);
    return text;
}

// The smallest b >= 0 with 2^b >= count.
std::int32_t BitsToHold(std::int32_t count)
{
    std::int32_t bits = 0;
    while (std::int64_t{1} << bits < count)
        ++bits;
    return bits;
}

} // namespace

void ReadAddressFields(TIPAddress &record, const AddressFields &fields)
{
    record.SetAddress(fields.Address);
    record.SetMask(fields.Mask);
    record.SetGate(fields.Gate);
    record.IPSegCount = StrToInt(fields.SegmentCount);
}

SubnetDivision SubnetDivision::FromFields(std::string_view segmentCount, std::string_view beginBits,
                                          std::string_view beginAddress)
{
    const std::int32_t segments = StrToInt(segmentCount);
    const std::int32_t prefix = StrToInt(beginBits);
    if (segments > MaxSegmentCount)
        RefuseRange("网络地址分段数不能大于65536", "Net IP Segment Count must not be greater than 65536");

    SubnetDivision division;
    division.SubnetBits = BitsToHold(segments);
    const std::int32_t lowest = division.SubnetBits == 0 ? 1 : 0;
    const std::int32_t highest = 32 - division.SubnetBits;
    if (prefix < lowest || prefix > highest)
        RefuseRange("从高位全1开始的位数必须" + Range(lowest, highest, "在", "到") + "之间（网络位总数为1到32）",
                    "From HignBit All 1 Count must" + Range(lowest, highest, " be between ", " and ")
                        + " (1 to 32 network bits in all)");
    division.BeginBits = prefix;
    division.BeginAddress = ScanBeginAddress(beginAddress);
    return division;
}

std::uint32_t ScanBeginAddress(std::string_view text)
{
    std::uint32_t address = 0;
    int octet = 0;
    for (; octet < 4; ++octet) {
        if (octet > 0 && !text.starts_with('.'))
            break;
        if (octet > 0)
            text.remove_prefix(1);
        std::uint32_t number = 0;
        const std::size_t length = ScanDecimal(text, number);
        if (length == 0)
            break;
        address = address << 8 | (number & 0xFF);
        text.remove_prefix(length);
    }
    // The octets the scan did not reach are zero.
    for (; octet < 4; ++octet)
        address <<= 8;
    return address;
}

ComputerMask ComputerMask::FromField(std::string_view computerCount)
{
    const std::int32_t computers = StrToInt(computerCount);
    if (computers < MinComputers || computers > MaxComputers)
        RefuseRange("网段中需包含的计算机数必须" + Range(MinComputers, MaxComputers, "在", "到") + "之间",
                    "Subnet Computers Count must" + Range(MinComputers, MaxComputers, " be between ", " and "));
    return ComputerMask{computers + 2};
}

std::int32_t ComputerMask::HostBits() const
{
    return BitsToHold(AddressTotal);
}

} // namespace velnorix
