#include "conversion.h"
#include "exceptions.h"

#include <gtest/gtest.h>

using namespace velnorix;

namespace {

TEST(StrToInt, ReadsWholeNumbers)
{
    const std::pair<std::string_view, std::int32_t> cases[] = {
        {"0", 0},
        {"1", 1},
        {"-3", -3},
        {"+42", 42},
        {"   7", 7},
        {"007", 7},
        {"$10", 16},
        {"0x1F", 31},
        {"0XfF", 255},
        {"-$10", -16},
        {"-0x10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$7FFFFFFF", 2147483647},
        {"-$80000000", -2147483647 - 1},
        {"0000000000000000000000000000000000000012", 12},
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(StrToInt(text), value) << "text: '" << text << "'";
}

TEST(StrToInt, RefusesWhatIsNotAWholeNumberNamingTheText)
{
    for (std::string_view text :
         {"", " ", "abc", "1.5", "1 ", "\t1", "24a", "-", "+", "--1", "+-1", "$", "0x", "x10", "$-1", "0x-1", "1e3",
          "2147483648", "-2147483649", "$80000000", "99999999999999999999", "１２"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError &error) {
            EXPECT_EQ(error.Message(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(TryStrToInt, GivesNothingForTextThatIsNotANumber)
{
    EXPECT_EQ(TryStrToInt("yes"), std::nullopt);
    EXPECT_EQ(TryStrToInt("0x0"), 0);
}

TEST(LfLineEnds, TurnsEachKindOfLineEndIntoOneLf)
{
    EXPECT_EQ(LfLineEnds("a\r\nb\rc\nd"), "a\nb\nc\nd");
    EXPECT_EQ(LfLineEnds("\r\r\n\n\r"), "\n\n\n\n");
    EXPECT_EQ(LfLineEnds("\n\r"), "\n\n");
}

} // namespace
