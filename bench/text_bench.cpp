// Text tool benchmarks on a generated GalaxyNG report of about 1 MB: splitting it into the
// viewer's lines, a case-insensitive search through all lines for a text that is only in the
// last one, the same search over the editor's text, and quoting the whole report for a reply
// with its line ends kept.
//
//   text_bench --benchmark_min_time=1
//
// Target: each within 20 ms, so the viewer opens and "Search again" answers at once.

#include "galaxygen.h"
#include "texttools.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace orrery;

const std::string& report()
{
    static const std::string text = [] {
        std::string t = gen::sizedReports(1000000, gen::Dialect::GalaxyNG, 7).currentText;
        t += "Last words of the report\r\n";
        return t;
    }();
    return text;
}

void BM_SplitLines(benchmark::State& state)
{
    const std::string& text = report();
    for (auto _ : state) benchmark::DoNotOptimize(splitTextLines(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_SplitLines)->Unit(benchmark::kMillisecond);

void BM_SearchLines(benchmark::State& state)
{
    const std::vector<std::string> lines = splitTextLines(report());
    for (auto _ : state) {
        TextSearch search;
        benchmark::DoNotOptimize(search.nextLine(lines, "LAST WORDS", false));
    }
}
BENCHMARK(BM_SearchLines)->Unit(benchmark::kMillisecond);

void BM_SearchText(benchmark::State& state)
{
    const std::string text = decodeTextFile(report()).text;
    for (auto _ : state) {
        TextSearch search;
        benchmark::DoNotOptimize(search.nextMatch(text, "last words", false));
    }
}
BENCHMARK(BM_SearchText)->Unit(benchmark::kMillisecond);

void BM_QuoteAndEncode(benchmark::State& state)
{
    const TextFileContent file = decodeTextFile(report());
    for (auto _ : state) benchmark::DoNotOptimize(encodeTextFile(quoteReply(file.text), file.lineEnd));
}
BENCHMARK(BM_QuoteAndEncode)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
