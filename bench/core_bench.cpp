// The core's report builders and readers, timed by Google Benchmark. The
// counters give the cost of one group or one report line, and how often the
// builders reach the heap once the report's buffer has grown.

#include "allocations.h"

#include "calculations.h"
#include "conversion.h"
#include "reports.h"
#include "Uipaddress.h"

#include <benchmark/benchmark.h>

using namespace velnorix;

namespace {

// Lines of a subnet report: five headings and three per group.
constexpr double SubnetLines(std::int64_t groups)
{
    return 5.0 + 3.0 * static_cast<double>(groups);
}

// Streams the report as the command line does, through the spill, so that
// only the line building and the appending are timed.
void SubnetReportPerGroup(benchmark::State &state)
{
    const std::int64_t groups = state.range(0);
    const SubnetDivision division = SubnetDivision::FromFields(std::to_string(groups), "8", "10.0.0.0");
    std::size_t bytes = 0;
    std::size_t allocations = 0;
    for (auto _ : state) {
        PanelAppender panel(false, [&bytes](std::string_view piece) { bytes += piece.size(); });
        const std::size_t before = HeapAllocations();
        SubnetReport(division, panel);
        panel.Flush();
        allocations += HeapAllocations() - before;
    }
    state.SetItemsProcessed(state.iterations() * groups);
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    state.counters["ns_per_line"] = benchmark::Counter(SubnetLines(groups) * static_cast<double>(state.iterations()),
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    // Constant from one group count to the next when no line reaches the heap.
    state.counters["allocs_per_report"] = static_cast<double>(allocations) / static_cast<double>(state.iterations());
}
BENCHMARK(SubnetReportPerGroup)->Arg(1)->Arg(256)->Arg(4096)->Arg(65536)->Unit(benchmark::kMicrosecond);

void MaskReportWhole(benchmark::State &state)
{
    const ComputerMask computers = ComputerMask::FromField("1000");
    for (auto _ : state) {
        PanelAppender panel(false);
        MaskReport(computers, panel);
        benchmark::DoNotOptimize(panel.Text().data());
    }
}
BENCHMARK(MaskReportWhole);

// The readers behind every field: the integer fields, the lenient dotted
// addresses and the begin-address scan.
void ReadIntegerField(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(StrToInt("65536"));
}
BENCHMARK(ReadIntegerField);

void ReadDottedAddress(benchmark::State &state)
{
    OctetArray bytes{};
    for (auto _ : state) {
        TIPAddress::TextToBytes("192.168.100.200", bytes);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(ReadDottedAddress);

void ScanBeginAddressField(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ScanBeginAddress("192.168.100.200"));
}
BENCHMARK(ScanBeginAddressField);

} // namespace

BENCHMARK_MAIN();
