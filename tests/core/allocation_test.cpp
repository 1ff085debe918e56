// The report builders reach the heap a fixed number of times per report,
// however many lines it has: a program of its own, because it counts every
// allocation through a replaced operator new.

#include "allocations.h"

#include "calculations.h"
#include "reports.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace velnorix;

namespace {

// Allocations while the report streams through a spill, as the command line
// streams it; the appender's buffer is made before counting starts.
std::size_t SubnetReportAllocations(std::string_view segments)
{
    const SubnetDivision division = SubnetDivision::FromFields(segments, "8", "10.0.0.0");
    std::size_t bytes = 0;
    PanelAppender panel(false, [&bytes](std::string_view piece) { bytes += piece.size(); });
    const std::size_t before = HeapAllocations();
    SubnetReport(division, panel);
    panel.Flush();
    const std::size_t allocations = HeapAllocations() - before;
    EXPECT_GT(bytes, 0u);
    return allocations;
}

TEST(ReportAllocations, DoNotGrowWithTheSubnetReportsLines)
{
    const std::size_t few = SubnetReportAllocations("2");
    EXPECT_EQ(SubnetReportAllocations("4096"), few);
    EXPECT_EQ(SubnetReportAllocations("65536"), few);
    EXPECT_LE(few, 1u) << "only the group table";
}

TEST(ReportAllocations, MaskReportBuildsItsLinesWithoutTheHeap)
{
    const ComputerMask computers = ComputerMask::FromField("1000");
    PanelAppender panel(false, [](std::string_view) {});
    const std::size_t before = HeapAllocations();
    MaskReport(computers, panel);
    EXPECT_EQ(HeapAllocations() - before, 0u);
}

// The counter itself counts, or the checks above would pass for nothing.
TEST(ReportAllocations, CounterSeesAnAllocation)
{
    const std::size_t before = HeapAllocations();
    auto block = std::make_unique<std::string>(100, 'x');
    EXPECT_GT(HeapAllocations(), before);
}

} // namespace
