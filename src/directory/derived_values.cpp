#include "directory/derived_values.h"

#include <functional>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <optional>
#include <vector>

#include "directory/automatic_rates.h"
#include "directory/document_types.h"
#include "directory/regions.h"
#include "export/export_folder.h"
#include "model/declaration.h"
#include "model/deduction_amount.h"
#include "storage/dates.h"

namespace kvz {

namespace {

constexpr const char* kFromCode = "по коду";
constexpr const char* kFromRates = "по курсу";

bool Given(int32_t v) { return v != 0; }
bool Given(const std::string& v) { return !v.empty(); }
bool Given(Money v) { return !v.IsZero(); }
std::string Text(int32_t v) { return std::to_string(v); }
std::string Text(const std::string& v) { return "\"" + v + "\""; }
std::string Text(Money v) { return MoneyToText(v, '.'); }

[[noreturn]] void Refuse(const std::string& path, const char* key, const std::string& why) {
    throw EDerivedValueError((path.empty() ? std::string(key) : path + "." + key) + ": " + why);
}

// The derived value replaces a value not given; a given one must be the same.
template <class T>
void Derive(T& field, const T& derived, const std::string& path, const char* key, const char* from) {
    if (Given(field) && !(field == derived))
        Refuse(path, key, "указано " + Text(field) + ", а " + from + " следует " + Text(derived));
    field = derived;
}

// A name only describes its code: one given in other words (an abbreviation, an older
// edition of the classifier) is the user's and stays; an empty one is filled.
void DeriveName(std::string& field, const std::string& derived) {
    if (!Given(field)) field = derived;
}

// Roubles computed elsewhere may round the last kopeck another way; within a kopeck the
// amount is the same one and the program's own rounding is kept, beyond it the rate and
// the amount disagree.
void DeriveRoubles(Money& field, Money derived, const std::string& path, const char* key) {
    const Money kopeck = Money::FromRaw(Money::kScale / 100);
    const Money difference = field > derived ? field - derived : derived - field;
    if (Given(field) && difference <= kopeck) field = derived;
    Derive(field, derived, path, key, kFromRates);
}

const DeductionEntry* DeductionOf(const IncomeDictionary& incomes, int32_t incomeCode, int32_t deductionCode,
                                  bool resident) {
    for (const DeductionEntry* entry : incomes.DeductionsFor(std::to_string(incomeCode), resident))
        if (entry->Code == std::to_string(deductionCode)) return entry;
    return nullptr;
}

// The deduction's rate, and its amount when the program computes it from the income.
// A record without a rate field (35 %) has no normative share either.
template <class Record>
void DeriveDeduction(Record& r, const DeductionEntry* entry, Money income, const std::string& path) {
    if (r.DeductionCode == 0) return;
    if (!entry)
        Refuse(path, "DeductionCode",
               "вычет " + Text(r.DeductionCode) + " не предусмотрен для дохода с кодом " + Text(r.IncomeCode));
    DeductionAmountRule rule = DeductionAmountRule::Of(*entry);
    if constexpr (requires { r.DeductionRate; })
        Derive(r.DeductionRate, static_cast<int32_t>(entry->Percent), path, "DeductionRate", kFromCode);
    else
        rule.Percent = 0;
    if (!entry->Visible) {
        Derive(r.DeductionAmount, Money(), path, "DeductionAmount", kFromCode);
        return;
    }
    const std::optional<Money> automatic = AutomaticDeductionAmount(income, rule);
    if (!automatic) return;
    // A typed amount stays the user's; only a computed one must agree.
    if (entry->Enabled && Given(r.DeductionAmount)) return;
    Derive(r.DeductionAmount, *automatic, path, "DeductionAmount", kFromCode);
}

void DeriveAutomaticRates(mTCurrencyIncome& f, const CurrencyRateTable* table, const std::string& path) {
    if (!f.AutoRate) return;
    if (!table) Refuse(path, "AutoRate", "нет файла курсов валют, курс нельзя определить автоматически");
    const AutomaticRates rates = LookUpAutomaticRates(table, f.CurrencyCode, f.IncomeDate, f.TaxPaymentDate);
    if (!rates.Available)
        Refuse(path, "AutoRate",
               "в файле курсов нет курса валюты " + Text(f.CurrencyCode) + " на " + DateToText(f.IncomeDate) +
                   " или ранее");
    Derive(f.RateOnIncomeDate, rates.OnIncomeDate.Rate, path, "RateOnIncomeDate", "по файлу курсов");
    Derive(f.UnitsOnIncomeDate, rates.OnIncomeDate.Units, path, "UnitsOnIncomeDate", "по файлу курсов");
    Derive(f.RateOnTaxDate, rates.OnTaxDate.Rate, path, "RateOnTaxDate", "по файлу курсов");
    Derive(f.UnitsOnTaxDate, rates.OnTaxDate.Units, path, "UnitsOnTaxDate", "по файлу курсов");
}

Money Roubles(Money amount, Money rate, int32_t units, const std::string& path, const char* key) {
    try {
        return CurrencyToRoubles(amount, rate, units);
    } catch (const std::overflow_error& e) {
        Refuse(path, key, e.what());
    }
}

void DeriveIncomeEntry(mTCurrencyIncome& f, const IncomeEntry& entry, const std::string& path) {
    Derive(f.IncomeRate, static_cast<int32_t>(RateNumber(entry.Stav)), path, "IncomeRate", kFromCode);
    DeriveName(f.IncomeName, entry.Name);
}

// The name a code of a fixed list shows; the list's codes have two digits.
const std::string* NameOfCode(const std::vector<DirectoryEntry>& rows, int code) {
    const std::string text = (code < 10 ? "0" : "") + std::to_string(code);
    for (const DirectoryEntry& row : rows)
        if (row.Code == text) return &row.Name;
    return nullptr;
}

// The taxpayer's names of his document type and region. Names that earlier versions
// spelled otherwise are kept as they stand: the codes are what the file carries.
void DerivePersonNames(mTPersonInformation& p) {
    if (p.DocTypeName.empty())
        if (const std::string* name = NameOfCode(DocumentTypeRows(), p.DocTypeCode)) p.DocTypeName = *name;
    if (p.RegionName.empty())
        if (const std::string* name = NameOfCode(RegionRows(), p.RegionCode)) p.RegionName = *name;
}

std::string ItemPath(const char* list, int index) { return std::string(list) + "[" + std::to_string(index) + "]"; }

// Derives on copies and puts them back only when every item of every list is sound.
class Derivation {
public:
    template <class List, class Step>
    void Each(List& list, const char* key, Step step) {
        for (int i = 0; i < list.Count(); ++i) {
            auto copy = std::make_shared<std::decay_t<decltype(list.Get(i))>>(list.Get(i));
            step(*copy, ItemPath(key, i));
            Commits_.push_back([&list, i, copy] { list.Get(i) = *copy; });
        }
    }
    void Commit() {
        for (auto& commit : Commits_) commit();
    }

private:
    std::vector<std::function<void()>> Commits_;
};

template <class Source>
void DeriveLines(Source& source, const IncomeDictionary& incomes, bool resident, const std::string& path) {
    for (int j = 0; j < source.LineCount(); ++j) {
        mTSourseIncome line = source.Line(j);
        DeriveIncomeLine(line, incomes, resident, path + "." + ItemPath("Lines", j));
        source.ReplaceLine(j, line);
    }
}

}  // namespace

void DeriveIncomeLine(mTSourseIncome& line, const IncomeDictionary& incomes, bool resident, const std::string& path) {
    if (line.IncomeCode == 0) return;
    // A code the dictionary does not know keeps what is given; the check names it.
    const IncomeEntry* entry = incomes.FindIncome(std::to_string(line.IncomeCode));
    if (!entry) return;
    DeriveName(line.IncomeName, entry->Name);
    // A non-resident deducts only with the incomes the law names.
    const DeductionEntry* deduction = resident || NonResidentMayDeduct(line.IncomeCode)
                                          ? DeductionOf(incomes, line.IncomeCode, line.DeductionCode, resident)
                                          : nullptr;
    DeriveDeduction(line, deduction, line.IncomeAmount, path);
}

void DeriveForeignIncome(mTCurrencyIncome& f, const DerivationSources& sources, const std::string& path) {
    const Currency* currency = sources.Rates ? sources.Rates->Find(f.CurrencyCode) : nullptr;
    if (currency) DeriveName(f.CurrencyName, currency->Name);
    DeriveAutomaticRates(f, sources.Rates, path);
    if (f.UnitsOnIncomeDate != 0 && !f.RateOnIncomeDate.IsZero())
        DeriveRoubles(f.IncomeInRoubles,
                      Roubles(f.IncomeInCurrency, f.RateOnIncomeDate, f.UnitsOnIncomeDate, path, "IncomeInRoubles"), path,
                      "IncomeInRoubles");
    if (f.UnitsOnTaxDate != 0 && !f.RateOnTaxDate.IsZero())
        DeriveRoubles(f.TaxInRoubles, Roubles(f.TaxInCurrency, f.RateOnTaxDate, f.UnitsOnTaxDate, path, "TaxInRoubles"),
                      path, "TaxInRoubles");
    if (f.IncomeCode == 0) return;
    const IncomeEntry* entry = sources.Incomes.FindIncome(std::to_string(f.IncomeCode));
    if (!entry) {
        // Without the code's rate the income would fall out of the calculation unseen.
        if (!Given(f.IncomeRate))
            Refuse(path, "IncomeRate",
                   "код дохода " + Text(f.IncomeCode) + " отсутствует в справочнике, ставку по нему определить нельзя");
        return;
    }
    DeriveIncomeEntry(f, *entry, path);
    DeriveDeduction(f, DeductionOf(sources.Incomes, f.IncomeCode, f.DeductionCode, true), f.IncomeInRoubles, path);
}

void DeriveDeclarationValues(mTDeclaration& d, const DerivationSources& sources) {
    Derivation derivation;
    const auto fixedCode = [](int32_t code) {
        return [code](mTThirtyPercent& s, const std::string& path) {
            Derive(s.IncomeCode, code, path, "IncomeCode", "для этого раздела");
        };
    };
    derivation.Each(d.Nine, "Nine", fixedCode(mTThirtyPercent::kNineIncomeCode));
    derivation.Each(d.Dividends, "Dividends", fixedCode(mTThirtyPercent::kDividendIncomeCode));
    derivation.Each(d.Thirteen, "Thirteen", [&](mTThirteenPercent& s, const std::string& path) {
        DeriveLines(s, sources.Incomes, true, path);
    });
    derivation.Each(d.ThirteenNR, "ThirteenNR", [&](mTThirteenPercent& s, const std::string& path) {
        DeriveLines(s, sources.Incomes, false, path);
    });
    derivation.Each(d.ThirtyFive, "ThirtyFive", [&](mTThirtyFivePercent& s, const std::string& path) {
        if (!sources.Incomes.FindIncome(std::to_string(s.IncomeCode))) return;  // the check names an unknown code
        DeriveDeduction(s, DeductionOf(sources.Incomes, s.IncomeCode, s.DeductionCode, true), s.IncomeTotal, path);
    });
    derivation.Each(d.Foreign, "Foreign",
                    [&](mTCurrencyIncome& f, const std::string& path) { DeriveForeignIncome(f, sources, path); });
    derivation.Commit();
    DerivePersonNames(d.Person);
}

void TakeIncomeCode(mTCurrencyIncome& f, const IncomeEntry& entry) {
    f.IncomeCode = std::stoi(entry.Code);
    f.IncomeName.clear();
    f.IncomeRate = 0;
    f.DeductionCode = 0;
    f.DeductionRate = 0;
    DeriveIncomeEntry(f, entry, "");
}

void TakeDeductionCode(mTCurrencyIncome& f, const DeductionEntry& entry) {
    f.DeductionCode = std::stoi(entry.Code);
    f.DeductionRate = 0;
    Derive(f.DeductionRate, static_cast<int32_t>(entry.Percent), "", "DeductionRate", kFromCode);
}

DerivationSources ProgramDerivationSources() {
    static std::once_flag once;
    static std::optional<IncomeDictionary> incomes;
    static std::optional<CurrencyRateTable> rates;
    std::call_once(once, [] {
        incomes = IncomeDictionary::LoadEmbedded();
        try {
            rates = ReadCurrencyRates(ProgramDataFolder() + "CurrencyRates.xml");
        } catch (const std::exception&) {
            rates.reset();  // without the file automatic rates are refused, as the window disables them
        }
    });
    return DerivationSources{*incomes, rates ? &*rates : nullptr};
}

}  // namespace kvz
