// The scan of the subnet division's begin-address field.

#include "Uipaddress.h"
#include "calculations.h"
#include "check.h"

using namespace velnorix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text = AsText(data, size);
    const std::uint32_t address = ScanBeginAddress(text);

    // Printed and scanned again, the address is the same; nothing after the
    // fourth number is read.
    std::string printed;
    AppendDotted(printed, address);
    REQUIRE(StrictDotted(printed) == address);
    REQUIRE(ScanBeginAddress(printed) == address);
    REQUIRE(ScanBeginAddress(printed + " " + std::string(text)) == address);

    // Text that does not start with a number reads as 0.0.0.0.
    const std::size_t first = text.find_first_not_of(" \t\n\v\f\r");
    const bool startsWithNumber = first != std::string_view::npos
                                  && text.substr(first, 2).find_first_of("0123456789") != std::string_view::npos;
    if (!startsWithNumber)
        REQUIRE(address == 0);
    return 0;
}
