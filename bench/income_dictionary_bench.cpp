// What opening an income dialog costs for its dictionary: parsing the compiled-in
// dictionary (done once per dialog) against looking up the deductions of an income
// in a parsed one (done on every choice).
#include <benchmark/benchmark.h>

#include "model/income_dictionary.h"

namespace {

void ParseEmbeddedDictionary(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kvz::IncomeDictionary::LoadEmbedded());
}
BENCHMARK(ParseEmbeddedDictionary)->Unit(benchmark::kMicrosecond);

void DeductionsOfAnIncome(benchmark::State& state) {
    const kvz::IncomeDictionary dictionary = kvz::IncomeDictionary::LoadEmbedded();
    for (auto _ : state) benchmark::DoNotOptimize(dictionary.DeductionsFor("2209", true));
}
BENCHMARK(DeductionsOfAnIncome)->Unit(benchmark::kMicrosecond);

}  // namespace
