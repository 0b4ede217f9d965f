// Switching between the screens of Russian incomes and between sources, on an
// empty declaration and on one with many sources of many lines, so that the ratio
// shows whether the work grows with the data. The Qt application runs once,
// offscreen, as the widget tests do.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "model/declaration.h"
#include "screens/russian_income_screen.h"
#include "screens/thirteen_percent_screen.h"

namespace {

// `sources` employers with `lines` monthly incomes each.
void FillSources(kvz::mTDeclaration& d, int sources, int lines) {
    d.SetIncomeKinds(kvz::kIncomeRussian);
    for (int s = 0; s < sources; ++s) {
        kvz::mTThirteenPercent& source = d.Thirteen.Get(d.Thirteen.Add());
        source.SourceName = "Источник " + std::to_string(s + 1);
        for (int l = 0; l < lines; ++l) {
            kvz::mTSourseIncome line;
            line.IncomeCode = 2000;
            line.IncomeAmount = kvz::Money::FromUnits(1000 + l);
            line.Month = static_cast<uint16_t>(l % 12 + 1);
            source.AddLine(line);
        }
        source.TaxWithheld = kvz::Money::FromUnits(130);
    }
}

// Leaving the 13 % screen (store and check of every source) and coming back to it.
void BM_SwitchGroups(benchmark::State& state) {
    kvz::mTDeclaration d;
    FillSources(d, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    kvz::ScreenResources resources;
    kvz::TfrRussianIncome section(d, resources, nullptr);
    for (auto _ : state) {
        section.ShowPage(kvz::kGroupNine);
        section.ShowPage(kvz::kGroupThirteen);
    }
}
BENCHMARK(BM_SwitchGroups)->Args({0, 0})->Args({100, 20})->Unit(benchmark::kMillisecond);

// Choosing the next source: its totals are stored and its lines shown.
void BM_ChooseSource(benchmark::State& state) {
    kvz::mTDeclaration d;
    FillSources(d, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    kvz::ScreenResources resources;
    kvz::TfrThirteenPercent screen(d, resources, nullptr);
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % static_cast<int>(state.range(0));
        screen.SourceList()->SetCurrentRow(row);
    }
}
BENCHMARK(BM_ChooseSource)->Args({2, 1})->Args({100, 20})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
