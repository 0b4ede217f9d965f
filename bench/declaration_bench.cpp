// The typical declaration (the bundled example) through each step a user's command
// takes, reported as declarations per second; then the same steps over declarations
// of 10 to 10 000 payment sources, to show that the cost grows linearly.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "calc/calc_json.h"
#include "calc/svod_sum.h"
#include "checks/declaration_check.h"
#include "export/declaration_export.h"
#include "export/schema_validation.h"
#include "model/declaration.h"
#include "model/declaration_json.h"

namespace {

const std::string kExample = std::string(KVZ_BIN_DIR) + "/example.qz5";
const std::string kSchema = std::string(KVZ_SOURCE_DIR) + "/data/" + kvz::kNdfl3SchemaFileName;

std::unique_ptr<kvz::mTDeclaration> LoadExample() {
    auto d = std::make_unique<kvz::mTDeclaration>();
    d->LoadFromFile(kExample);
    return d;
}

// A folder for the files of one benchmark, removed with it.
class BenchFolder {
public:
    BenchFolder() {
        char pattern[] = "/tmp/kvz-bench-XXXXXX";
        Path_ = std::string(::mkdtemp(pattern)) + "/";
    }
    ~BenchFolder() { std::filesystem::remove_all(Path_); }
    const std::string& Path() const { return Path_; }

private:
    std::string Path_;
};

kvz::ExportSettings Settings(benchmark::State& state) {
    kvz::ExportSettings settings;
    settings.SchemaPath = kSchema;
    settings.ShowMessage = [&state](const std::string& text) { state.SkipWithError(text.c_str()); };
    return settings;
}

void ExportText(kvz::mTDeclaration& d, const kvz::ExportSettings& settings) {
    std::string text;
    kvz::ExportDeclaration("", d, kvz::kExportTextMode, text, settings);
    benchmark::DoNotOptimize(text);
}

// An exported file is removed outside the timing, so that the folder does not grow.
void RemoveUntimed(benchmark::State& state, const std::string& path) {
    state.PauseTiming();
    std::filesystem::remove(path);
    state.ResumeTiming();
}

void ExportFile(benchmark::State& state, kvz::mTDeclaration& d, const std::string& folder,
                const kvz::ExportSettings& settings) {
    std::string name;
    kvz::ExportDeclaration(folder, d, kvz::kExportFileMode, name, settings);
    RemoveUntimed(state, folder + name);
}

// What `export --to DIR` does with a document: the check, then the file of the document
// the check validated.
void CheckedExportFile(benchmark::State& state, kvz::mTDeclaration& d, const std::string& folder,
                       const kvz::ExportSettings& settings) {
    std::string name;
    const kvz::CheckFindings findings = kvz::CheckAndExportDeclaration(folder, d, kvz::kExportFileMode, name, settings);
    if (!findings.empty()) return state.SkipWithError(findings.front().message.c_str());
    RemoveUntimed(state, folder + name);
}

void PerDeclaration(benchmark::State& state) {
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

void BM_ExampleLoad(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(LoadExample());
    PerDeclaration(state);
}

void BM_ExampleCalculate(benchmark::State& state) {
    auto d = LoadExample();
    for (auto _ : state) {
        kvz::kTSvodSum sum;
        benchmark::DoNotOptimize(sum.Calculate(*d));
    }
    PerDeclaration(state);
}

void BM_ExampleCheck(benchmark::State& state) {
    auto d = LoadExample();
    for (auto _ : state) benchmark::DoNotOptimize(kvz::CheckDeclarationForExport(*d));
    PerDeclaration(state);
}

void BM_ExampleExportText(benchmark::State& state) {
    auto d = LoadExample();
    const kvz::ExportSettings settings = Settings(state);
    for (auto _ : state) ExportText(*d, settings);
    PerDeclaration(state);
}

void BM_ExampleExportFile(benchmark::State& state) {
    auto d = LoadExample();
    const kvz::ExportSettings settings = Settings(state);
    BenchFolder folder;
    for (auto _ : state) ExportFile(state, *d, folder.Path(), settings);
    PerDeclaration(state);
}

// Calculated, checked and exported as text: the work of a declaration without the disk.
// checkAndExport does the check and the export of the declaration.
template <typename CheckAndExport>
void CalculateCheckText(benchmark::State& state, const CheckAndExport& checkAndExport) {
    auto d = LoadExample();
    const kvz::ExportSettings settings = Settings(state);
    for (auto _ : state) {
        kvz::kTSvodSum sum;
        benchmark::DoNotOptimize(sum.Calculate(*d));
        checkAndExport(*d, settings);
    }
    PerDeclaration(state);
}

// The check, then an export that builds and validates the document again.
void BM_ExampleCalculateCheckText(benchmark::State& state) {
    CalculateCheckText(state, [](kvz::mTDeclaration& d, const kvz::ExportSettings& settings) {
        benchmark::DoNotOptimize(kvz::CheckDeclarationForExport(d));
        ExportText(d, settings);
    });
}

// The same in one call, as the commands do: the export writes the document the check
// built and validated.
void BM_ExampleCalculateCheckedText(benchmark::State& state) {
    CalculateCheckText(state, [](kvz::mTDeclaration& d, const kvz::ExportSettings& settings) {
        std::string text;
        benchmark::DoNotOptimize(kvz::CheckAndExportDeclaration("", d, kvz::kExportTextMode, text, settings));
        benchmark::DoNotOptimize(text);
    });
}

// What `export --to DIR` does for each document of a batch: load, check, file.
void BM_ExampleLoadCheckExportFile(benchmark::State& state) {
    const kvz::ExportSettings settings = Settings(state);
    BenchFolder folder;
    for (auto _ : state) {
        auto d = LoadExample();
        CheckedExportFile(state, *d, folder.Path(), settings);
    }
    PerDeclaration(state);
}

// The example with its first 13 % payment source repeated up to `sources` sources
// (without its months of standard deductions), saved as a document of its own.
class ScaledDocument {
public:
    explicit ScaledDocument(int sources) {
        auto d = LoadExample();
        const kvz::mTThirteenPercent first = d->Thirteen.Get(0);
        while (d->Thirteen.Count() < sources) {
            kvz::mTThirteenPercent& copy = d->Thirteen.Get(d->Thirteen.Add());
            copy = first;
            copy.SourceName = "ООО «Источник № " + std::to_string(d->Thirteen.Count()) + "»";
            // Standard deductions come from one place a month, or the check refuses the export.
            copy.MonthsPresent = 0;
        }
        Path_ = Folder_.Path() + "scaled.qz5";
        d->SaveToFile(Path_);
    }
    std::unique_ptr<kvz::mTDeclaration> Load() const {
        auto d = std::make_unique<kvz::mTDeclaration>();
        d->LoadFromFile(Path_);
        return d;
    }
    const std::string& Folder() const { return Folder_.Path(); }

private:
    BenchFolder Folder_;
    std::string Path_;
};

void PerSource(benchmark::State& state) {
    state.SetComplexityN(state.range(0));
    state.counters["sources"] = static_cast<double>(state.range(0));
}

// kvarzen-cli info: load and the document as JSON text.
void BM_InfoBySources(benchmark::State& state) {
    const ScaledDocument document(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(kvz::DeclarationToJson(*document.Load()).dump(2));
    PerSource(state);
}

// kvarzen-cli calc: load, calculate and every sheet as JSON text.
void BM_CalcBySources(benchmark::State& state) {
    const ScaledDocument document(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto d = document.Load();
        kvz::kTSvodSum sum;
        const bool result = sum.Calculate(*d);
        benchmark::DoNotOptimize(kvz::CalculationToJson(sum, result, *d).dump(2));
    }
    PerSource(state);
}

// kvarzen-cli export --to DIR: load, check (calculate, build, schema check), file.
void BM_ExportBySources(benchmark::State& state) {
    const ScaledDocument document(static_cast<int>(state.range(0)));
    const kvz::ExportSettings settings = Settings(state);
    for (auto _ : state) {
        auto d = document.Load();
        CheckedExportFile(state, *d, document.Folder(), settings);
    }
    PerSource(state);
}

}  // namespace

BENCHMARK(BM_ExampleLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExampleCalculate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExampleCheck)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExampleExportText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExampleExportFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExampleCalculateCheckText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExampleCalculateCheckedText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExampleLoadCheckExportFile)->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_InfoBySources)->RangeMultiplier(10)->Range(10, 10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalcBySources)->RangeMultiplier(10)->Range(10, 10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportBySources)->RangeMultiplier(10)->Range(10, 10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
