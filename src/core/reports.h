#pragma once

#include "Uipaddress.h"

#include <string>

namespace velnorix {

// Report texts are lines joined by CR LF, each a label directly followed by
// its value; they are appended to the report panel as they are.

// The network-address report: address, mask, gateway, segment count, network
// address, class and the class's default mask, with Chinese or English labels.
// The class is the record's AddrKind as the window last stored it.
std::string LanAdrReport(const TIPAddress &address, bool bChinese);

} // namespace velnorix
