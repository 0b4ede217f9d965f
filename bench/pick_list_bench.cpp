// The search of the inspection list (3 000+ rows) as the user types: folding the
// directory once when the list opens, then one search a keystroke.
#include <benchmark/benchmark.h>

#include "directory/inspection_directory.h"
#include "directory/inspection_picker.h"
#include "model/pick_list_filter.h"

namespace {

const kvz::InspectionPicker& Inspections() {
    static const kvz::InspectionPicker picker(
        kvz::ReadInspectionDirectory(std::string(KVZ_SOURCE_DIR) + "/data/InspectionNumbers.xml"));
    return picker;
}

void BM_FilterBuild(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kvz::PickListFilter(Inspections()));
    state.counters["rows"] = static_cast<double>(Inspections().RowCount());
}
BENCHMARK(BM_FilterBuild)->Unit(benchmark::kMillisecond);

// A code, one word of a name, and two words.
void BM_FilterKeystroke(benchmark::State& state) {
    static const char* const kTyped[] = {"77", "калуг", "москве 24"};
    const kvz::PickListFilter filter(Inspections());
    const char* typed = kTyped[state.range(0)];
    for (auto _ : state) benchmark::DoNotOptimize(filter.Matching(typed));
    state.SetLabel(typed);
}
BENCHMARK(BM_FilterKeystroke)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
