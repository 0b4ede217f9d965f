// The whole calculation over a large declaration: a thousand payment sources of
// twenty income lines each, with standard and social deductions.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

#include "calc/svod_sum.h"
#include "model/declaration.h"

namespace {

// Codes that reach the income-kind walk and the sheets of deductions and securities.
constexpr std::array<int32_t, 10> kIncomeCodes = {2000, 2000, 2000, 2010, 1400, 1530, 1531, 2720, 2760, 1510};
constexpr std::array<int32_t, 10> kDeductionCodes = {0, 0, 0, 403, 0, 201, 202, 501, 503, 901};

std::unique_ptr<kvz::mTDeclaration> LargeDeclaration(int sources, int lines) {
    auto d = std::make_unique<kvz::mTDeclaration>();
    d->SetIncomeKinds(kvz::kIncomeRussian);
    d->Person.ResidenceOktmo = "45000000";
    for (int s = 0; s < sources; ++s) {
        kvz::mTThirteenPercent& source = d->Thirteen.Get(d->Thirteen.Add());
        source.Oktmo = std::to_string(45000000 + s % 50);
        source.StandardDeductionsHere = s == 0;
        for (int l = 0; l < lines; ++l) {
            kvz::mTSourseIncome line;
            line.IncomeCode = kIncomeCodes[(s + l) % kIncomeCodes.size()];
            line.DeductionCode = kDeductionCodes[(s + l) % kDeductionCodes.size()];
            line.IncomeAmount = kvz::Money::FromRaw(int64_t{10000 + 37 * l + 101 * s} * 10000 + 55);
            line.DeductionAmount = line.DeductionCode ? kvz::Money::FromUnits(1000 + l) : kvz::Money();
            line.Month = static_cast<uint16_t>(l % 12 + 1);
            source.AddLine(line);
        }
        source.TaxableAmount = source.IncomeTotal;
        source.TaxComputed = kvz::Money::FromUnits(source.IncomeTotal.Raw() / kvz::Money::kScale * 13 / 100);
        source.TaxWithheld = kvz::Money::FromUnits(source.IncomeTotal.Raw() / kvz::Money::kScale * 12 / 100);
    }
    d->Standard.Granted = true;
    d->Standard.SelfCode = 104;
    d->Standard.ChildrenCount = 2;
    d->Social.Granted = true;
    d->Social.Treatment = kvz::Money::FromUnits(50000);
    d->Social.OwnEducation = kvz::Money::FromUnits(40000);
    return d;
}

void BM_Calculate(benchmark::State& state) {
    const int sources = static_cast<int>(state.range(0));
    const int lines = static_cast<int>(state.range(1));
    auto declaration = LargeDeclaration(sources, lines);
    for (auto _ : state) {
        kvz::kTSvodSum sum;
        benchmark::DoNotOptimize(sum.Calculate(*declaration));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * sources * lines);
    state.counters["lines"] = static_cast<double>(sources) * lines;
}

BENCHMARK(BM_Calculate)->Args({1000, 20})->Args({100, 20})->Unit(benchmark::kMillisecond);

}  // namespace
