#include "model/income_sections_json.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace kvz {

namespace {

using nlohmann::json;

[[noreturn]] void FailElement(const JsonObjectReader& reader, const char* key, std::size_t i, const std::string& what) {
    throw EJsonError(reader.PathOf(key, i) + ": " + what);
}

Money MoneyElement(const JsonObjectReader& reader, const char* key, std::size_t i, const json& value) {
    if (!value.is_string())
        FailElement(reader, key, i, "сумма записывается строкой с точкой, например \"1234.5\"");
    Money m;
    if (!TryParseMoneyExact(value.get<std::string>(), m, '.'))
        FailElement(reader, key, i, "\"" + value.get<std::string>() + "\" не сумма (не более четырех знаков после точки)");
    return m;
}

// The array under key when present; it must then hold exactly count values.
std::vector<json> FixedArray(JsonObjectReader& reader, const char* key, std::size_t count) {
    if (!reader.Has(key)) {
        reader.Array(key);  // marks the key as read
        return {};
    }
    std::vector<json> values = reader.Array(key);
    if (values.size() != count) reader.Fail(key, "нужно ровно " + std::to_string(count) + " значений");
    return values;
}

// Reads each object of the list under key with its own reader at "key[i]".
template <class Item, class Add>
void ReadObjects(JsonObjectReader& reader, const char* key, Add add) {
    const std::vector<json> values = reader.Array(key);
    for (std::size_t i = 0; i < values.size(); ++i) {
        JsonObjectReader itemReader(values[i], reader.PathOf(key, i));
        Item item;
        FromJson(itemReader, item);
        add(item);
    }
}

template <class Item>
json Objects(const std::vector<Item>& items) {
    json list = json::array();
    for (const Item& item : items) list.push_back(ToJson(item));
    return list;
}

void ReadIntegerIn(JsonObjectReader& reader, const char* key, int32_t& field, int32_t lo, int32_t hi) {
    int32_t value = field;
    reader.Read(key, value);
    if (value < lo || value > hi)
        reader.Fail(key, "число вне допустимого диапазона " + std::to_string(lo) + "…" + std::to_string(hi));
    field = value;
}

void PutNames(json& j, const mTSourseIncomeInfo& source) {
    j["Inn"] = source.Inn;
    j["Kpp"] = source.Kpp;
    j["Oktmo"] = source.Oktmo;
    j["SourceName"] = source.SourceName;
    j["TaxWithheld"] = MoneyJson(source.TaxWithheld);
}

void ReadNames(JsonObjectReader& reader, mTSourseIncomeInfo& source) {
    reader.Read("Inn", source.Inn);
    reader.Read("Kpp", source.Kpp);
    reader.Read("Oktmo", source.Oktmo);
    reader.Read("SourceName", source.SourceName);
    reader.Read("TaxWithheld", source.TaxWithheld);
}

Money RoublesOrFail(JsonObjectReader& reader, const char* key, Money amount, Money rate, int32_t units) {
    try {
        return CurrencyToRoubles(amount, rate, units);
    } catch (const std::overflow_error& e) {
        reader.Fail(key, e.what());
    }
}

}  // namespace

json ToJson(const mTSourseIncome& line) {
    json j;
    j["IncomeCode"] = line.IncomeCode;
    j["IncomeName"] = line.IncomeName;
    j["IncomeAmount"] = MoneyJson(line.IncomeAmount);
    j["DeductionCode"] = line.DeductionCode;
    j["DeductionAmount"] = MoneyJson(line.DeductionAmount);
    j["DeductionRate"] = line.DeductionRate;
    j["Month"] = line.Month;
    return j;
}

void FromJson(JsonObjectReader& reader, mTSourseIncome& line) {
    line = mTSourseIncome();
    reader.Read("IncomeCode", line.IncomeCode);
    reader.Read("IncomeName", line.IncomeName);
    reader.Read("IncomeAmount", line.IncomeAmount);
    reader.Read("DeductionCode", line.DeductionCode);
    reader.Read("DeductionAmount", line.DeductionAmount);
    reader.Read("DeductionRate", line.DeductionRate);
    reader.Read("Month", line.Month);
    if (line.Month > 12) reader.Fail("Month", "месяц 1…12 или 0, когда месяца нет");
    reader.Finish();
}

json ToJson(const mTThirteenPercent& source) {
    json j;
    PutNames(j, source);
    j["StandardDeductionsHere"] = source.StandardDeductionsHere;
    j["TaxComputed"] = MoneyJson(source.TaxComputed);
    j["TaxableAmount"] = MoneyJson(source.TaxableAmount);
    j["SpareAmount"] = MoneyJson(source.SpareAmount);
    json months = json::array();
    for (int m = 0; m < mTThirteenPercent::kMonths; ++m)
        months.push_back(source.MonthPresent(m) ? MoneyJson(source.MonthAmounts[m]) : json(nullptr));
    j["MonthAmounts"] = months;
    j["Lines"] = Objects(source.Lines());
    return j;
}

void FromJson(JsonObjectReader& reader, mTThirteenPercent& source) {
    source = mTThirteenPercent();
    ReadNames(reader, source);
    reader.Read("StandardDeductionsHere", source.StandardDeductionsHere);
    reader.Read("TaxComputed", source.TaxComputed);
    reader.Read("TaxableAmount", source.TaxableAmount);
    reader.Read("SpareAmount", source.SpareAmount);
    const std::vector<json> months = FixedArray(reader, "MonthAmounts", mTThirteenPercent::kMonths);
    for (std::size_t m = 0; m < months.size(); ++m) {
        const Money amount = months[m].is_null() ? kAbsentAmount : MoneyElement(reader, "MonthAmounts", m, months[m]);
        source.SetMonthAmount(static_cast<int>(m), amount);
    }
    ReadObjects<mTSourseIncome>(reader, "Lines", [&](const mTSourseIncome& line) { source.AddLine(line); });
    reader.Finish();
}

json ToJson(const mTThirtyPercent& source) {
    json j;
    PutNames(j, source);
    j["IncomeCode"] = source.IncomeCode;
    j["IncomeTotal"] = MoneyJson(source.IncomeTotal);
    j["TaxComputed"] = MoneyJson(source.TaxComputed);
    j["TaxableAmount"] = MoneyJson(source.TaxableAmount);
    return j;
}

void FromJson(JsonObjectReader& reader, mTThirtyPercent& source) {
    source = mTThirtyPercent();
    ReadNames(reader, source);
    reader.Read("IncomeCode", source.IncomeCode);
    reader.Read("IncomeTotal", source.IncomeTotal);
    reader.Read("TaxComputed", source.TaxComputed);
    reader.Read("TaxableAmount", source.TaxableAmount);
    reader.Finish();
}

json ToJson(const mTThirtyFivePercent& source) {
    json j;
    PutNames(j, source);
    j["IncomeCode"] = source.IncomeCode;
    j["IncomeTotal"] = MoneyJson(source.IncomeTotal);
    j["DeductionCode"] = source.DeductionCode;
    j["DeductionAmount"] = MoneyJson(source.DeductionAmount);
    return j;
}

void FromJson(JsonObjectReader& reader, mTThirtyFivePercent& source) {
    source = mTThirtyFivePercent();
    ReadNames(reader, source);
    reader.Read("IncomeCode", source.IncomeCode);
    reader.Read("IncomeTotal", source.IncomeTotal);
    reader.Read("DeductionCode", source.DeductionCode);
    reader.Read("DeductionAmount", source.DeductionAmount);
    reader.Finish();
}

json ToJson(const mTInvestTovIncome& line) {
    json j;
    j["OperationKind"] = line.OperationKind;
    j["IncomeAmount"] = MoneyJson(line.IncomeAmount);
    j["ExpenseShare"] = MoneyJson(line.ExpenseShare);
    j["ManagerExpenses"] = MoneyJson(line.ManagerExpenses);
    j["PriorLosses"] = MoneyJson(line.PriorLosses);
    return j;
}

void FromJson(JsonObjectReader& reader, mTInvestTovIncome& line) {
    line = mTInvestTovIncome();
    ReadIntegerIn(reader, "OperationKind", line.OperationKind, 0, kInvestOperationKinds);
    reader.Read("IncomeAmount", line.IncomeAmount);
    reader.Read("ExpenseShare", line.ExpenseShare);
    reader.Read("ManagerExpenses", line.ManagerExpenses);
    reader.Read("PriorLosses", line.PriorLosses);
    reader.Finish();
}

json ToJson(const mTInvestTov& source) {
    json j;
    PutNames(j, source);
    j["TaxComputed"] = MoneyJson(source.TaxComputed);
    j["TaxableAmount"] = MoneyJson(source.TaxableAmount);
    j["Lines"] = Objects(source.Lines());
    return j;
}

void FromJson(JsonObjectReader& reader, mTInvestTov& source) {
    source = mTInvestTov();
    ReadNames(reader, source);
    reader.Read("TaxComputed", source.TaxComputed);
    reader.Read("TaxableAmount", source.TaxableAmount);
    ReadObjects<mTInvestTovIncome>(reader, "Lines", [&](const mTInvestTovIncome& line) { source.AddLine(line); });
    reader.Finish();
}

json ToJson(const mTCurrencyIncome& income) {
    json j;
    j["IncomeRate"] = income.IncomeRate;
    j["IncomeCode"] = income.IncomeCode;
    j["IncomeName"] = income.IncomeName;
    j["SourceName"] = income.SourceName;
    j["CountryCode"] = income.CountryCode;
    j["IncomeDate"] = DateJson(income.IncomeDate);
    j["TaxPaymentDate"] = DateJson(income.TaxPaymentDate);
    j["CurrencyCode"] = income.CurrencyCode;
    j["RateOnIncomeDate"] = MoneyJson(income.RateOnIncomeDate);
    j["UnitsOnIncomeDate"] = income.UnitsOnIncomeDate;
    j["RateOnTaxDate"] = MoneyJson(income.RateOnTaxDate);
    j["UnitsOnTaxDate"] = income.UnitsOnTaxDate;
    j["CurrencyName"] = income.CurrencyName;
    j["IncomeInCurrency"] = MoneyJson(income.IncomeInCurrency);
    j["IncomeInRoubles"] = MoneyJson(income.IncomeInRoubles);
    j["TaxInCurrency"] = MoneyJson(income.TaxInCurrency);
    j["TaxInRoubles"] = MoneyJson(income.TaxInRoubles);
    j["AutoRate"] = income.AutoRate;
    j["DeductionCode"] = income.DeductionCode;
    j["DeductionAmount"] = MoneyJson(income.DeductionAmount);
    j["DeductionRate"] = income.DeductionRate;
    return j;
}

void FromJson(JsonObjectReader& reader, mTCurrencyIncome& income) {
    income = mTCurrencyIncome();
    reader.Read("IncomeRate", income.IncomeRate);
    reader.Read("IncomeCode", income.IncomeCode);
    reader.Read("IncomeName", income.IncomeName);
    reader.Read("SourceName", income.SourceName);
    reader.Read("CountryCode", income.CountryCode);
    reader.ReadDate("IncomeDate", income.IncomeDate);
    reader.ReadDate("TaxPaymentDate", income.TaxPaymentDate);
    reader.Read("CurrencyCode", income.CurrencyCode);
    reader.Read("RateOnIncomeDate", income.RateOnIncomeDate);
    reader.Read("UnitsOnIncomeDate", income.UnitsOnIncomeDate);
    reader.Read("RateOnTaxDate", income.RateOnTaxDate);
    reader.Read("UnitsOnTaxDate", income.UnitsOnTaxDate);
    reader.Read("CurrencyName", income.CurrencyName);
    reader.Read("IncomeInCurrency", income.IncomeInCurrency);
    reader.Read("TaxInCurrency", income.TaxInCurrency);
    reader.Read("AutoRate", income.AutoRate);
    reader.Read("DeductionCode", income.DeductionCode);
    reader.Read("DeductionAmount", income.DeductionAmount);
    reader.Read("DeductionRate", income.DeductionRate);
    if (reader.Has("IncomeInRoubles"))
        reader.Read("IncomeInRoubles", income.IncomeInRoubles);
    else
        income.IncomeInRoubles = RoublesOrFail(reader, "IncomeInRoubles", income.IncomeInCurrency,
                                               income.RateOnIncomeDate, income.UnitsOnIncomeDate);
    if (reader.Has("TaxInRoubles"))
        reader.Read("TaxInRoubles", income.TaxInRoubles);
    else
        income.TaxInRoubles = RoublesOrFail(reader, "TaxInRoubles", income.TaxInCurrency, income.RateOnTaxDate,
                                            income.UnitsOnTaxDate);
    reader.Finish();
}

json ToJson(const mTBusinessNew& activity) {
    json j;
    j["ActivityKind"] = activity.ActivityKind;
    j["ActivityCode"] = activity.ActivityCode;
    j["ExpensesConfirmed"] = activity.ExpensesConfirmed;
    j["Income"] = MoneyJson(activity.Income);
    json items = json::array();
    for (Money item : activity.ExpenseItems) items.push_back(MoneyJson(item));
    j["ExpenseItems"] = items;
    j["UnconfirmedExpenses"] = MoneyJson(activity.UnconfirmedExpenses);
    return j;
}

void FromJson(JsonObjectReader& reader, mTBusinessNew& activity) {
    activity.Clear();
    reader.Read("ActivityKind", activity.ActivityKind);
    reader.Read("ActivityCode", activity.ActivityCode);
    reader.Read("ExpensesConfirmed", activity.ExpensesConfirmed);
    reader.Read("Income", activity.Income);
    const std::vector<json> items = FixedArray(reader, "ExpenseItems", kExpenseItemCount);
    for (std::size_t i = 0; i < items.size(); ++i) activity.ExpenseItems[i] = MoneyElement(reader, "ExpenseItems", i, items[i]);
    reader.Read("UnconfirmedExpenses", activity.UnconfirmedExpenses);
    reader.Finish();
}

json ToJson(const mTNalog& payment) {
    json j;
    j["PaymentText1"] = payment.PaymentText1;
    j["PaymentText2"] = payment.PaymentText2;
    j["PaymentAmount"] = MoneyJson(payment.PaymentAmount);
    return j;
}

void FromJson(JsonObjectReader& reader, mTNalog& payment) {
    payment = mTNalog();
    reader.Read("PaymentText1", payment.PaymentText1);
    reader.Read("PaymentText2", payment.PaymentText2);
    reader.Read("PaymentAmount", payment.PaymentAmount);
    reader.Finish();
}

}  // namespace kvz
