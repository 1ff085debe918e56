#pragma once

#include "Uipaddress.h"

#include <cstdint>
#include <string_view>

namespace velnorix {

// The four fields of the network-address and broadcast-address reports.
struct AddressFields {
    std::string_view Address, Mask, Gate, SegmentCount;
};

// Stores the fields into the record in this order. An empty dotted field keeps
// the octets the record held; a segment count that is not a whole number stops
// with the conversion error after the three addresses were stored.
void ReadAddressFields(TIPAddress &record, const AddressFields &fields);

// The largest segment count the subnet division accepts: 16 subnet bits, whose
// report already runs to 196,608 lines.
inline constexpr std::int32_t MaxSegmentCount = 65536;

// One address block divided into a power-of-two number of equal segments.
// Addresses are 32-bit numbers, the first octet most significant; arithmetic
// on them wraps modulo 2^32 and carries from one octet into the next.
struct SubnetDivision {
    std::int32_t SubnetBits = 0;  // the smallest b with 2^b >= the segment count
    std::int32_t BeginBits = 0;   // the prefix length of the block
    std::uint32_t BeginAddress = 0;

    // Reads the three fields as the window does, refusing what has no defined
    // result: begin bits below 0, more than 32 or fewer than 1 network bits
    // in all, or more than MaxSegmentCount segments. Conversion errors come
    // first, the segment count's before the begin bits'.
    static SubnetDivision FromFields(std::string_view segmentCount, std::string_view beginBits,
                                     std::string_view beginAddress);

    std::int32_t TotalBits() const { return BeginBits + SubnetBits; }
    std::uint32_t GroupCount() const { return std::uint32_t{1} << SubnetBits; }
    std::uint32_t Mask() const { return ~std::uint32_t{0} << (32 - TotalBits()); }
    // The addresses of a segment after its start address, broadcast included.
    std::uint32_t PerSegmentCount() const { return ~Mask(); }

    // The group number goes into the subnet field; bits the begin address has
    // set stay set.
    std::uint32_t GroupStart(std::uint32_t group) const
    {
        return BeginAddress | ((group << (32 - TotalBits())) & Mask());
    }
    // A one-address segment (32 network bits) ends where it starts.
    std::uint32_t GroupEnd(std::uint32_t start) const
    {
        return PerSegmentCount() == 0 ? start : start + PerSegmentCount() - 1;
    }
    std::uint32_t GroupBroadcast(std::uint32_t start) const { return start + PerSegmentCount(); }
};

// The begin-address field scanned as "%d.%d.%d.%d": numbers the scan does not
// reach count as 0, and each number enters its octet modulo 256.
std::uint32_t ScanBeginAddress(std::string_view text);

// The smallest mask whose segment holds a number of computers plus its network
// and broadcast addresses.
struct ComputerMask {
    std::int32_t AddressTotal = 0; // the computers plus the two reserved addresses

    // The largest count whose address total fits a signed 32-bit number.
    static constexpr std::int32_t MinComputers = -2;
    static constexpr std::int32_t MaxComputers = 2147483645;

    // Reads the field as the window does, refusing counts outside
    // MinComputers..MaxComputers, where the address total has no meaning.
    static ComputerMask FromField(std::string_view computerCount);

    std::int32_t Computers() const { return AddressTotal - 2; }
    std::int32_t HostBits() const;
    std::uint32_t Mask() const { return ~std::uint32_t{0} << HostBits(); }
};

} // namespace velnorix
