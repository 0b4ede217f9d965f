// The XML export of a large declaration: 1 000 payment sources at 13 %, each with
// two income lines. Measured whole (calculation, tree, schema check, file) and by
// its parts, so that a slow step shows where it is.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "calc/svod_sum.h"
#include "export/declaration_export.h"
#include "export/guid_source.h"
#include "export/ndfl3_document.h"
#include "export/schema_validation.h"
#include "export/xml_dom.h"
#include "export/xml_engine.h"
#include "model/declaration.h"

namespace {

// The schema of the source tree: the benchmark does not lie next to the program.
// __FILE__ is relative to the build folder when the compiler cache rewrites paths, so
// the source folder comes from the build.
std::string SchemaPath() {
    return (std::filesystem::path(KVZ_SOURCE_DIR) / "data" / kvz::kNdfl3SchemaFileName).string();
}

std::unique_ptr<kvz::mTDeclaration> LargeDeclaration(int sources) {
    auto d = std::make_unique<kvz::mTDeclaration>();
    d->InspectionCode = "7724";
    d->SetIncomeKinds(kvz::kIncomeRussian);
    kvz::mTPersonInformation& p = d->Person;
    p.Surname = "Смирнова";
    p.FirstName = "Ольга";
    p.PersonInn = "772412345636";
    p.DocTypeCode = 21;
    p.DocSeriesNumber = "45 08 123456";
    p.DocIssuedBy = "ОВД района Бирюлево Восточное";
    p.RegionCode = 77;
    p.Street = "Шипиловская ул";
    p.ResidenceOktmo = "45915000";
    for (int i = 0; i < sources; ++i) {
        kvz::mTThirteenPercent& s = d->Thirteen.Get(d->Thirteen.Add());
        s.SourceName = "ООО «Источник № " + std::to_string(i) + "»";
        s.Inn = "7724261610";
        s.Kpp = "772401001";
        s.Oktmo = "45915000";
        for (int month = 1; month <= 2; ++month) {
            kvz::mTSourseIncome line;
            line.IncomeCode = 2000;
            line.IncomeAmount = kvz::Money::FromUnits(25000 + i);
            line.Month = static_cast<uint16_t>(month);
            s.AddLine(line);
        }
        s.TaxableAmount = s.IncomeTotal;
        s.TaxComputed = s.TaxWithheld = kvz::Money::FromUnits((50000 + 2 * i) * 13 / 100);
    }
    return d;
}

void BM_ExportFile(benchmark::State& state) {
    auto d = LargeDeclaration(static_cast<int>(state.range(0)));
    char pattern[] = "/tmp/kvz-export-bench-XXXXXX";
    const std::string folder = std::string(::mkdtemp(pattern)) + "/";
    kvz::ExportSettings settings;
    settings.SchemaPath = SchemaPath();
    settings.ShowMessage = [&state](const std::string& text) { state.SkipWithError(text.c_str()); };
    for (auto _ : state) {
        std::string result;
        kvz::ExportDeclaration(folder, *d, kvz::kExportFileMode, result, settings);
        state.PauseTiming();
        std::filesystem::remove(folder + result);
        state.ResumeTiming();
    }
    std::filesystem::remove_all(folder);
    state.counters["sources"] = static_cast<double>(state.range(0));
}

void BM_BuildAndSerialize(benchmark::State& state) {
    auto d = LargeDeclaration(static_cast<int>(state.range(0)));
    kvz::kTSvodSum sum;
    sum.Calculate(*d);
    for (auto _ : state) {
        kvz::XmlDomDocument document = kvz::CreateDomDocument();
        kvz::BuildNdfl3Document(document.get(), *d, sum, "NO_NDFL3_BENCH", kvz::Today());
        benchmark::DoNotOptimize(kvz::SerializeCp1251(document.get()));
    }
}

void BM_SchemaCheck(benchmark::State& state) {
    auto d = LargeDeclaration(static_cast<int>(state.range(0)));
    kvz::kTSvodSum sum;
    sum.Calculate(*d);
    kvz::XmlDomDocument document = kvz::CreateDomDocument();
    kvz::BuildNdfl3Document(document.get(), *d, sum, "NO_NDFL3_BENCH", kvz::Today());
    kvz::SchemaViolations(document.get(), SchemaPath());  // the schema is read once per run
    for (auto _ : state) benchmark::DoNotOptimize(kvz::SchemaViolations(document.get(), SchemaPath()));
}

}  // namespace

BENCHMARK(BM_ExportFile)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildAndSerialize)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SchemaCheck)->Arg(1000)->Unit(benchmark::kMillisecond);

namespace {

void BM_Calculate(benchmark::State& state) {
    auto d = LargeDeclaration(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        kvz::kTSvodSum sum;
        benchmark::DoNotOptimize(sum.Calculate(*d));
    }
}

void BM_WritableCheck(benchmark::State& state) {
    auto d = LargeDeclaration(static_cast<int>(state.range(0)));
    kvz::kTSvodSum sum;
    sum.Calculate(*d);
    kvz::XmlDomDocument document = kvz::CreateDomDocument();
    kvz::BuildNdfl3Document(document.get(), *d, sum, "NO_NDFL3_BENCH", kvz::Today());
    for (auto _ : state) benchmark::DoNotOptimize(kvz::UnwritableValues(document.get()));
}

}  // namespace

BENCHMARK(BM_Calculate)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WritableCheck)->Arg(1000)->Unit(benchmark::kMillisecond);

namespace {

// A declaration of empty payment sources (no name, no lines), as an unchecked
// export meets it: every source breaks the schema; the refusal lists the first errors
// with their places and counts the rest. Its cost must grow with the sources, not
// with their square.
void BM_SchemaErrorReport(benchmark::State& state) {
    auto d = LargeDeclaration(0);
    for (int i = 0; i < state.range(0); ++i) d->Thirteen.Add();
    kvz::ExportSettings settings;
    settings.SchemaPath = SchemaPath();
    std::string report;
    settings.ShowMessage = [&report](const std::string& text) { report = text; };
    for (auto _ : state) {
        std::string result;
        kvz::ExportDeclaration(std::string(), *d, kvz::kExportTextMode, result, settings);
        if (result != "ERROR") state.SkipWithError("the empty sources passed the schema");
    }
    // A schema that could not be read also ends in "ERROR", in a one-line report.
    if (report.find("Не удалось прочитать схему") != std::string::npos) state.SkipWithError(report.c_str());
    state.counters["sources"] = static_cast<double>(state.range(0));
    state.counters["report_bytes"] = static_cast<double>(report.size());
}

}  // namespace

BENCHMARK(BM_SchemaErrorReport)->Arg(4000)->Arg(65535)->Unit(benchmark::kMillisecond)->Iterations(1);
