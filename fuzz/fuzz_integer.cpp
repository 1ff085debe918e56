// The whole-number conversion of the numeric fields and the settings file, and
// the "%d" scan under the dotted fields.

#include "check.h"
#include "conversion.h"
#include "exceptions.h"

#include <charconv>

using namespace velnorix;

namespace {

// Plain decimal text, "  -123", which std::from_chars reads independently.
bool PlainDecimal(std::string_view text)
{
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    if (text.starts_with('+') || text.starts_with('-'))
        text.remove_prefix(1);
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

void CheckStrToInt(std::string_view text)
{
    const auto value = TryStrToInt(text);
    if (!value) {
        try {
            StrToInt(text);
            REQUIRE(!"StrToInt took what TryStrToInt refused");
        } catch (const EConvertError &error) {
            // The message is a C string: text after a NUL byte does not show.
            const std::string message = "'" + std::string(text) + "' is not a valid integer value";
            REQUIRE(error.Message() == message.c_str());
        }
    } else {
        REQUIRE(StrToInt(text) == *value);
        std::string printed;
        AppendDecimal(printed, *value);
        REQUIRE(TryStrToInt(printed) == value);
    }
    if (PlainDecimal(text)) {
        std::string_view digits = text.substr(text.find_first_not_of(' '));
        if (digits.starts_with('+'))
            digits.remove_prefix(1);
        std::int32_t expected = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), expected);
        REQUIRE(value.has_value() == (error == std::errc() && end == digits.data() + digits.size()));
        REQUIRE(!value || *value == expected);
    }
}

void CheckScanDecimal(std::string_view text)
{
    std::uint32_t value = 12345;
    const std::size_t length = ScanDecimal(text, value);
    REQUIRE(length <= text.size());
    if (length == 0) {
        REQUIRE(value == 12345); // no number: the value is left alone
        return;
    }
    // The number ends at the first character that is not a digit, and reading
    // its text alone gives the same value.
    REQUIRE(text[length - 1] >= '0' && text[length - 1] <= '9');
    REQUIRE(length == text.size() || text[length] < '0' || text[length] > '9');
    std::uint32_t again = 0;
    REQUIRE(ScanDecimal(text.substr(0, length), again) == length && again == value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text = AsText(data, size);
    CheckStrToInt(text);
    CheckScanDecimal(text);
    return 0;
}
