// Opening every stream of a container: the cost per megabyte must not grow with
// the number of streams (one pass over the file, not one search per stream).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "storage/document_storage.h"

namespace {

// A container of n streams, each a marker and three values, like a list of sources.
std::vector<uint8_t> MakeContainer(int n, std::vector<std::string>& names) {
    names.clear();
    uint32_t size = 60;
    for (int i = 0; i < n; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "@ThirteenPercent%03d", i);
        names.push_back(name);
        size += 4 + static_cast<uint32_t>(names.back().size()) + 3 * (4 + 20);
    }
    std::vector<uint8_t> bytes(size, 0);
    kvz::mTDocumentStorage s(bytes.data(), size, false);
    s.CreateStorage("Kvrz2015");
    for (const auto& name : names) {
        s.CreateStream(name);
        for (int v = 0; v < 3; ++v) s.WriteString("12345678901234567890");
    }
    return bytes;
}

void BM_OpenEveryStream(benchmark::State& state) {
    std::vector<std::string> names;
    auto bytes = MakeContainer(static_cast<int>(state.range(0)), names);
    for (auto _ : state) {
        kvz::mTDocumentStorage s(bytes.data(), static_cast<uint32_t>(bytes.size()), true);
        s.OpenStorage();
        for (const auto& name : names) {
            s.OpenStream(name);
            benchmark::DoNotOptimize(s.ReadString());
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
    state.counters["streams"] = static_cast<double>(names.size());
}

}  // namespace

BENCHMARK(BM_OpenEveryStream)->Arg(100)->Arg(10000);
