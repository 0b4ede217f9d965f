// The printed form of the bundled example: the whole PDF (reading the text, the
// schema's wording, layout, barcodes, drawing) and its parts, so that a slow step
// shows where it is. The Qt application runs once, as in the program.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <string>

#include "export/declaration_export.h"
#include "model/declaration.h"
#include "print/barcode_plan.h"
#include "print/pdf417_symbol.h"
#include "print/render/pdf_render.h"

namespace {

const kvz::PrintSetup kSetup{KVZ_BENCH_DATA_DIR "/", "ИФНС № 24 по г. Москве"};

const std::string& ExampleText() {
    static const std::string text = [] {
        kvz::mTDeclaration declaration;
        declaration.LoadFromFile(KVZ_BENCH_EXAMPLE);
        kvz::ExportSettings settings;
        settings.SchemaPath = KVZ_BENCH_DATA_DIR "/NO_NDFL3_1_033_00_05_10_03.xsd";
        std::string out;
        kvz::ExportDeclaration(std::string(), declaration, kvz::kExportTextMode, out, settings);
        return out;
    }();
    return text;
}

void BM_ExampleToPdf(benchmark::State& state) {
    const std::string& text = ExampleText();
    int pages = 0;
    for (auto _ : state) {
        const kvz::RenderedPdf pdf = kvz::RenderDeclarationPdf(text, kSetup);
        pages = pdf.Pages;
        benchmark::DoNotOptimize(pdf.Bytes.data());
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_ExampleToPdf)->Unit(benchmark::kMillisecond);

void BM_ExamplePrepareForm(benchmark::State& state) {
    const std::string& text = ExampleText();
    for (auto _ : state) benchmark::DoNotOptimize(kvz::PrepareForm(text, kSetup).Content.Pages.size());
}
BENCHMARK(BM_ExamplePrepareForm)->Unit(benchmark::kMillisecond);

void BM_LargestSymbol(benchmark::State& state) {
    const std::string segment(kvz::kMaxSegmentBytes, 'X');
    for (auto _ : state) benchmark::DoNotOptimize(kvz::EncodePdf417(segment, {0, 10, "123456789"}).Bars.size());
}
BENCHMARK(BM_LargestSymbol)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    int qtArgc = 3;
    char name[] = "kvz_bench_print", option[] = "-platform", platform[] = "offscreen";
    char* qtArgv[] = {name, option, platform, nullptr};
    QGuiApplication application(qtArgc, qtArgv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
