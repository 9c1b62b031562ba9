// Speed of the comparison core at the sizes users paste: splitting, the
// pairing against the literal rule it replaces, and row building.
#include "bench/parameter_strings.h"
#include "core/collected_rows.h"
#include "core/parameter_pairing.h"
#include "core/result_rows.h"
#include "core/text_primitives.h"
#include "tests/literal_reference/literal_reference.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace quorrel::bench {
namespace {

constexpr std::uint32_t firstSeed = 1;
constexpr std::uint32_t secondSeed = 2;
constexpr std::size_t changeEvery = 100;

// 100,000 items, about 2.6 MB; state.range(0) 1 gives GBK values.
void splitAtOneByteFilter(benchmark::State& state)
{
    const std::string text = parameterString(100'000, firstSeed, 0, state.range(0) == 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(splitText(text, "&"));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(splitAtOneByteFilter)->ArgName("gbk")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// state.range(0) items a side, shuffled differently, every 100th value changed.
void pairParametersFast(benchmark::State& state)
{
    const auto count = static_cast<std::size_t>(state.range(0));
    const std::string first = parameterString(count, firstSeed);
    const std::string second = parameterString(count, secondSeed, changeEvery);
    for (auto _ : state) {
        ParseLists lists;
        pairParameters(lists, first, second, "&");
        benchmark::DoNotOptimize(lists.pairList);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(pairParametersFast)->ArgName("items")->Arg(1'000)->Arg(10'000)->Arg(20'000)->Arg(100'000)->Arg(200'000)
    ->Unit(benchmark::kMillisecond);

// The rule read literally, item by item, as the tests keep it.
void pairParametersLiteral(benchmark::State& state)
{
    const auto count = static_cast<std::size_t>(state.range(0));
    const std::string first = parameterString(count, firstSeed);
    const std::string second = parameterString(count, secondSeed, changeEvery);
    for (auto _ : state)
        benchmark::DoNotOptimize(literal::pairEntries(first, second, "&"));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(pairParametersLiteral)->ArgName("items")->Arg(1'000)->Arg(10'000)->Arg(20'000)
    ->Unit(benchmark::kMillisecond)->Repetitions(3);

// One 8 MB value on the shorter side and state.range(0) keys that it does
// not contain, so every key stays unresolved to the end of the value.
void pairAgainstHugeValue(benchmark::State& state)
{
    std::string first;
    for (std::int64_t key = 0; key < state.range(0); ++key)
        first += "key" + std::to_string(key) + "=1&";
    const std::string second = "big=" + std::string(8 << 20, 'v');
    for (auto _ : state) {
        ParseLists lists;
        pairParameters(lists, first, second, "&");
        benchmark::DoNotOptimize(lists.pairList);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(second.size()));
}
BENCHMARK(pairAgainstHugeValue)->ArgName("keys")->Arg(500)->Unit(benchmark::kMillisecond);

void fillRows(benchmark::State& state)
{
    ParseLists lists;
    pairParameters(lists, parameterString(100'000, firstSeed), parameterString(100'000, secondSeed, changeEvery), "&");
    for (auto _ : state) {
        CollectedRows table;
        fillResultRows(lists.pairList, table);
        benchmark::DoNotOptimize(table.rows);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lists.pairList.size()));
}
BENCHMARK(fillRows)->Unit(benchmark::kMillisecond);

// Times mean nothing if the two pairings disagree on the inputs measured.
void checkPairingsAgree()
{
    const std::string first = parameterString(2'000, firstSeed);
    const std::string second = parameterString(2'000, secondSeed, changeEvery);
    ParseLists lists;
    pairParameters(lists, first, second, "&");
    const std::vector<std::string> fast(lists.pairList.begin(), lists.pairList.end());
    if (fast != literal::pairEntries(first, second, "&")) {
        std::fprintf(stderr, "quorrel_bench: the fast and the literal pairing disagree\n");
        std::exit(1);
    }
}

}  // namespace
}  // namespace quorrel::bench

int main(int argc, char** argv)
{
    quorrel::bench::checkPairingsAgree();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
