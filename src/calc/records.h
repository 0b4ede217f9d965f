#pragma once
// The result records of the summary calculation: one per computed sheet of the
// declaration form and one per tax rate of the tax computation, with their item
// records. Fields are listed in the order of the form; the comments name the XML
// attribute the export writes from each. Every record resets to zero with Clear().
// Each record's field list (its JSON in `kvarzen-cli calc`) stands after it.
#include <array>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "model/field_list.h"
#include "storage/dates.h"
#include "storage/money.h"

namespace kvz {

// Tax computation at one rate (Раздел 2, "НалБаза"). The five rate records share
// this layout; each is its own class so that the records can be told apart.
struct kTSvodSumTaxByRate {
    std::string Rate;                   // "Ставка"
    Money IncomeTotal;                  // "ДоходОбщ"
    Money NonTaxableIncome;             // "ДоходОбщНеНал"
    Money Deductions;                   // "СумНалВыч"
    Money TaxableIncome;                // "ДоходОбщНал"
    Money ExpensesReducingIncome;       // "СумРасхУм"
    Money DividendCfcIncome;            // "СумДохДивКИК"
    Money TaxBase;                      // "НалБаза"
    Money TaxComputed;                  // "Исчисл", whole roubles
    Money TaxWithheld;                  // "УдержОбщ"
    Money TaxWithheldMaterialBenefit;   // "УдержОбщМВ"
    Money AdvancePaid;                  // "УплАвФакт"
    Money FixedAdvanceCredited;         // "ОбщАвУплЗач227.1"
    Money ForeignTaxCredited;           // "УплИнПодлЗач"
    Money TaxAfterCredits;              // "ИсчислУпл"
    Money RefundDue;                    // "ПодлВозв"
    Money PatentTaxCredited;            // "УплПатентЗач"
    Money TradeLevyCredited;            // "ТСУплПерЗач"
    Money TaxDue;                       // "ПодлУпл"

    bool operator==(const kTSvodSumTaxByRate&) const = default;
};

inline constexpr auto kTaxByRateFields = FieldList(
    Field("Rate", &kTSvodSumTaxByRate::Rate), Field("IncomeTotal", &kTSvodSumTaxByRate::IncomeTotal),
    Field("NonTaxableIncome", &kTSvodSumTaxByRate::NonTaxableIncome),
    Field("Deductions", &kTSvodSumTaxByRate::Deductions), Field("TaxableIncome", &kTSvodSumTaxByRate::TaxableIncome),
    Field("ExpensesReducingIncome", &kTSvodSumTaxByRate::ExpensesReducingIncome),
    Field("DividendCfcIncome", &kTSvodSumTaxByRate::DividendCfcIncome), Field("TaxBase", &kTSvodSumTaxByRate::TaxBase),
    Field("TaxComputed", &kTSvodSumTaxByRate::TaxComputed), Field("TaxWithheld", &kTSvodSumTaxByRate::TaxWithheld),
    Field("TaxWithheldMaterialBenefit", &kTSvodSumTaxByRate::TaxWithheldMaterialBenefit),
    Field("AdvancePaid", &kTSvodSumTaxByRate::AdvancePaid),
    Field("FixedAdvanceCredited", &kTSvodSumTaxByRate::FixedAdvanceCredited),
    Field("ForeignTaxCredited", &kTSvodSumTaxByRate::ForeignTaxCredited),
    Field("TaxAfterCredits", &kTSvodSumTaxByRate::TaxAfterCredits), Field("RefundDue", &kTSvodSumTaxByRate::RefundDue),
    Field("PatentTaxCredited", &kTSvodSumTaxByRate::PatentTaxCredited),
    Field("TradeLevyCredited", &kTSvodSumTaxByRate::TradeLevyCredited), Field("TaxDue", &kTSvodSumTaxByRate::TaxDue));

// 13 %: its rate text is kept by Clear, the record always carries it.
struct kTSvodSumList1 : kTSvodSumTaxByRate {
    kTSvodSumList1() { Rate = "13"; }
    void Clear() { *this = kTSvodSumList1(); }
    bool operator==(const kTSvodSumList1&) const = default;
};

// 30 % (non-resident): its rate text is kept by Clear, the record always carries it.
struct kTSvodSumList2 : kTSvodSumTaxByRate {
    kTSvodSumList2() { Rate = "30"; }
    void Clear() { *this = kTSvodSumList2(); }
    bool operator==(const kTSvodSumList2&) const = default;
};

// 35 % (resident); the rate text is set only when the record is computed.
struct kTSvodSumList3 : kTSvodSumTaxByRate {
    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumList3&) const = default;
};

// 9 % (resident), rate text "09" when computed.
struct kTSvodSumList4 : kTSvodSumTaxByRate {
    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumList4&) const = default;
};

// 15 % (non-resident dividends).
struct kTSvodSumList5 : kTSvodSumTaxByRate {
    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumList5&) const = default;
};

// Budget classification codes of the payment and refund lines.
inline constexpr const char* kKbkWithheldRefund = "18210102010011000110";
inline constexpr const char* kKbkBusiness = "18210102020011000110";
inline constexpr const char* kKbkOther = "18210102030011000110";

// PayOrRefund values.
inline constexpr const char* kPay = "1";
inline constexpr const char* kRefund = "2";
inline constexpr const char* kNeither = "3";

// One payment or refund line (Раздел 1, "СумНалПу").
struct bmTList1 {
    std::string Kbk;          // "КБК", 20 digits
    std::string Oktmo;        // "ОКТМО"
    std::string PayOrRefund;  // "ПрУплВозв": "1" pay, "2" refund, "3" neither
    Money Amount;             // "ПодлУпл" for "1", "ПодлВозв" for "2"

    bool operator==(const bmTList1&) const = default;
};

inline constexpr auto kList1LineFields =
    FieldList(Field("Kbk", &bmTList1::Kbk), Field("Oktmo", &bmTList1::Oktmo),
              Field("PayOrRefund", &bmTList1::PayOrRefund), Field("Amount", &bmTList1::Amount));

// Payment and refund lines by budget code and ОКТМО.
struct kTSvodSumList6 {
    std::vector<bmTList1> Lines;
    int LineCount() const { return static_cast<int>(Lines.size()); }

    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumList6&) const = default;
};

inline constexpr auto kList6Fields = FieldList(ListField("Lines", &kTSvodSumList6::Lines, kList1LineFields),
                                               CountField("LineCount", &kTSvodSumList6::Lines));

// The totals every rate of sheet А carries, in the order of the form.
struct kTSvodSumPrilATotals {
    Money IncomeTotal;
    Money TaxWithheld;
    Money TaxComputed;
    Money TaxableIncome;

    bool operator==(const kTSvodSumPrilATotals&) const = default;
};

inline constexpr auto kPrilATotalsFields = FieldList(
    Field("IncomeTotal", &kTSvodSumPrilATotals::IncomeTotal), Field("TaxWithheld", &kTSvodSumPrilATotals::TaxWithheld),
    Field("TaxComputed", &kTSvodSumPrilATotals::TaxComputed),
    Field("TaxableIncome", &kTSvodSumPrilATotals::TaxableIncome));

// Sheet А, Russian-source income at 9 %.
struct kTSvodSumPrilA9 : kTSvodSumPrilATotals {
    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumPrilA9&) const = default;
};

inline constexpr auto kPrilA9Fields = kPrilATotalsFields;

// Sheet А, Russian-source income at 13 % with the dividends of a resident.
struct kTSvodSumPrilA13 : kTSvodSumPrilATotals {
    Money DividendTaxableIncome;
    Money DividendTaxComputed;
    Money Reserved;          // always 0
    Money FixedAdvancePaid;  // the declaration's ForeignerAdvancePayments

    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumPrilA13&) const = default;
};

inline constexpr auto kPrilA13Fields = std::tuple_cat(
    kPrilATotalsFields,
    FieldList(Field("DividendTaxableIncome", &kTSvodSumPrilA13::DividendTaxableIncome),
              Field("DividendTaxComputed", &kTSvodSumPrilA13::DividendTaxComputed),
              Field("Reserved", &kTSvodSumPrilA13::Reserved),
              Field("FixedAdvancePaid", &kTSvodSumPrilA13::FixedAdvancePaid)));

// Sheet А, dividends of a non-resident (15 %).
struct kTSvodSumPrilA15 : kTSvodSumPrilATotals {
    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumPrilA15&) const = default;
};

inline constexpr auto kPrilA15Fields = kPrilATotalsFields;

// Sheet А, Russian-source income of a non-resident (30 %).
struct kTSvodSumPrilA30 : kTSvodSumPrilATotals {
    Money Reserved;  // always 0

    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumPrilA30&) const = default;
};

inline constexpr auto kPrilA30Fields =
    std::tuple_cat(kPrilATotalsFields, FieldList(Field("Reserved", &kTSvodSumPrilA30::Reserved)));

// Sheet А, Russian-source income at 35 %.
struct kTSvodSumPrilA35 {
    Money IncomeTotal;
    Money TaxWithheld;
    Money Reserved1;  // always 0
    Money Reserved2;  // always 0
    Money TaxWithheldMaterialBenefit;

    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumPrilA35&) const = default;
};

inline constexpr auto kPrilA35Fields = FieldList(
    Field("IncomeTotal", &kTSvodSumPrilA35::IncomeTotal), Field("TaxWithheld", &kTSvodSumPrilA35::TaxWithheld),
    Field("Reserved1", &kTSvodSumPrilA35::Reserved1), Field("Reserved2", &kTSvodSumPrilA35::Reserved2),
    Field("TaxWithheldMaterialBenefit", &kTSvodSumPrilA35::TaxWithheldMaterialBenefit));

// One foreign-currency income of sheet Б ("РасчДохНалИно").
struct DohodCur {
    std::string CountryCode;           // "ОКСМ"
    std::string CurrencyCode;          // "КодВалют"
    std::string SourceName;            // "НаимИстДох"
    DateTime IncomeDate = 0;           // "ДатаДох"
    std::string IncomeRateText;        // "КурсВалютДох", roubles per one unit
    std::string IncomeInCurrencyText;  // "ДоходИноВал"
    Money IncomeRub;                   // "ДоходИноРуб"
    int32_t IncomeCode = 0;
    Money DeductionAmount;
    int32_t DeductionCode = 0;
    DateTime TaxPaymentDate = 0;       // "ДатаУплНал"
    std::string TaxRateText;           // "КурсВалютНал"
    std::string TaxInCurrencyText;     // "НалУплИноВал"
    Money ForeignTaxRub;               // "НалУплИноРуб"
    Money TaxComputedHere;             // "НалЗачРФОбщ", whole roubles
    Money TaxCredited;                 // "НалогЗачРФОбщ", whole roubles
    std::string IncomeKind;            // "КодВидДох": "1" controlled-company profit, "2" other
    int SourceRow = 0;                 // 1-based number of the foreign income it comes from

    bool operator==(const DohodCur&) const = default;
};

inline constexpr auto kDohodCurFields =
    FieldList(Field("CountryCode", &DohodCur::CountryCode), Field("CurrencyCode", &DohodCur::CurrencyCode),
              Field("SourceName", &DohodCur::SourceName), Field("IncomeDate", &DohodCur::IncomeDate),
              Field("IncomeRateText", &DohodCur::IncomeRateText),
              Field("IncomeInCurrencyText", &DohodCur::IncomeInCurrencyText), Field("IncomeRub", &DohodCur::IncomeRub),
              Field("IncomeCode", &DohodCur::IncomeCode), Field("DeductionAmount", &DohodCur::DeductionAmount),
              Field("DeductionCode", &DohodCur::DeductionCode), Field("TaxPaymentDate", &DohodCur::TaxPaymentDate),
              Field("TaxRateText", &DohodCur::TaxRateText), Field("TaxInCurrencyText", &DohodCur::TaxInCurrencyText),
              Field("ForeignTaxRub", &DohodCur::ForeignTaxRub), Field("TaxComputedHere", &DohodCur::TaxComputedHere),
              Field("TaxCredited", &DohodCur::TaxCredited), Field("IncomeKind", &DohodCur::IncomeKind));

// Sheet Б, foreign-currency income at one rate (13, 9 or 35).
struct kTSvodSumPrilB {
    Money OtherIncome;  // neither dividends nor controlled-company profit
    Money CfcProfit;
    Money Dividends;
    Money ForeignTaxPaid;  // in roubles
    Money DividendTaxComputed;
    Money ForeignTaxCredited;
    std::vector<DohodCur> Items;
    int ItemCount() const { return static_cast<int>(Items.size()); }

    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumPrilB&) const = default;
};

inline constexpr auto kPrilBFields = FieldList(
    Field("OtherIncome", &kTSvodSumPrilB::OtherIncome), Field("CfcProfit", &kTSvodSumPrilB::CfcProfit),
    Field("Dividends", &kTSvodSumPrilB::Dividends), Field("ForeignTaxPaid", &kTSvodSumPrilB::ForeignTaxPaid),
    Field("DividendTaxComputed", &kTSvodSumPrilB::DividendTaxComputed),
    Field("ForeignTaxCredited", &kTSvodSumPrilB::ForeignTaxCredited),
    ListField("Items", &kTSvodSumPrilB::Items, kDohodCurFields), CountField("ItemCount", &kTSvodSumPrilB::Items));

// Sheet В, business and private-practice income ("ДоходПредпр").
struct kTSvodSumPrilV1 {
    Money IncomeTotal;            // "ДоходИт"
    Money ProfessionalDeduction;  // "ВычПрофИт"
    Money AdvancePaid;            // "УплФактАвИт"
    Money AdvanceAssessed;        // "НачислАвИт"

    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumPrilV1&) const = default;
};

inline constexpr auto kPrilV1Fields = FieldList(Field("IncomeTotal", &kTSvodSumPrilV1::IncomeTotal),
                                                Field("ProfessionalDeduction", &kTSvodSumPrilV1::ProfessionalDeduction),
                                                Field("AdvancePaid", &kTSvodSumPrilV1::AdvancePaid),
                                                Field("AdvanceAssessed", &kTSvodSumPrilV1::AdvanceAssessed));

// Sheet Г, income exempt up to a limit ("ДоходОсвПрев"). Each pair is the income
// from all sources ("ДоходВсИст") and its exempt part ("ДоходНеНал").
struct kTSvodSumPrilM {
    Money BirthAidIncome;        // "МатПомРожд": 2762 / 508
    Money BirthAidExempt;
    Money WorkAidExempt;         // "МатПомРаб": 2760 / 503 (exempt part first)
    Money WorkAidIncome;
    Money PensionContribIncome;  // "ДопСВПенс": 1211 / 510
    Money PensionContribExempt;
    Money DisabilityAidIncome;   // "МатПомИнв": 2761 / 506
    Money DisabilityAidExempt;
    Money GiftIncome;            // "ПодарНП": 2720 / 501
    Money GiftExempt;
    Money PrizeIncome;           // "ПризНП": 2730 / 502
    Money PrizeExempt;
    Money MedicineIncome;        // "ВозмМед": 2770 / 504
    Money MedicineExempt;
    Money VeteranAidIncome;      // "ПомПодар": 2790 / 507
    Money VeteranAidExempt;
    Money FarmPayIncome;         // "НатОплСХ": 2791 / 509
    Money FarmPayExempt;
    Money ExemptTotal;           // "ДохНеНалОбщ"
    Money AdPrizeIncome;         // "ПризРекл": 2740
    Money ExemptPrizes;          // its exempt part, read by the 35 % and 30 % computations

    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumPrilM&) const = default;
};

inline constexpr auto kPrilMFields = FieldList(
    Field("BirthAidIncome", &kTSvodSumPrilM::BirthAidIncome), Field("BirthAidExempt", &kTSvodSumPrilM::BirthAidExempt),
    Field("WorkAidExempt", &kTSvodSumPrilM::WorkAidExempt), Field("WorkAidIncome", &kTSvodSumPrilM::WorkAidIncome),
    Field("PensionContribIncome", &kTSvodSumPrilM::PensionContribIncome),
    Field("PensionContribExempt", &kTSvodSumPrilM::PensionContribExempt),
    Field("DisabilityAidIncome", &kTSvodSumPrilM::DisabilityAidIncome),
    Field("DisabilityAidExempt", &kTSvodSumPrilM::DisabilityAidExempt),
    Field("GiftIncome", &kTSvodSumPrilM::GiftIncome), Field("GiftExempt", &kTSvodSumPrilM::GiftExempt),
    Field("PrizeIncome", &kTSvodSumPrilM::PrizeIncome), Field("PrizeExempt", &kTSvodSumPrilM::PrizeExempt),
    Field("MedicineIncome", &kTSvodSumPrilM::MedicineIncome), Field("MedicineExempt", &kTSvodSumPrilM::MedicineExempt),
    Field("VeteranAidIncome", &kTSvodSumPrilM::VeteranAidIncome),
    Field("VeteranAidExempt", &kTSvodSumPrilM::VeteranAidExempt),
    Field("FarmPayIncome", &kTSvodSumPrilM::FarmPayIncome), Field("FarmPayExempt", &kTSvodSumPrilM::FarmPayExempt),
    Field("ExemptTotal", &kTSvodSumPrilM::ExemptTotal), Field("AdPrizeIncome", &kTSvodSumPrilM::AdPrizeIncome),
    Field("ExemptPrizes", &kTSvodSumPrilM::ExemptPrizes));

// Sheet Ж, professional deductions ("ПрофНалВыч"); the same layout for Russian
// sources (sign 1) and foreign ones (sign 2). Each pair is an income and its
// deductible expense ("СумРасхВыч").
struct kTSvodSumProfDeductions {
    Money ContractIncome;          // "СумДохДогГПХ": 2010 / 403
    Money ContractExpense;
    Money AuthorActualIncome;      // "СумАвторВозн": 2201–2209 / 404
    Money AuthorActualExpense;
    Money AuthorNormIncome;        // "СумАвторВозн": 2201–2209 / 405
    Money AuthorNormExpense;
    Money ShareCapitalIncome;      // "СумДохУстКап": 1540 / 315, 1542 / 316
    Money ShareCapitalExpense;
    Money EarlyRedemptionIncome;   // "СумДохПрдчСр": 1544 / 317
    Money EarlyRedemptionExpense;
    Money ReducedShareIncome;      // "СумДохУмДолУКО": 1545 / 318
    Money ReducedShareExpense;
    Money SharedBuildingIncome;    // "СумДохУстПрав": 1550 / 314
    Money SharedBuildingExpense;
    Money ExpenseTotal;            // "РасходОбщИт"

    bool operator==(const kTSvodSumProfDeductions&) const = default;
};

inline constexpr auto kProfDeductionsFields =
    FieldList(Field("ContractIncome", &kTSvodSumProfDeductions::ContractIncome),
              Field("ContractExpense", &kTSvodSumProfDeductions::ContractExpense),
              Field("AuthorActualIncome", &kTSvodSumProfDeductions::AuthorActualIncome),
              Field("AuthorActualExpense", &kTSvodSumProfDeductions::AuthorActualExpense),
              Field("AuthorNormIncome", &kTSvodSumProfDeductions::AuthorNormIncome),
              Field("AuthorNormExpense", &kTSvodSumProfDeductions::AuthorNormExpense),
              Field("ShareCapitalIncome", &kTSvodSumProfDeductions::ShareCapitalIncome),
              Field("ShareCapitalExpense", &kTSvodSumProfDeductions::ShareCapitalExpense),
              Field("EarlyRedemptionIncome", &kTSvodSumProfDeductions::EarlyRedemptionIncome),
              Field("EarlyRedemptionExpense", &kTSvodSumProfDeductions::EarlyRedemptionExpense),
              Field("ReducedShareIncome", &kTSvodSumProfDeductions::ReducedShareIncome),
              Field("ReducedShareExpense", &kTSvodSumProfDeductions::ReducedShareExpense),
              Field("SharedBuildingIncome", &kTSvodSumProfDeductions::SharedBuildingIncome),
              Field("SharedBuildingExpense", &kTSvodSumProfDeductions::SharedBuildingExpense),
              Field("ExpenseTotal", &kTSvodSumProfDeductions::ExpenseTotal));

struct kTSvodSumPrilG : kTSvodSumProfDeductions {
    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumPrilG&) const = default;
};

struct kTSvodSumPrilG_In : kTSvodSumProfDeductions {
    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumPrilG_In&) const = default;
};

// Sheet Е1, standard deductions computed over twelve months ("РасчВычСтанд").
struct kTSvodSumPrilE1 {
    static constexpr int kMonths = 12;

    int32_t MonthsUnder280000 = 0;                 // "КолМесНеПрев"
    std::array<Money, kMonths> MonthlyIncome{};     // working values
    std::array<Money, kMonths> MonthlyReduction{};  // working values
    std::array<Money, kMonths> CumulativeIncome{};  // January to the end of each month
    Money Deduction3000;                            // "ВычСт218.1.1"
    Money Deduction500;                             // "ВычСт218.1.2"
    Money ChildDeduction;                           // "ВычСтРеб"
    Money ChildDeductionDouble;                     // "ВычСтРебЕд"
    Money DisabledChildDeduction;                   // "ВычСтРебИнв"
    Money DisabledChildDeductionDouble;             // "ВычСтРебИнвЕд"
    Money StandardTotal;                            // "ОбщВычСтанд"
    int32_t DeductionMonths = 0;                    // working value: months that give a deduction

    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumPrilE1&) const = default;
};

inline constexpr auto kPrilE1Fields = FieldList(
    Field("MonthsUnder280000", &kTSvodSumPrilE1::MonthsUnder280000),
    Field("MonthlyIncome", &kTSvodSumPrilE1::MonthlyIncome),
    Field("MonthlyReduction", &kTSvodSumPrilE1::MonthlyReduction),
    Field("CumulativeIncome", &kTSvodSumPrilE1::CumulativeIncome),
    Field("Deduction3000", &kTSvodSumPrilE1::Deduction3000), Field("Deduction500", &kTSvodSumPrilE1::Deduction500),
    Field("ChildDeduction", &kTSvodSumPrilE1::ChildDeduction),
    Field("ChildDeductionDouble", &kTSvodSumPrilE1::ChildDeductionDouble),
    Field("DisabledChildDeduction", &kTSvodSumPrilE1::DisabledChildDeduction),
    Field("DisabledChildDeductionDouble", &kTSvodSumPrilE1::DisabledChildDeductionDouble),
    Field("StandardTotal", &kTSvodSumPrilE1::StandardTotal),
    Field("DeductionMonths", &kTSvodSumPrilE1::DeductionMonths));

// Sheet Е1, social deductions ("РасчВычСоцБез219.2" and "РасчВычСоц219.2").
struct kTSvodSumPrilE2 {
    Money UnlimitedTotal;      // "ИтогВычСоциал"
    Money LimitedTotal;        // "ОбщСумРасх"
    Money SocialByAgent;       // "ОбщСНВОтчПерНА"
    Money Reserved1;           // always 0
    Money Reserved2;           // always 0
    Money PersonalInsurance;   // "СумЛичСтрах"
    Money PensionInsurance;    // "СумПенсСтрах"
    Money Charity;             // "СумБлагЦел"
    Money Education;           // "СумОбуч" under the limit
    Money ChildEducation;      // "СумОбуч" without the limit
    Money Treatment;           // "СумЛечен" under the limit
    Money ExpensiveTreatment;  // "СумЛечен" without the limit
    Money SocialTotal;         // "ОбщВычСоциал"

    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumPrilE2&) const = default;
};

inline constexpr auto kPrilE2Fields = FieldList(
    Field("UnlimitedTotal", &kTSvodSumPrilE2::UnlimitedTotal), Field("LimitedTotal", &kTSvodSumPrilE2::LimitedTotal),
    Field("SocialByAgent", &kTSvodSumPrilE2::SocialByAgent), Field("Reserved1", &kTSvodSumPrilE2::Reserved1),
    Field("Reserved2", &kTSvodSumPrilE2::Reserved2), Field("PersonalInsurance", &kTSvodSumPrilE2::PersonalInsurance),
    Field("PensionInsurance", &kTSvodSumPrilE2::PensionInsurance), Field("Charity", &kTSvodSumPrilE2::Charity),
    Field("Education", &kTSvodSumPrilE2::Education), Field("ChildEducation", &kTSvodSumPrilE2::ChildEducation),
    Field("Treatment", &kTSvodSumPrilE2::Treatment), Field("ExpensiveTreatment", &kTSvodSumPrilE2::ExpensiveTreatment),
    Field("SocialTotal", &kTSvodSumPrilE2::SocialTotal));

// One pension or insurance contract of sheet Е2 ("СведДогНПО").
struct mbTPens {
    int32_t ContractKind = 0;  // "ВидДоговор"
    std::string OrgName;
    std::string OrgInn;
    std::string OrgKpp;
    std::string ContractNumber;
    DateTime ContractDate = 0;  // "ДатаДогНПО"
    Money AmountPaid;
    Money AmountDeductible;
    Money AmountByAgent;

    bool operator==(const mbTPens&) const = default;
};

inline constexpr auto kPensContractFields =
    FieldList(Field("ContractKind", &mbTPens::ContractKind), Field("OrgName", &mbTPens::OrgName),
              Field("OrgInn", &mbTPens::OrgInn), Field("OrgKpp", &mbTPens::OrgKpp),
              Field("ContractNumber", &mbTPens::ContractNumber), Field("ContractDate", &mbTPens::ContractDate),
              Field("AmountPaid", &mbTPens::AmountPaid), Field("AmountDeductible", &mbTPens::AmountDeductible),
              Field("AmountByAgent", &mbTPens::AmountByAgent));

// The additional contributions to the funded pension have the same shape.
using mbTPensExtra = mbTPens;

// Sheet Е2, pension and insurance contributions and the investment deduction.
struct kTSvodSumPrilE3 {
    std::vector<mbTPens> Contracts;
    int ContractCount() const { return static_cast<int>(Contracts.size()); }
    std::vector<mbTPensExtra> ExtraContracts;
    int ExtraContractCount() const { return static_cast<int>(ExtraContracts.size()); }
    Money ContributionsPaid;             // "СумВзносУпл"
    Money ContributionsDeductible;       // "СумВзносВыч"
    Money ExtraContributionsPaid;        // "СумВзносУпл" under "РасчДопСВВыч"
    Money ExtraContributionsDeductible;  // "СумВзносВыч" under "РасчДопСВВыч"
    Money ContributionsTotal;            // "ОбщВзносВыч"
    Money InvestmentDeduction;           // "СумИнвВыч219"
    Money InvestmentRestored;            // "ИнвВычПредВосст"
    Money ProvidedByAgent;

    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumPrilE3&) const = default;
};

inline constexpr auto kPrilE3Fields =
    FieldList(ListField("Contracts", &kTSvodSumPrilE3::Contracts, kPensContractFields),
              CountField("ContractCount", &kTSvodSumPrilE3::Contracts),
              ListField("ExtraContracts", &kTSvodSumPrilE3::ExtraContracts, kPensContractFields),
              CountField("ExtraContractCount", &kTSvodSumPrilE3::ExtraContracts),
              Field("ContributionsPaid", &kTSvodSumPrilE3::ContributionsPaid),
              Field("ContributionsDeductible", &kTSvodSumPrilE3::ContributionsDeductible),
              Field("ExtraContributionsPaid", &kTSvodSumPrilE3::ExtraContributionsPaid),
              Field("ExtraContributionsDeductible", &kTSvodSumPrilE3::ExtraContributionsDeductible),
              Field("ContributionsTotal", &kTSvodSumPrilE3::ContributionsTotal),
              Field("InvestmentDeduction", &kTSvodSumPrilE3::InvestmentDeduction),
              Field("InvestmentRestored", &kTSvodSumPrilE3::InvestmentRestored),
              Field("ProvidedByAgent", &kTSvodSumPrilE3::ProvidedByAgent));

// Sheet Д2, deductions on the sale of property ("ИмущНалВычПр").
struct kTSvodSumPrilH1 {
    Money HousingSaleIncome;         // "СумИмущ": 1510 / 901
    Money HousingSaleDeduction;
    Money ShareSaleDeduction;        // "СумДолИмущ": 1511 / 904 (deduction first)
    Money ShareSaleIncome;
    Money HousingByExpensesIncome;   // "СумИмущДок": 1510, 1511 / 903
    Money HousingExpenses;
    Money RealEstateIncome;          // "СумИнНедИмущ": 1512 / 902
    Money RealEstateDeduction;
    Money RealEstateByExpensesIncome;  // "СумИнНедИмущДок": 1512 / 903
    Money RealEstateExpenses;
    Money PropertyIncome;            // "СумИнИмущ": 1520 / 906
    Money PropertyDeduction;
    Money PropertyByExpensesIncome;  // "СумИнИмущДок": 1520 / 903
    Money PropertyExpenses;
    Money SeizedIncome;              // "СумИзтИмущ": 4900 / 908
    Money SeizedDeduction;
    Money DeductionTotal;            // "ВычетОбщ"

    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumPrilH1&) const = default;
};

inline constexpr auto kPrilH1Fields = FieldList(
    Field("HousingSaleIncome", &kTSvodSumPrilH1::HousingSaleIncome),
    Field("HousingSaleDeduction", &kTSvodSumPrilH1::HousingSaleDeduction),
    Field("ShareSaleDeduction", &kTSvodSumPrilH1::ShareSaleDeduction),
    Field("ShareSaleIncome", &kTSvodSumPrilH1::ShareSaleIncome),
    Field("HousingByExpensesIncome", &kTSvodSumPrilH1::HousingByExpensesIncome),
    Field("HousingExpenses", &kTSvodSumPrilH1::HousingExpenses),
    Field("RealEstateIncome", &kTSvodSumPrilH1::RealEstateIncome),
    Field("RealEstateDeduction", &kTSvodSumPrilH1::RealEstateDeduction),
    Field("RealEstateByExpensesIncome", &kTSvodSumPrilH1::RealEstateByExpensesIncome),
    Field("RealEstateExpenses", &kTSvodSumPrilH1::RealEstateExpenses),
    Field("PropertyIncome", &kTSvodSumPrilH1::PropertyIncome),
    Field("PropertyDeduction", &kTSvodSumPrilH1::PropertyDeduction),
    Field("PropertyByExpensesIncome", &kTSvodSumPrilH1::PropertyByExpensesIncome),
    Field("PropertyExpenses", &kTSvodSumPrilH1::PropertyExpenses),
    Field("SeizedIncome", &kTSvodSumPrilH1::SeizedIncome), Field("SeizedDeduction", &kTSvodSumPrilH1::SeizedDeduction),
    Field("DeductionTotal", &kTSvodSumPrilH1::DeductionTotal));

// Sheet Д1, property deduction for housing ("ИмущНалВычНов", "РасчИмущВыч").
struct kTSvodSumPrilZ {
    long double OwnershipShare = 0;     // extended-precision fraction
    Money AcquisitionExpenses;
    Money InterestPaid;
    Money TakenBefore;                  // "ВычНовЗачПред"
    Money InterestTakenBefore;          // "ВычПроцЗачПред"
    Money CarriedFromLastYear;          // "ОстВычПршПред"
    Money InterestCarriedFromLastYear;  // "ПроцПршПред"
    Money NewDeductionByNotice;         // "ВычНАУвед"
    Money InterestByNotice;             // "ПроцНАУвед"
    Money IncomeBeforeDeduction;        // "НалБаз13БезВыч"
    Money NewDeductionThisReturn;       // "РасхНовВычНД"
    Money InterestThisReturn;           // "ПроцВычНД"
    Money RemainingNew;                 // "ОстИВБезПроц"
    Money RemainingInterest;            // "ОстИВУплПроц"
    // Per property object, in the order of the section's objects (empty when the
    // sheet is not computed): the expenses taken into account ("СумРасхФакт") and
    // the old-rules mark (0, or -1 when the rights arose before 2014).
    std::vector<Money> ObjectExpensesTaken;
    std::vector<int32_t> ObjectOldRulesMark;

    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumPrilZ&) const = default;
};

inline constexpr auto kPrilZFields =
    FieldList(Field("OwnershipShare", &kTSvodSumPrilZ::OwnershipShare),
              Field("AcquisitionExpenses", &kTSvodSumPrilZ::AcquisitionExpenses),
              Field("InterestPaid", &kTSvodSumPrilZ::InterestPaid), Field("TakenBefore", &kTSvodSumPrilZ::TakenBefore),
              Field("InterestTakenBefore", &kTSvodSumPrilZ::InterestTakenBefore),
              Field("CarriedFromLastYear", &kTSvodSumPrilZ::CarriedFromLastYear),
              Field("InterestCarriedFromLastYear", &kTSvodSumPrilZ::InterestCarriedFromLastYear),
              Field("NewDeductionByNotice", &kTSvodSumPrilZ::NewDeductionByNotice),
              Field("InterestByNotice", &kTSvodSumPrilZ::InterestByNotice),
              Field("IncomeBeforeDeduction", &kTSvodSumPrilZ::IncomeBeforeDeduction),
              Field("NewDeductionThisReturn", &kTSvodSumPrilZ::NewDeductionThisReturn),
              Field("InterestThisReturn", &kTSvodSumPrilZ::InterestThisReturn),
              Field("RemainingNew", &kTSvodSumPrilZ::RemainingNew),
              Field("RemainingInterest", &kTSvodSumPrilZ::RemainingInterest),
              Field("ObjectExpensesTaken", &kTSvodSumPrilZ::ObjectExpensesTaken),
              Field("ObjectOldRulesMark", &kTSvodSumPrilZ::ObjectOldRulesMark));

// Sheet З, operations with securities and derivatives ("ДохОперЦБ").
struct kTSvodSumPrilJ {
    // Group totals from the income lines.
    Money IncomeA;    // 1530, "ДохОперЦБОрг"/"ДохСовОпер"
    Money ExpensesA;  // 201, "РасхРеалЦБ"
    Money InterestA;  // 218, "ПроцРасх"
    Money IncomeB;    // 1536, "ДохОперЦБОргНеОрг"
    Money ExpensesB;
    Money IncomeC;    // 1531, "ДохОперЦБНеОрг"
    Money ExpensesC;  // 202
    Money InterestC;  // 219
    Money IncomeD;    // 1532, "ДохФИССОргЦБ"
    Money ExpensesD;  // "РасхРеалФИСС"
    Money IncomeE;    // 1535, "ДохФИССОргНеЦБ"
    Money ExpensesE;
    Money IncomeF;    // 1533, "ДохФИССНеОрг"
    Money ExpensesF;
    Money RepoIncomeTraded;    // 1537
    Money RepoExpensesTraded;
    Money RepoIncomeOther;     // 9537
    Money RepoExpensesOther;
    Money LoanIncomeTraded;    // 1538
    Money LoanExpensesTraded;
    Money LoanIncomeOther;     // 9538
    Money LoanExpensesOther;

    // REPO ("ДохРЕПО").
    Money RepoIncome;      // "ДохЗаймРЕПО"
    Money RepoExpenses;    // "РасхЗаймРЕПО"
    Money RepoTaxable;     // "ДоходОбл"
    Money RepoLoss;        // "УбытРезОпер"
    Money RepoLossTraded;  // "УбытРЕПООбр"
    Money RepoLossOther;   // "УбытРЕПОНеОбр"

    // Securities loans ("ДохЗаймЦБ").
    Money LoanIncome;      // "ДохДогЗайм"
    Money LoanExpenses;    // "РасхДогЗайм"
    Money LoanTaxable;     // "ДоходОбл"
    Money LoanLoss;        // "УбытРезОпер"
    Money LoanLossTraded;  // "УбытЗаймЦБОбр"
    Money LoanLossOther;   // "УбытЗаймЦБНеОбр"

    // Group A.
    Money RepoLossA;       // "УбытРЕПОУмДох"
    Money LoanLossA;       // "УбытЗаймУмДох"
    Money ReducingA;       // "РасхУмДохРеалЦБ"
    Money BaseA;           // "НалБазаОпер"
    Money LossA;           // "УбытРезОпер"
    Money DerivLossUsedA;  // "УбытУмНБ_4.10"
    Money CarriedUsedA;    // "УбытПрПерУмНБ"
    Money LossAUsedB;      // "УбытУч_2.3", in group B "УбытУмФР_1.12"
    Money LossAUsedD;      // "УбытУч_4.6", in group D "УбытУмНБ_1.13"
    Money LossAFuture;     // "УбытУмНББуд"
    Money TaxableA;        // "ДоходОбл"

    // Group B.
    Money TaxableB;

    // Group C.
    Money RepoLossC;            // "УбытРЕПОУмДох"
    Money LoanLossC;            // "УбытЗаймУмДох"
    Money PartnershipExitLoss;  // "УбытВыхИТ"
    Money ReducingC;            // "РасхУмДохРеалЦБ"
    Money TaxableC;

    // Group D.
    Money BaseD;
    Money LossD;
    Money CarriedUsedD;
    Money LossEUsedD;    // "УбытУмНБ_5.8", in group E "УбытУмНБ_4.7"
    Money LossDUsedE;    // "УбытУмНБ_5.6", in group E "УбытУмНБ_4.9"
    Money LossDUsedA;    // "УбытУмНБ_1.9"
    Money LossDFuture;   // "УбытУмНББуд"
    Money TaxableD;

    // Group E.
    Money BaseE;
    Money LossE;
    Money CarriedUsedE;
    Money LossEFuture;
    Money TaxableE;

    // Group F.
    Money TaxableF;

    // Losses of earlier years ("УбытПредПер").
    Money CarriedSecurities;        // start of the year, "ОстУбытНачВс"
    Money CarriedDerivatives;
    Money CarriedSecuritiesUsed;    // "СумУмНБПер"
    Money CarriedDerivativesUsed;
    Money CarriedSecuritiesLeft;    // "ОстУбытКонВс"
    Money CarriedDerivativesLeft;
    Money BaseSecurities;           // "НалБазаПер"
    Money BaseDerivatives;
    Money FutureLossSecurities;     // "УбытОперЦБОбр"
    Money FutureLossDerivatives;    // "УбытОперФИССОбр"

    // Totals ("ИтогСовОпер").
    Money IncomeTotal;    // "ОбщДохСовОпер"
    Money TaxableTotal;   // "ОбщДоходОбл"
    Money ExpensesTotal;  // "ОбщРасхПрмВыч"

    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumPrilJ&) const = default;
};

inline constexpr auto kPrilJFields = FieldList(
    Field("IncomeA", &kTSvodSumPrilJ::IncomeA), Field("ExpensesA", &kTSvodSumPrilJ::ExpensesA),
    Field("InterestA", &kTSvodSumPrilJ::InterestA), Field("IncomeB", &kTSvodSumPrilJ::IncomeB),
    Field("ExpensesB", &kTSvodSumPrilJ::ExpensesB), Field("IncomeC", &kTSvodSumPrilJ::IncomeC),
    Field("ExpensesC", &kTSvodSumPrilJ::ExpensesC), Field("InterestC", &kTSvodSumPrilJ::InterestC),
    Field("IncomeD", &kTSvodSumPrilJ::IncomeD), Field("ExpensesD", &kTSvodSumPrilJ::ExpensesD),
    Field("IncomeE", &kTSvodSumPrilJ::IncomeE), Field("ExpensesE", &kTSvodSumPrilJ::ExpensesE),
    Field("IncomeF", &kTSvodSumPrilJ::IncomeF), Field("ExpensesF", &kTSvodSumPrilJ::ExpensesF),
    Field("RepoIncomeTraded", &kTSvodSumPrilJ::RepoIncomeTraded),
    Field("RepoExpensesTraded", &kTSvodSumPrilJ::RepoExpensesTraded),
    Field("RepoIncomeOther", &kTSvodSumPrilJ::RepoIncomeOther),
    Field("RepoExpensesOther", &kTSvodSumPrilJ::RepoExpensesOther),
    Field("LoanIncomeTraded", &kTSvodSumPrilJ::LoanIncomeTraded),
    Field("LoanExpensesTraded", &kTSvodSumPrilJ::LoanExpensesTraded),
    Field("LoanIncomeOther", &kTSvodSumPrilJ::LoanIncomeOther),
    Field("LoanExpensesOther", &kTSvodSumPrilJ::LoanExpensesOther), Field("RepoIncome", &kTSvodSumPrilJ::RepoIncome),
    Field("RepoExpenses", &kTSvodSumPrilJ::RepoExpenses), Field("RepoTaxable", &kTSvodSumPrilJ::RepoTaxable),
    Field("RepoLoss", &kTSvodSumPrilJ::RepoLoss), Field("RepoLossTraded", &kTSvodSumPrilJ::RepoLossTraded),
    Field("RepoLossOther", &kTSvodSumPrilJ::RepoLossOther), Field("LoanIncome", &kTSvodSumPrilJ::LoanIncome),
    Field("LoanExpenses", &kTSvodSumPrilJ::LoanExpenses), Field("LoanTaxable", &kTSvodSumPrilJ::LoanTaxable),
    Field("LoanLoss", &kTSvodSumPrilJ::LoanLoss), Field("LoanLossTraded", &kTSvodSumPrilJ::LoanLossTraded),
    Field("LoanLossOther", &kTSvodSumPrilJ::LoanLossOther), Field("RepoLossA", &kTSvodSumPrilJ::RepoLossA),
    Field("LoanLossA", &kTSvodSumPrilJ::LoanLossA), Field("ReducingA", &kTSvodSumPrilJ::ReducingA),
    Field("BaseA", &kTSvodSumPrilJ::BaseA), Field("LossA", &kTSvodSumPrilJ::LossA),
    Field("DerivLossUsedA", &kTSvodSumPrilJ::DerivLossUsedA), Field("CarriedUsedA", &kTSvodSumPrilJ::CarriedUsedA),
    Field("LossAUsedB", &kTSvodSumPrilJ::LossAUsedB), Field("LossAUsedD", &kTSvodSumPrilJ::LossAUsedD),
    Field("LossAFuture", &kTSvodSumPrilJ::LossAFuture), Field("TaxableA", &kTSvodSumPrilJ::TaxableA),
    Field("TaxableB", &kTSvodSumPrilJ::TaxableB), Field("RepoLossC", &kTSvodSumPrilJ::RepoLossC),
    Field("LoanLossC", &kTSvodSumPrilJ::LoanLossC), Field("PartnershipExitLoss", &kTSvodSumPrilJ::PartnershipExitLoss),
    Field("ReducingC", &kTSvodSumPrilJ::ReducingC), Field("TaxableC", &kTSvodSumPrilJ::TaxableC),
    Field("BaseD", &kTSvodSumPrilJ::BaseD), Field("LossD", &kTSvodSumPrilJ::LossD),
    Field("CarriedUsedD", &kTSvodSumPrilJ::CarriedUsedD), Field("LossEUsedD", &kTSvodSumPrilJ::LossEUsedD),
    Field("LossDUsedE", &kTSvodSumPrilJ::LossDUsedE), Field("LossDUsedA", &kTSvodSumPrilJ::LossDUsedA),
    Field("LossDFuture", &kTSvodSumPrilJ::LossDFuture), Field("TaxableD", &kTSvodSumPrilJ::TaxableD),
    Field("BaseE", &kTSvodSumPrilJ::BaseE), Field("LossE", &kTSvodSumPrilJ::LossE),
    Field("CarriedUsedE", &kTSvodSumPrilJ::CarriedUsedE), Field("LossEFuture", &kTSvodSumPrilJ::LossEFuture),
    Field("TaxableE", &kTSvodSumPrilJ::TaxableE), Field("TaxableF", &kTSvodSumPrilJ::TaxableF),
    Field("CarriedSecurities", &kTSvodSumPrilJ::CarriedSecurities),
    Field("CarriedDerivatives", &kTSvodSumPrilJ::CarriedDerivatives),
    Field("CarriedSecuritiesUsed", &kTSvodSumPrilJ::CarriedSecuritiesUsed),
    Field("CarriedDerivativesUsed", &kTSvodSumPrilJ::CarriedDerivativesUsed),
    Field("CarriedSecuritiesLeft", &kTSvodSumPrilJ::CarriedSecuritiesLeft),
    Field("CarriedDerivativesLeft", &kTSvodSumPrilJ::CarriedDerivativesLeft),
    Field("BaseSecurities", &kTSvodSumPrilJ::BaseSecurities),
    Field("BaseDerivatives", &kTSvodSumPrilJ::BaseDerivatives),
    Field("FutureLossSecurities", &kTSvodSumPrilJ::FutureLossSecurities),
    Field("FutureLossDerivatives", &kTSvodSumPrilJ::FutureLossDerivatives),
    Field("IncomeTotal", &kTSvodSumPrilJ::IncomeTotal), Field("TaxableTotal", &kTSvodSumPrilJ::TaxableTotal),
    Field("ExpensesTotal", &kTSvodSumPrilJ::ExpensesTotal));

// One kind of partnership operation (kinds 1–5) of sheet И.
struct bmTInvestGroup {
    Money Income;         // "ДохСовокуп"
    Money ExpenseShare;   // "РасхДолУпрТов"
    Money ManagerFee;     // "РасхВознУпрТоп"
    Money LossReducing;   // "УбытПрУмен"
    Money TaxableIncome;  // "ДоходОбл"
    Money LossCarried;    // "УбытПерБудущ"

    bool operator==(const bmTInvestGroup&) const = default;
};

inline constexpr auto kInvestGroupFields = FieldList(
    Field("Income", &bmTInvestGroup::Income), Field("ExpenseShare", &bmTInvestGroup::ExpenseShare),
    Field("ManagerFee", &bmTInvestGroup::ManagerFee), Field("LossReducing", &bmTInvestGroup::LossReducing),
    Field("TaxableIncome", &bmTInvestGroup::TaxableIncome), Field("LossCarried", &bmTInvestGroup::LossCarried));

// Sheet И, investment-partnership income ("ДохИвестТов").
struct kTSvodSumPrilI {
    static constexpr int kGroups = 5;

    // Kinds 1–5: "ДохЦБОбрИТ", "ДохЦБНеОбрИТ", "ДохФИНеОбрИТ", "ДохУстКапИТ", "ДохПрочИТ".
    std::array<bmTInvestGroup, kGroups> Groups{};
    // Kind 6, exit or allotment of a share ("РасчДохВыхИТ").
    Money ExitIncome;         // "ДохВыхИТ"
    Money Contribution;       // "ВкладИТ"
    Money ExitTaxableIncome;  // "ДоходОбл"
    Money ExitLoss;           // "УбытРез"
    Money IncomeTotal;        // "ОбщДохСовОпер"
    Money TaxableTotal;       // "ОбщДоходОбл"
    Money ExpensesTotal;      // "ОбщРасхПрмВыч"

    void Clear() { *this = {}; }
    bool operator==(const kTSvodSumPrilI&) const = default;
};

inline constexpr auto kPrilIFields = FieldList(
    ListField("Groups", &kTSvodSumPrilI::Groups, kInvestGroupFields), Field("ExitIncome", &kTSvodSumPrilI::ExitIncome),
    Field("Contribution", &kTSvodSumPrilI::Contribution),
    Field("ExitTaxableIncome", &kTSvodSumPrilI::ExitTaxableIncome), Field("ExitLoss", &kTSvodSumPrilI::ExitLoss),
    Field("IncomeTotal", &kTSvodSumPrilI::IncomeTotal), Field("TaxableTotal", &kTSvodSumPrilI::TaxableTotal),
    Field("ExpensesTotal", &kTSvodSumPrilI::ExpensesTotal));

}  // namespace kvz
