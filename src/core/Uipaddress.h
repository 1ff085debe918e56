#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velnorix {

// The four octets of one address. Index 3 holds the first (leftmost) number of
// the dotted text and index 0 the last: the address as a little-endian 32-bit
// number. Every array below uses this order.
using OctetArray = std::array<std::uint8_t, 4>;

// The record behind the network-address and broadcast-address reports: what
// the user typed, the network address computed from it, the segment count and
// the class of the address. Every calculation overwrites only what it writes,
// so values survive from one calculation to the next.
class TIPAddress {
public:
    OctetArray AddrBytes{};
    OctetArray MaskBytes{};
    OctetArray GateBytes{};
    OctetArray NetBytes{};
    std::int32_t IPSegCount = 0;
    std::string AddrKind; // "A" to "E", the no-class text, or empty before the first report

    TIPAddress();

    void Reset();

    // Empty text returns -1 and changes nothing; any other text is parsed
    // leniently and returns 0, whatever the parser made of it.
    int SetAddress(std::string_view text);
    int SetMask(std::string_view text);
    int SetGate(std::string_view text);

    // The lenient dotted-text parser; see the definition for its rules.
    static int TextToBytes(std::string_view text, OctetArray &bytes);

    std::string GetAddressText() const;
    std::string GetMaskText() const;
    std::string GetGateText() const;
    std::string GetNetText() const;

    // NetBytes := AddrBytes AND MaskBytes, octet by octet; any mask is applied.
    int ComputeNet();
    // Refreshes NetBytes, then returns the network OR the mask's complement.
    std::string GetBroadcastText();

    // The class of an address from its first octet.
    static std::string GetKind(std::uint8_t firstOctet);
    // The default mask of class "A", "B" or "C"; empty for anything else.
    static std::string GetDefaultMask(std::string_view kind);
};

// The octets as one 32-bit number, the first octet most significant: the form
// in which address arithmetic carries from one octet into the next.
std::uint32_t AddressNumber(const OctetArray &bytes);

// Writes "%d.%d.%d.%d" of a 32-bit address, most significant octet first, at
// `out` and returns the end of the text. It stores whole four-byte pieces, so
// `out` needs room for DottedRoom bytes although the text is at most 15 long.
inline constexpr std::size_t DottedRoom = 16;
char *WriteDotted(char *out, std::uint32_t address);

// Appends "%d.%d.%d.%d" of a 32-bit address, most significant octet first.
void AppendDotted(std::string &text, std::uint32_t address);

// "%d.%d.%d.%d" of indices 3, 2, 1, 0.
std::string DottedText(const OctetArray &bytes);

// The class text of first octets 248 to 255, which belong to no class.
inline constexpr std::string_view NoAddressKind = "未知网络地址类型";

} // namespace velnorix
