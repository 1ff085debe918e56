#include "panelappend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace velnorix;

namespace {

// What the panel holds after the appends, starting from its text.
std::string Panel(std::string text, const std::vector<std::string_view> &reports)
{
    PanelAppender appender(!text.empty() && text.back() != '\n');
    for (const auto report : reports)
        appender.Add(report);
    return text.append(appender.Text());
}

TEST(PanelAppender, AReportEndingInALineBreakIsFollowedByAnEmptyLine)
{
    EXPECT_EQ(Panel("", {"a\r\nb\r\n"}), "a\nb\n\n");
}

TEST(PanelAppender, TwoReportsStandSeparatedByOneEmptyLine)
{
    EXPECT_EQ(Panel("就绪\n", {"a\r\n", "b\r\n"}), "就绪\na\n\nb\n\n");
}

TEST(PanelAppender, TextWithoutABreakAtTheEndGetsTheBreakBeforeTheReport)
{
    EXPECT_EQ(Panel("typed", {"a\r\nb\r\n"}), "typed\na\nb\n");
    EXPECT_EQ(Panel("typed", {"a", "b"}), "typed\na\nb");
}

TEST(PanelAppender, OneLineReportsEachTakeALine)
{
    EXPECT_EQ(Panel("", {"1", "2", "\r\n3"}), "1\n2\n\n3\n");
}

TEST(PanelAppender, LoneCarriageReturnsAndLineFeedsBreakLinesToo)
{
    EXPECT_EQ(Panel("", {"a\rb\nc"}), "a\nb\nc\n");
}

TEST(PanelAppender, AnEmptyReportAddsAnEmptyLine)
{
    EXPECT_EQ(Panel("", {""}), "\n");
    EXPECT_EQ(Panel("x", {""}), "x\n");
}

TEST(PanelAppender, ALineWrittenInPlaceIsAddedAsAddAddsIt)
{
    const std::pair<std::string, std::vector<std::string_view>> cases[] = {
        {"", {"a\nb\n"}}, {"就绪\n", {"a\n", "b\n"}}, {"typed", {"a\nb\n"}}, {"typed", {"a", "b"}},
        {"", {"1", "2", "\n3"}}, {"", {""}}, {"x", {""}}, {"x", {"\n"}},
    };
    for (const auto &[start, reports] : cases) {
        PanelAppender added(!start.empty() && start.back() != '\n');
        PanelAppender written(!start.empty() && start.back() != '\n');
        for (const auto report : reports) {
            added.Add(report);
            written.AddLine(std::copy(report.begin(), report.end(), written.LineRoom(report.size())));
        }
        EXPECT_EQ(written.Text(), added.Text()) << "after '" << start << "'";
    }
}

TEST(PanelAppender, ASpillReceivesTheSameTextInPiecesOfBoundedSize)
{
    PanelAppender whole(true);
    std::string spilt;
    std::size_t largestPiece = 0;
    PanelAppender streamed(true, [&](std::string_view piece) {
        spilt += piece;
        largestPiece = std::max(largestPiece, piece.size());
    });
    for (int line = 0; line < 20000; ++line)
        for (PanelAppender *appender : {&whole, &streamed})
            appender->Add(line % 3 ? "第1组网络广播地址:10.0.0.255" : "\r\n第1组有效网络开始地址:10.0.0.0");
    streamed.Flush();

    EXPECT_EQ(spilt, whole.Text());
    EXPECT_TRUE(streamed.Text().empty());
    EXPECT_LT(largestPiece, PanelAppender::SpillSize + 100);
}

} // namespace
