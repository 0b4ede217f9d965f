#include "model/income_sections_json.h"

#include <cstddef>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace kvz {

namespace {

using nlohmann::json;

constexpr std::size_t kAnyCount = std::numeric_limits<std::size_t>::max();

Money RoublesOrFail(JsonObjectReader& reader, const char* key, Money amount, Money rate, int32_t units) {
    try {
        return CurrencyToRoubles(amount, rate, units);
    } catch (const std::overflow_error& e) {
        reader.Fail(key, e.what());
    }
}

}  // namespace

void CompleteFromJson(JsonObjectReader& reader, const mTSourseIncome& line) {
    if (line.Month > 12) reader.Fail("Month", "месяц 1…12 или 0, когда месяца нет");
}

json ToJson(const mTThirteenPercent& source) {
    json j = RecordToJson(source, kThirteenPercentFields);
    j["StandardDeductionsHere"] = source.StandardDeductionsHere;
    json months = json::array();
    for (int m = 0; m < mTThirteenPercent::kMonths; ++m)
        months.push_back(source.MonthPresent(m) ? MoneyJson(source.MonthAmounts[m]) : json(nullptr));
    j["MonthAmounts"] = months;
    j["Lines"] = ObjectsToJson(source.Lines());
    return j;
}

void FromJson(JsonObjectReader& reader, mTThirteenPercent& source) {
    source = mTThirteenPercent();
    FieldsFromJson(reader, source, kThirteenPercentFields);
    reader.Read("StandardDeductionsHere", source.StandardDeductionsHere);
    // Twelve values; null for a month without an amount.
    const std::vector<json> months = reader.FixedArray("MonthAmounts", mTThirteenPercent::kMonths);
    for (std::size_t m = 0; m < months.size(); ++m) {
        Money amount = kAbsentAmount;
        if (!months[m].is_null()) reader.ReadElement("MonthAmounts", m, months[m], amount);
        source.SetMonthAmount(static_cast<int>(m), amount);
    }
    ReadObjects<mTSourseIncome>(reader, "Lines", kAnyCount, [&](const mTSourseIncome& line) { source.AddLine(line); });
    reader.Finish();
}

void CompleteFromJson(JsonObjectReader& reader, const mTInvestTovIncome& line) {
    if (line.OperationKind < 0 || line.OperationKind > kInvestOperationKinds)
        reader.Fail("OperationKind", "число вне допустимого диапазона 0…" + std::to_string(kInvestOperationKinds));
}

json ToJson(const mTInvestTov& source) {
    json j = RecordToJson(source, kInvestTovFields);
    j["Lines"] = ObjectsToJson(source.Lines());
    return j;
}

void FromJson(JsonObjectReader& reader, mTInvestTov& source) {
    source = mTInvestTov();
    FieldsFromJson(reader, source, kInvestTovFields);
    ReadObjects<mTInvestTovIncome>(reader, "Lines", kAnyCount,
                                   [&](const mTInvestTovIncome& line) { source.AddLine(line); });
    reader.Finish();
}

void CompleteFromJson(JsonObjectReader& reader, mTCurrencyIncome& income) {
    if (!reader.Has("IncomeInRoubles"))
        income.IncomeInRoubles = RoublesOrFail(reader, "IncomeInRoubles", income.IncomeInCurrency,
                                               income.RateOnIncomeDate, income.UnitsOnIncomeDate);
    if (!reader.Has("TaxInRoubles"))
        income.TaxInRoubles = RoublesOrFail(reader, "TaxInRoubles", income.TaxInCurrency, income.RateOnTaxDate,
                                            income.UnitsOnTaxDate);
}

json ToJson(const mTBusinessNew& activity) {
    json j = RecordToJson(activity, kBusinessNewFields);
    j["ExpenseItems"] = JsonValue(activity.ExpenseItems);
    j["UnconfirmedExpenses"] = MoneyJson(activity.UnconfirmedExpenses);
    return j;
}

void FromJson(JsonObjectReader& reader, mTBusinessNew& activity) {
    activity.Clear();
    FieldsFromJson(reader, activity, kBusinessNewFields);
    reader.Read("ExpenseItems", activity.ExpenseItems);
    reader.Read("UnconfirmedExpenses", activity.UnconfirmedExpenses);
    reader.Finish();
}

}  // namespace kvz
