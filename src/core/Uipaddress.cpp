#include "Uipaddress.h"

#include "conversion.h"

#include <array>
#include <cstring>

namespace velnorix {

namespace {

// Every octet's decimal digits followed by a dot, with the length of the
// digits: a long report writes four octets per line, and a table look-up and
// one four-byte copy each are far cheaper than a division loop.
struct OctetText {
    std::array<char, 4> text;
    std::uint8_t digits;
};

constexpr std::array<OctetText, 256> MakeOctetTexts()
{
    std::array<OctetText, 256> octets{};
    for (int value = 0; value < 256; ++value) {
        OctetText &octet = octets[value];
        octet.digits = value >= 100 ? 3 : value >= 10 ? 2 : 1;
        for (int place = octet.digits - 1, rest = value; place >= 0; --place, rest /= 10)
            octet.text[place] = static_cast<char>('0' + rest % 10);
        octet.text[octet.digits] = '.';
    }
    return octets;
}

constexpr std::array<OctetText, 256> OctetTexts = MakeOctetTexts();

} // namespace

TIPAddress::TIPAddress()
{
    Reset();
}

void TIPAddress::Reset()
{
    AddrBytes = MaskBytes = GateBytes = NetBytes = OctetArray{};
    IPSegCount = 0;
    AddrKind.clear();
}

int TIPAddress::SetAddress(std::string_view text)
{
    return TextToBytes(text, AddrBytes) < 0 ? -1 : 0;
}

int TIPAddress::SetMask(std::string_view text)
{
    return TextToBytes(text, MaskBytes) < 0 ? -1 : 0;
}

int TIPAddress::SetGate(std::string_view text)
{
    return TextToBytes(text, GateBytes) < 0 ? -1 : 0;
}

// The text is cut into parts at every "."; a final "." opens no further part.
// A part without a number at its start repeats the previous part's number (0
// for the first part), a number is stored as its low eight bits, parts beyond
// the fourth are ignored, and octets the text does not reach keep their value.
int TIPAddress::TextToBytes(std::string_view text, OctetArray &bytes)
{
    if (text.empty())
        return -1;
    std::uint32_t value = 0;
    int index = 3;
    std::size_t begin = 0;
    while (begin < text.size() && index >= 0) {
        const std::size_t dot = text.find('.', begin);
        const std::size_t end = dot == std::string_view::npos ? text.size() : dot;
        ScanDecimal(text.substr(begin, end - begin), value);
        bytes[index--] = static_cast<std::uint8_t>(value);
        if (dot == std::string_view::npos)
            break;
        begin = dot + 1;
    }
    return 0;
}

std::uint32_t AddressNumber(const OctetArray &bytes)
{
    return std::uint32_t{bytes[3]} << 24 | std::uint32_t{bytes[2]} << 16 | std::uint32_t{bytes[1]} << 8 | bytes[0];
}

char *WriteDotted(char *out, std::uint32_t address)
{
#pragma GCC unroll 4
    for (int shift = 24; shift >= 0; shift -= 8) {
        const OctetText &octet = OctetTexts[(address >> shift) & 0xFF];
        std::memcpy(out, octet.text.data(), octet.text.size());
        out += octet.digits + (shift > 0 ? 1 : 0); // the dot stays after all but the last
    }
    return out;
}

void AppendDotted(std::string &text, std::uint32_t address)
{
    char dotted[DottedRoom];
    text.append(dotted, WriteDotted(dotted, address));
}

std::string DottedText(const OctetArray &bytes)
{
    std::string text;
    AppendDotted(text, AddressNumber(bytes));
    return text;
}

std::string TIPAddress::GetAddressText() const
{
    return DottedText(AddrBytes);
}

std::string TIPAddress::GetMaskText() const
{
    return DottedText(MaskBytes);
}

std::string TIPAddress::GetGateText() const
{
    return DottedText(GateBytes);
}

std::string TIPAddress::GetNetText() const
{
    return DottedText(NetBytes);
}

int TIPAddress::ComputeNet()
{
    for (int i = 0; i < 4; ++i)
        NetBytes[i] = AddrBytes[i] & MaskBytes[i];
    return 0;
}

std::string TIPAddress::GetBroadcastText()
{
    ComputeNet();
    OctetArray broadcast;
    for (int i = 0; i < 4; ++i)
        broadcast[i] = NetBytes[i] | static_cast<std::uint8_t>(~MaskBytes[i]);
    return DottedText(broadcast);
}

std::string TIPAddress::GetKind(std::uint8_t firstOctet)
{
    if (firstOctet < 128)
        return "A";
    if (firstOctet < 192)
        return "B";
    if (firstOctet < 224)
        return "C";
    if (firstOctet < 240)
        return "D";
    if (firstOctet < 248)
        return "E";
    return std::string(NoAddressKind);
}

std::string TIPAddress::GetDefaultMask(std::string_view kind)
{
    if (kind == "A")
        return "255.0.0.0";
    if (kind == "B")
        return "255.255.0.0";
    if (kind == "C")
        return "255.255.255.0";
    return {};
}

} // namespace velnorix
