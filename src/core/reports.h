#pragma once

#include "Uipaddress.h"
#include "calculations.h"
#include "panelappend.h"

#include <string>

namespace velnorix {

// Report texts are lines joined by CR LF, each a label directly followed by
// its value; they are appended to the report panel as they are.

// The network-address report: address, mask, gateway, segment count, network
// address, class and the class's default mask, with Chinese or English labels.
// The class is the record's AddrKind as the window last stored it.
std::string LanAdrReport(const TIPAddress &address, bool bChinese);

// The broadcast-address report: the address twice, with a Chinese and an
// English label, whatever the interface language. Refreshes NetBytes.
std::string BroadcastReport(TIPAddress &address);

// The subnet-division report, always in Chinese: five heading lines, then the
// start, last and broadcast address of every group, each group after an empty
// line. Every line is one append of its own.
void SubnetReport(const SubnetDivision &division, PanelAppender &panel);

// The mask report, always in Chinese: three appends, the first ending in a
// line break so that an empty line follows it.
void MaskReport(const ComputerMask &computers, PanelAppender &panel);

} // namespace velnorix
