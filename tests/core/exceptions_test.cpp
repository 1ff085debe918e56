#include "exceptions.h"

#include <gtest/gtest.h>

#include <vector>

using namespace velnorix;

namespace {

// Collects what reaches the application's error box for one test.
class CollectedErrors {
public:
    CollectedErrors()
    {
        SetExceptionHandler([this](const std::string &message) { messages.push_back(message); });
    }
    ~CollectedErrors() { SetExceptionHandler({}); }
    std::vector<std::string> messages;
};

TEST(ExceptionBoxText, AddsAFullStopAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(ExceptionBoxText("'abc' is not a valid integer value"), "'abc' is not a valid integer value.");
    EXPECT_EQ(ExceptionBoxText("Unable to write to /a/b.ini"), "Unable to write to /a/b.ini.");
    EXPECT_EQ(ExceptionBoxText("done."), "done.");
    EXPECT_EQ(ExceptionBoxText("wrong!"), "wrong!");
    EXPECT_EQ(ExceptionBoxText("1"), "1.");
    EXPECT_EQ(ExceptionBoxText("不能打开"), "不能打开.");
    EXPECT_EQ(ExceptionBoxText(""), "");
}

TEST(Guarded, StopsTheBodyWhereTheErrorAroseAndReportsIt)
{
    CollectedErrors errors;
    bool finished = false;
    Guarded([&] {
        throw EConvertError("'x' is not a valid integer value");
        finished = true;
    });
    EXPECT_FALSE(finished);
    EXPECT_EQ(errors.messages, std::vector<std::string>{"'x' is not a valid integer value"});
}

TEST(Guarded, ReportsForeignErrorsByTheirTextAndUnknownOnesEmpty)
{
    CollectedErrors errors;
    Guarded([] { throw std::length_error("too long"); });
    Guarded([] { throw 42; });
    Guarded([] {});
    EXPECT_EQ(errors.messages, (std::vector<std::string>{"too long", ""}));
}

} // namespace
