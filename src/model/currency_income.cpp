#include "model/currency_income.h"

#include <limits>
#include <stdexcept>

#include "model/section_streams.h"
#include "storage/document_storage.h"

namespace kvz {

namespace {

// 1 January 2015, the first day a new income can have.
DateTime FirstDayOf2015() { return EncodeDate(2015, 1, 1); }

}  // namespace

Money CurrencyToRoubles(Money amount, Money rate, int32_t units) {
    if (units == 0) return Money();
    // amount and rate are both scaled by 10 000; the result is wanted in kopecks.
    __int128 numerator = static_cast<__int128>(amount.Raw()) * rate.Raw();
    __int128 denominator = static_cast<__int128>(units) * (Money::kScale * Money::kScale / 100);
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    __int128 kopecks = numerator / denominator;  // cut toward zero
    const __int128 remainder = numerator % denominator;
    if (remainder > 0 && 2 * remainder >= denominator) ++kopecks;  // halves of positives go up
    constexpr __int128 kLimit = std::numeric_limits<int64_t>::max() / 100;
    if (kopecks > kLimit || kopecks < -kLimit)
        throw std::overflow_error("Сумма в рублях слишком велика.");
    return Money::FromRaw(static_cast<int64_t>(kopecks) * 100);
}

mTCurrencyIncome::mTCurrencyIncome() : IncomeDate(FirstDayOf2015()), TaxPaymentDate(FirstDayOf2015()) {}

void mTCurrencyIncome::SetIncomeInCurrency(Money amount) {
    IncomeInCurrency = amount;
    IncomeInRoubles = CurrencyToRoubles(amount, RateOnIncomeDate, UnitsOnIncomeDate);
}

void mTCurrencyIncome::SetTaxInCurrency(Money amount) {
    TaxInCurrency = amount;
    TaxInRoubles = CurrencyToRoubles(amount, RateOnTaxDate, UnitsOnTaxDate);
}

void mTCurrencyIncome::Save(mTDocumentStorage& s, uint16_t index) const {
    WithErrorPlace(kPlaceSave, [&] {
        s.CreateStream(SectionStreamName(kStream, index));
        s.WriteInteger(IncomeRate);
        s.WriteInteger(IncomeCode);
        s.WriteString(IncomeName);
        s.WriteString(SourceName);
        s.WriteString(CountryCode);
        s.WriteDouble(IncomeDate);
        s.WriteDouble(TaxPaymentDate);
        s.WriteBoolean(AutoRate);
        s.WriteString(CurrencyCode);
        s.WriteCurrency(RateOnIncomeDate);
        s.WriteInteger(UnitsOnIncomeDate);
        s.WriteCurrency(RateOnTaxDate);
        s.WriteInteger(UnitsOnTaxDate);
        s.WriteString(CurrencyName);
        s.WriteCurrency(IncomeInCurrency);
        s.WriteCurrency(IncomeInRoubles);
        s.WriteCurrency(TaxInCurrency);
        s.WriteCurrency(TaxInRoubles);
        s.WriteInteger(DeductionCode);
        s.WriteCurrency(DeductionAmount);
        s.WriteInteger(DeductionRate);
    });
}

void mTCurrencyIncome::Load(mTDocumentStorage& s, uint16_t index) {
    WithErrorPlace(kPlaceLoad, [&] {
        *this = mTCurrencyIncome();
        s.OpenStream(SectionStreamName(kStream, index));
        IncomeRate = s.ReadInteger();
        IncomeCode = s.ReadInteger();
        IncomeName = s.ReadString();
        SourceName = s.ReadString();
        CountryCode = s.ReadString();
        IncomeDate = s.ReadDateTime();
        TaxPaymentDate = s.ReadDateTime();
        AutoRate = s.ReadBoolean();
        CurrencyCode = s.ReadString();
        RateOnIncomeDate = s.ReadCurrency();
        UnitsOnIncomeDate = s.ReadInteger();
        RateOnTaxDate = s.ReadCurrency();
        UnitsOnTaxDate = s.ReadInteger();
        CurrencyName = s.ReadString();
        IncomeInCurrency = s.ReadCurrency();
        IncomeInRoubles = s.ReadCurrency();
        TaxInCurrency = s.ReadCurrency();
        TaxInRoubles = s.ReadCurrency();
        DeductionCode = s.ReadInteger();
        DeductionAmount = s.ReadCurrency();
        DeductionRate = s.ReadInteger();
    });
}

uint32_t mTCurrencyIncome::StoredSize(uint16_t index) const {
    using S = mTDocumentStorage;
    return S::ItemSize(SectionStreamName(kStream, index)) + S::IntegerItemSize(IncomeRate) +
           S::IntegerItemSize(IncomeCode) + S::StringItemSize(IncomeName) + S::StringItemSize(SourceName) +
           S::StringItemSize(CountryCode) + S::DoubleItemSize(IncomeDate) + S::DoubleItemSize(TaxPaymentDate) +
           S::ByteItemSize(AutoRate ? 1 : 0) + S::StringItemSize(CurrencyCode) +
           S::CurrencyItemSize(RateOnIncomeDate) + S::IntegerItemSize(UnitsOnIncomeDate) +
           S::CurrencyItemSize(RateOnTaxDate) + S::IntegerItemSize(UnitsOnTaxDate) +
           S::StringItemSize(CurrencyName) + S::CurrencyItemSize(IncomeInCurrency) +
           S::CurrencyItemSize(IncomeInRoubles) + S::CurrencyItemSize(TaxInCurrency) +
           S::CurrencyItemSize(TaxInRoubles) + S::IntegerItemSize(DeductionCode) +
           S::CurrencyItemSize(DeductionAmount) + S::IntegerItemSize(DeductionRate);
}

}  // namespace kvz
