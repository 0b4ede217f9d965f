// What the window's result panel does after each change of the document: a copy of
// the declaration, its whole calculation, and the summary read from the records.
// Over the bundled example and over declarations of 10 to 10 000 payment sources.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "calc/result_summary.h"
#include "model/declaration.h"

namespace {

const std::string kExample = std::string(KVZ_BIN_DIR) + "/example.qz5";

std::unique_ptr<kvz::mTDeclaration> LoadExample() {
    auto d = std::make_unique<kvz::mTDeclaration>();
    d->LoadFromFile(kExample);
    return d;
}

// The example with its first 13 % source repeated up to `sources` sources.
std::unique_ptr<kvz::mTDeclaration> Scaled(int sources) {
    auto d = LoadExample();
    const kvz::mTThirteenPercent first = d->Thirteen.Get(0);
    while (d->Thirteen.Count() < sources) {
        kvz::mTThirteenPercent& copy = d->Thirteen.Get(d->Thirteen.Add());
        copy = first;
        copy.SourceName = "ООО «Источник № " + std::to_string(d->Thirteen.Count()) + "»";
    }
    return d;
}

void BM_ResultSummaryExample(benchmark::State& state) {
    const auto d = LoadExample();
    for (auto _ : state) benchmark::DoNotOptimize(kvz::SummarizeResult(*d));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_ResultSummaryExample);

void BM_ResultSummaryBySources(benchmark::State& state) {
    const auto d = Scaled(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(kvz::SummarizeResult(*d));
    state.SetComplexityN(state.range(0));
    state.counters["sources"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_ResultSummaryBySources)->RangeMultiplier(10)->Range(10, 10000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
