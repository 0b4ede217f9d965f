#pragma once
// One income received abroad in a foreign currency, with the exchange rates on the
// income date and on the tax payment date and the rouble equivalents derived from them.
#include <cstdint>
#include <string>

#include "model/field_list.h"
#include "model/item_stream.h"
#include "storage/dates.h"
#include "storage/money.h"

namespace kvz {

class mTCurrencyIncome : public mTItemStream<mTCurrencyIncome> {
public:
    static constexpr const char* kStream = "@CurrencyIncome";
    static constexpr uint16_t kPlaceSave = 377;
    static constexpr uint16_t kPlaceLoad = 378;

    mTCurrencyIncome();

    // Load takes the stored rouble values as they are, not recomputed.

    // Set the currency amount and recompute its rouble value from the rate of its date.
    void SetIncomeInCurrency(Money amount);
    void SetTaxInCurrency(Money amount);

    bool operator==(const mTCurrencyIncome&) const = default;

    int32_t IncomeRate = 0;  // tax rate in percent of the income code ("Stav")
    int32_t IncomeCode = 0;
    std::string IncomeName;
    std::string SourceName;
    std::string CountryCode;
    DateTime IncomeDate;
    DateTime TaxPaymentDate;
    std::string CurrencyCode;
    Money RateOnIncomeDate;  // roubles per UnitsOnIncomeDate units of the currency
    int32_t UnitsOnIncomeDate = 0;
    Money RateOnTaxDate;
    int32_t UnitsOnTaxDate = 0;
    std::string CurrencyName;
    Money IncomeInCurrency;
    Money IncomeInRoubles;
    Money TaxInCurrency;  // tax paid abroad
    Money TaxInRoubles;
    bool AutoRate = false;
    int32_t DeductionCode = 0;
    Money DeductionAmount;
    int32_t DeductionRate = 0;
};

inline constexpr auto kCurrencyIncomeFields = FieldList(
    Field("IncomeRate", &mTCurrencyIncome::IncomeRate), Field("IncomeCode", &mTCurrencyIncome::IncomeCode),
    Field("IncomeName", &mTCurrencyIncome::IncomeName), Field("SourceName", &mTCurrencyIncome::SourceName),
    Field("CountryCode", &mTCurrencyIncome::CountryCode), Field("IncomeDate", &mTCurrencyIncome::IncomeDate),
    Field("TaxPaymentDate", &mTCurrencyIncome::TaxPaymentDate), Field("AutoRate", &mTCurrencyIncome::AutoRate),
    Field("CurrencyCode", &mTCurrencyIncome::CurrencyCode),
    Field("RateOnIncomeDate", &mTCurrencyIncome::RateOnIncomeDate, kNotSummed),
    Field("UnitsOnIncomeDate", &mTCurrencyIncome::UnitsOnIncomeDate),
    Field("RateOnTaxDate", &mTCurrencyIncome::RateOnTaxDate, kNotSummed),
    Field("UnitsOnTaxDate", &mTCurrencyIncome::UnitsOnTaxDate), Field("CurrencyName", &mTCurrencyIncome::CurrencyName),
    Field("IncomeInCurrency", &mTCurrencyIncome::IncomeInCurrency, kNotSummed),
    Field("IncomeInRoubles", &mTCurrencyIncome::IncomeInRoubles),
    Field("TaxInCurrency", &mTCurrencyIncome::TaxInCurrency, kNotSummed),
    Field("TaxInRoubles", &mTCurrencyIncome::TaxInRoubles), Field("DeductionCode", &mTCurrencyIncome::DeductionCode),
    Field("DeductionAmount", &mTCurrencyIncome::DeductionAmount),
    Field("DeductionRate", &mTCurrencyIncome::DeductionRate));
constexpr const auto& FieldsOf(const mTCurrencyIncome&) { return kCurrencyIncomeFields; }

// amount ÷ units × rate in roubles, rounded to whole kopecks with halves rounded up
// (a negative value is cut toward zero); 0 when units is 0. Exact: no binary fraction
// can turn a half kopeck into a little less. Throws std::overflow_error when the result
// is beyond any amount the program can hold.
Money CurrencyToRoubles(Money amount, Money rate, int32_t units);

}  // namespace kvz
