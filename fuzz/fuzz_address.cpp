// The lenient dotted-address parser behind the address, mask and gateway fields.

#include "Uipaddress.h"
#include "check.h"

using namespace velnorix;

namespace {

bool ReachesFourthPart(std::string_view text)
{
    std::size_t at = 0;
    for (int dot = 0; dot < 3; ++dot) {
        at = text.find('.', at);
        if (at == std::string_view::npos)
            return false;
        ++at;
    }
    return at < text.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text = AsText(data, size);
    OctetArray zeros{}, filled{0xAA, 0xAA, 0xAA, 0xAA};
    const int result = TIPAddress::TextToBytes(text, zeros);
    REQUIRE(TIPAddress::TextToBytes(text, filled) == result);
    REQUIRE(result == (text.empty() ? -1 : 0));

    // Octets the text does not reach keep their value; text after a third dot
    // reaches all four (a final dot opens no further part).
    if (ReachesFourthPart(text))
        REQUIRE(zeros == filled);

    // What the parser made of the text prints as an address that reads back the same.
    const std::string printed = DottedText(zeros);
    REQUIRE(StrictDotted(printed) == AddressNumber(zeros));
    OctetArray reread{};
    TIPAddress::TextToBytes(printed, reread);
    REQUIRE(reread == zeros);
    return 0;
}
