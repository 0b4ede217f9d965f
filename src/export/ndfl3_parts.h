#pragma once
// The parts of the 3-НДФЛ tree, each written by its own file; ndfl3_document.cpp
// puts them together in the order of the form.
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "calc/svod_sum.h"
#include "export/export_texts.h"
#include "export/xml_dom.h"
#include "model/declaration.h"
#include "storage/money.h"

namespace kvz::ndfl3 {

// Amounts in the two text forms; the "IfPositive" forms write only amounts > 0.
inline void SetKopecks(const XmlElement& e, const char* name, Money m) { e.Set(name, KopeckForm(m)); }
inline void SetPlain(const XmlElement& e, const char* name, Money m) { e.Set(name, PlainForm(m)); }
inline void SetKopecksIfPositive(const XmlElement& e, const char* name, Money m) {
    if (m > Money()) SetKopecks(e, name, m);
}
inline void SetPlainIfPositive(const XmlElement& e, const char* name, Money m) {
    if (m > Money()) SetPlain(e, name, m);
}

// Attributes of one element with their amounts, in the order of the schema.
using Amounts = std::initializer_list<std::pair<const char*, Money>>;
inline void SetKopecks(const XmlElement& e, Amounts amounts) {
    for (const auto& [name, amount] : amounts) SetKopecks(e, name, amount);
}
inline void SetKopecksIfPositive(const XmlElement& e, Amounts amounts) {
    for (const auto& [name, amount] : amounts) SetKopecksIfPositive(e, name, amount);
}

// The schema's address in Russia, from a record with the usual field names; the
// region is its code, written with two digits.
template <class Address>
void SetRussianAddress(const XmlElement& a, const Address& r, const std::string& region) {
    a.SetOptional("Индекс", r.PostIndex);
    a.Set("КодРегион", PadWithZeros(region, 2));
    a.SetOptional("Район", r.District);
    a.SetOptional("Город", r.City);
    a.SetOptional("НаселПункт", r.Locality);
    a.SetOptional("Улица", r.Street);
    a.SetOptional("Дом", r.House);
    a.SetOptional("Корпус", r.Building);
    a.SetOptional("Кварт", r.Flat);
}

// НДФЛ3 children 1 and 2 (tax_sections.cpp).
void WritePaymentLines(const XmlElement& ndfl3, const kTSvodSum& sum);
void WriteRateBlocks(const XmlElement& ndfl3, const kTSvodSum& sum);
// Child 3 (income_source_entries.cpp): one ДоходИстРФ per payment source, in the
// order of IncomeSourceOrigins.
enum class IncomeSourceList { Nine, Thirteen, ThirteenNR, InvestTov, Dividends, ThirtyFive };
struct IncomeSourceOrigin {
    IncomeSourceList List;
    int Index;  // in that list
    const char* Rate;
};
std::vector<IncomeSourceOrigin> IncomeSourceOrigins(const mTDeclaration& declaration, const kTSvodSum& sum);
void WriteIncomeSources(const XmlElement& ndfl3, const mTDeclaration& declaration, const kTSvodSum& sum);
// Children 4 to 6 (sheet_income_elements.cpp).
void WriteForeignIncome(const XmlElement& ndfl3, const mTDeclaration& declaration, const kTSvodSum& sum);
void WriteBusinessIncome(const XmlElement& ndfl3, const mTDeclaration& declaration, const kTSvodSum& sum);
void WriteExemptIncome(const XmlElement& ndfl3, const mTDeclaration& declaration, const kTSvodSum& sum);
// Children 7 to 11 (sheet_deduction_elements.cpp).
void WriteHousingDeduction(const XmlElement& ndfl3, const mTDeclaration& declaration, const kTSvodSum& sum);
void WritePropertySaleDeduction(const XmlElement& ndfl3, const kTSvodSum& sum);
void WriteStandardSocialDeductions(const XmlElement& ndfl3, const mTDeclaration& declaration, const kTSvodSum& sum);
void WritePensionInvestmentDeductions(const XmlElement& ndfl3, const kTSvodSum& sum);
void WriteProfessionalDeductions(const XmlElement& ndfl3, const kTSvodSum& sum);
// Children 12 and 13 (sheet_securities_elements.cpp).
void WriteSecurities(const XmlElement& ndfl3, const mTDeclaration& declaration, const kTSvodSum& sum);
void WritePartnerships(const XmlElement& ndfl3, const kTSvodSum& sum);

}  // namespace kvz::ndfl3
