#include "checks/section_checks.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "checks/check_text.h"
#include "checks/inn_check.h"
#include "checks/section_checks_deductions.h"
#include "checks/uncounted_income_checks.h"
#include "model/declaration.h"
#include "model/income_dictionary.h"
#include "storage/money.h"

namespace kvz {

namespace {

// Identity documents that are issued from the age of 14: military cards, their
// temporary replacement, the passport and the serviceman's card.
constexpr std::array<uint16_t, 4> kPassportTypes = {7, 8, 21, 24};

constexpr const char* kNoOktmo = "Не введен код ОКТМО(8 или 11 симв.)";

template <class Container, class Value>
bool Contains(const Container& c, Value v) {
    return std::find(c.begin(), c.end(), v) != c.end();
}

// The rules of a foreign income, in the order they are checked.
struct ForeignRule {
    const char* message;
    const char* field;  // the record field to put right, as its editor is named
    bool (*fails)(const mTCurrencyIncome&);
};
const ForeignRule kForeignRules[] = {
    {"По данному источнику выплаты не указан код валюты", "CurrencyCode",
     [](const mTCurrencyIncome& f) { return IsBlank(f.CurrencyCode); }},
    {"По данному источнику выплаты не указан курс валюты", "RateOnIncomeDate",
     [](const mTCurrencyIncome& f) { return f.UnitsOnIncomeDate == 0 || f.RateOnIncomeDate.IsZero(); }},
    {"По данному источнику выплаты не указан код дохода", "IncomeCode",
     [](const mTCurrencyIncome& f) { return f.IncomeCode == 0; }},
    {"По данному источнику выплаты не указана сумма дохода", "IncomeInCurrency",
     [](const mTCurrencyIncome& f) { return f.IncomeInCurrency.IsZero(); }},
    {"По данному источнику выплаты не указана сумма вычета", "DeductionAmount",
     [](const mTCurrencyIncome& f) {
         // Securities operations may legitimately have nil expenses.
         return f.DeductionCode != 0 && f.DeductionAmount.IsZero() && !IsSecuritiesOperationIncome(f.IncomeCode);
     }},
    // Without the rate of its day the tax paid abroad counts as 0 roubles: its credit would be lost unsaid.
    {"По данному источнику выплаты не указан курс валюты на дату уплаты налога", "RateOnTaxDate",
     [](const mTCurrencyIncome& f) {
         return !f.TaxInCurrency.IsZero() && (f.UnitsOnTaxDate == 0 || f.RateOnTaxDate.IsZero());
     }},
};

// Amounts inside messages: shortest decimal text with the screens' comma.
std::string ScreenAmount(Money m) {
    std::string s = PlainForm(m);
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

// A day the calendar helpers can decode (01.01.0001 … 31.12.9999).
bool IsCalendarDay(DateTime d) { return std::isfinite(d) && d >= -693593.0 && d < 2958466.0; }

// The findings of one section, in the order they are added.
class Findings {
public:
    Findings(int section, const char* caption) : Section_(section), Caption_(caption) {}
    void Add(bool failed, const std::string& message, int field) {
        if (failed) List_.push_back(CheckFinding{Section_, Caption_, field, message});
    }
    CheckFindings Take() { return std::move(List_); }

private:
    int Section_;
    const char* Caption_;
    CheckFindings List_;
};

constexpr const char* kExtraPensionNotCounted =
    "Сумма дополнительных страховых пенсионных взносов в расчет не попадает. Введите ее в списке договоров "
    "договором вида \"Доп. страх. взносы на накопительную часть труд. пенс.\" и очистите это поле";

bool NoSocialData(const mTSocialDeduct& s) {
    return s.Charity.IsZero() && s.OwnEducation.IsZero() && s.Treatment.IsZero() && s.ExpensiveTreatment.IsZero() &&
           s.VoluntaryInsurance.IsZero() && s.ExtraPensionContributions.IsZero() && s.SpareSocialAmount.IsZero() &&
           s.ChildEducationCount() == 0 && s.PensionContractCount() == 0;
}

// True when some month is marked by two resident 13 % sources.
bool MonthMarkedTwice(const mTDeclaration& d) {
    uint16_t seen = 0;
    for (int i = 0; i < d.Thirteen.Count(); ++i) {
        const uint16_t months = d.Thirteen.Get(i).MonthsPresent & 0x0FFF;  // bits of months 1 … 12
        if (seen & months) return true;
        seen |= months;
    }
    return false;
}

Money Sum(const mTBusinessNew& b, int from, int to) {
    Money total;
    for (int i = from; i <= to; ++i) total += b.ExpenseItems[i];
    return total;
}

constexpr const char* kShortActivityCode = "Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку";

bool ActivityCodeTooShort(const std::string& code) { return TrimmedLength(code) < 4; }

// Material, depreciation, labour and other expenses, which make up the total.
Money ExpenseParts(const mTBusinessNew& b) {
    const auto& e = b.ExpenseItems;
    return e[kExpenseMaterial] + e[kExpenseDepreciation] + e[kExpenseLabour] + e[kExpenseOther];
}

std::string LabourContractsMessage(const mTBusinessNew& b) {
    const auto& e = b.ExpenseItems;
    return "Расходы по оплате трудовых договоров(" + ScreenAmount(e[kExpenseLabourContracts]) +
           ") превышают сумму расходов на оплату труда (" + ScreenAmount(e[kExpenseLabour]) + ")";
}

// The expense rules of an activity with confirmed expenses; only the first that fails.
void AddExpenseFinding(Findings& out, const mTBusinessNew& b, int row) {
    const auto& e = b.ExpenseItems;
    if (e[kExpenseLabour] < e[kExpenseLabourContracts]) {
        out.Add(true, LabourContractsMessage(b), row);
        return;
    }
    const Money components = Sum(b, kExpenseOtherFirstComponent, kExpenseItemCount - 1);
    if (components > e[kExpenseOther]) {
        out.Add(true,
                "Сумма прочих расходов (" + ScreenAmount(e[kExpenseOther]) + ") меньше суммы ее составляющих (" +
                    ScreenAmount(components) + ")",
                row);
        return;
    }
    const Money parts = ExpenseParts(b);
    out.Add(parts > e[kExpenseTotal],
            "Общие расходы (" + ScreenAmount(e[kExpenseTotal]) +
                ") меньше суммы расходов материальных, на оплату труда, прочих и амортизационных отчислений (" +
                ScreenAmount(parts) + ")",
            row);
}

}  // namespace

bool IssuedBeforeFourteenthBirthday(DateTime birth, DateTime issued) {
    if (!IsCalendarDay(birth)) return true;
    int year = 0, month = 0, day = 0;
    DecodeDate(birth, year, month, day);
    if (month == 2 && day == 29) day = 28;
    DateTime fourteenth = 0;
    if (!TryEncodeDate(year + 14, month, day, fourteenth)) return true;
    return fourteenth > issued;
}

CheckFindings ConditionsFindings(const mTDeclaration& d) {
    Findings out(kCheckSectionConditions, kCaptionConditions);
    const bool representative = d.ConfirmedBy != 0;
    out.Add(IsBlank(d.InspectionCode), "Не введен номер инспекции", kCheckFieldInspection);
    out.Add(representative && IsBlank(d.RepresentativeName), "Не указаны ФИО подписанта-представителя",
            kCheckFieldRepresentativeName);
    out.Add(representative && IsBlank(d.RepresentativeDocument),
            "Не указан документ, подтверждающий полномочия представителя", kCheckFieldRepresentativeDocument);
    out.Add(d.ConfirmedBy == 2 && IsBlank(d.RepresentativeOrganization),
            "Не указано наименование Юр.лица-представителя", kCheckFieldRepresentativeOrganization);
    return out.Take();
}

CheckFindings PersonFindings(const mTDeclaration& d, CheckUse use) {
    Findings out(kCheckSectionPerson, kCaptionPerson);
    const mTPersonInformation& p = d.Person;
    const bool expectedIncome = d.DeclarationKind == kDecl4Ndfl;
    const uint16_t inn = InnCheck(p.PersonInn, kInnPerson);
    out.Add(IsBlank(p.Surname), "Не введена фамилия", kCheckFieldSurname);
    out.Add(IsBlank(p.FirstName), "Не введено имя", kCheckFieldFirstName);
    out.Add(inn == kInnNotTwelve, "Длинна ИНН должна быть равна 12 цифрам", kCheckFieldPersonInn);
    out.Add(inn == kInnWrong, "Номер ИНН введен неверно", kCheckFieldPersonInn);
    if (use == CheckUse::Screen) {
        out.Add(inn == kInnEmpty, "Не указан ИНН", kCheckFieldPersonInn);
    } else {
        const bool innRequired = (d.IncomeKinds & kIncomeBusiness) || d.TaxpayerKind == 0 || expectedIncome;
        out.Add(inn == kInnEmpty && innRequired,
                expectedIncome ? "Не указан ИНН"
                               : "Лицам имеющим доходы от предпринимательской деятельности необходимо ввести ИНН",
                kCheckFieldPersonInn);
    }
    // A valid ИНН identifies the person; without one the document and birth place must.
    out.Add(inn != kInnValid && IsBlank(p.BirthPlace), "Не указано место рождения", kCheckFieldBirthPlace);
    out.Add(inn != kInnValid && p.DocTypeCode == 0, "Не указан документ, удостоверяющий личность", kCheckFieldDocType);
    const bool document = p.DocTypeCode != 0;
    out.Add(document && IsBlank(p.DocSeriesNumber), "Не указаны серия и номер документа, удостоверяющего личность",
            kCheckFieldDocSeriesNumber);
    if (document && p.DocIssueDate < p.BirthDate)
        out.Add(true, "Дата выдачи документа не может быть меньше даты рождения", kCheckFieldDocIssueDate);
    else
        out.Add(document && Contains(kPassportTypes, p.DocTypeCode) &&
                    IssuedBeforeFourteenthBirthday(p.BirthDate, p.DocIssueDate),
                "Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет",
                kCheckFieldDocIssueDate);
    out.Add(document && IsBlank(p.DocIssuedBy), "Не указано, кем выдан документ, удостоверяющий личность",
            kCheckFieldDocIssuedBy);
    out.Add(expectedIncome && !OktmoLengthValid(p.ResidenceOktmo),
            use == CheckUse::Screen ? "Не введен код ОКТМО(8 или 11 символов)" : kNoOktmo, kCheckFieldPersonOktmo);
    return out.Take();
}

CheckFindings AddressFindings(const mTDeclaration& d, CheckUse use) {
    Findings out(kCheckSectionAddress, kCaptionPerson);
    const mTPersonInformation& p = d.Person;
    out.Add(p.RegionCode == 0, "Не указан регион постоянного местожительства", kCheckFieldRegion);
    out.Add(IsBlank(p.Locality) && IsBlank(p.Street),
            "Не указан населенный пункт (село, поселок) или улица (проспект, переулок)", kCheckFieldLocality);
    if (use == CheckUse::Screen)
        out.Add(d.DeclarationKind != kDecl4Ndfl && !IsBlank(p.ResidenceOktmo) && !OktmoLengthValid(p.ResidenceOktmo),
                "Код ОКТМО должен содержать 8 или 11 символов", kCheckFieldAddressOktmo);
    return out.Take();
}

CheckFindings ResidenceOktmoFindings(const mTDeclaration& d, bool oktmoRequired) {
    Findings out(kCheckSectionAddress, kCaptionPerson);
    const std::string& oktmo = d.Person.ResidenceOktmo;
    out.Add(!IsBlank(oktmo) && !OktmoLengthValid(oktmo),
            "Код ОКТМО (по месту жительства) должен содержать 8 или 11 символов", kCheckFieldAddressOktmo);
    out.Add(IsBlank(oktmo) && oktmoRequired, "Не введен код ОКТМО(8 или 11 симв.) по месту жительства",
            kCheckFieldAddressOktmo);
    return out.Take();
}

CheckFindings ThirteenFindings(const mTDeclaration& d, CheckUse use) {
    Findings out(kCheckSectionThirteen, kCaptionThirteen);
    const int count = d.Thirteen.Count();
    for (int i = 0; i < count; ++i) {
        const mTThirteenPercent& source = d.Thirteen.Get(i);
        if (source.IncomeTotal < source.TaxWithheld) {
            out.Add(true, "По данному источнику выплаты общая сумма дохода меньше удержанной суммы", i + 1);
            break;
        }
    }
    for (int i = 0; use == CheckUse::Declaration && i < count; ++i) {
        if (d.Thirteen.Get(i).LineCount() == 0) {
            out.Add(true, "По данному источнику не указаны доходы", i + 1);
            break;
        }
    }
    return out.Take();
}

CheckFindings ForeignFindings(const mTDeclaration& d, CheckUse use) {
    Findings out(kCheckSectionForeign, kCaptionForeign);
    const int count = d.Foreign.Count();
    if (use == CheckUse::Screen) {
        for (int i = 0; i < count; ++i)
            for (const ForeignRule& rule : kForeignRules)
                if (rule.fails(d.Foreign.Get(i))) {
                    out.Add(true, rule.message, i + 1);
                    return out.Take();
                }
        return out.Take();
    }
    for (const ForeignRule& rule : kForeignRules)
        for (int i = 0; i < count; ++i)
            if (rule.fails(d.Foreign.Get(i))) {
                out.Add(true, rule.message, i + 1);
                break;
            }
    return out.Take();
}

std::string ForeignFieldToFix(const mTCurrencyIncome& f) {
    for (const ForeignRule& rule : kForeignRules)
        if (rule.fails(f)) return rule.field;
    // An income no sheet takes is put right by its code, which gives the rate.
    if (!UncountedForeignIncome(f).empty()) return "IncomeCode";
    return "";
}

CheckFindings ActivityFindings(const mTDeclaration& d, int index, CheckUse use) {
    Findings out(kCheckSectionBusiness, kCaptionBusiness);
    const mTBusinessNew& b = d.Business.Get(index);
    const int row = index + 1;
    out.Add(b.ExpensesConfirmed != d.Business.Get(0).ExpensesConfirmed,
            "Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%.", row);
    if (use == CheckUse::Declaration) {
        out.Add(b.ActivityKind == "1" && ActivityCodeTooShort(b.ActivityCode), kShortActivityCode, row);
        if (b.ExpensesConfirmed) AddExpenseFinding(out, b, row);
    } else if (b.ExpensesConfirmed) {
        const auto& e = b.ExpenseItems;
        out.Add(e[kExpenseLabour] < e[kExpenseLabourContracts], LabourContractsMessage(b), row);
        const Money parts = ExpenseParts(b);
        out.Add(parts != e[kExpenseTotal],
                "Общие расходы (" + ScreenAmount(e[kExpenseTotal]) +
                    ") не совпадают с суммой расходов материальных, на оплату труда, прочих и амортизационных "
                    "отчислений (" +
                    ScreenAmount(parts) + ")",
                row);
    }
    return out.Take();
}

CheckFindings FarmFindings(const mTDeclaration& d) {
    Findings out(kCheckSectionBusiness, kCaptionBusiness);
    out.Add(d.IsFarmHead && FarmYearOf(d.FarmStartDate) == kNoFarmYear,
            "Не указан год образования крестьянского (фермерского) хозяйства", kBusinessFieldFarmYear);
    return out.Take();
}

CheckFindings BusinessScreenFindings(const mTDeclaration& d) {
    CheckFindings out;
    for (int i = 0; i < d.Business.Count(); ++i) {
        CheckFindings activity = ActivityFindings(d, i, CheckUse::Screen);
        out.insert(out.end(), activity.begin(), activity.end());
    }
    CheckFindings farm = FarmFindings(d);
    out.insert(out.end(), farm.begin(), farm.end());
    return out;
}

CheckFindings ActivityCodeFindings(const std::string& code) {
    Findings out(kCheckSectionBusiness, kCaptionActivityCode);
    out.Add(ActivityCodeTooShort(code), kShortActivityCode, 0);
    return out.Take();
}

CheckFindings InvestLineFindings(const mTInvestTovIncome& line) {
    Findings out(kCheckSectionInvestTov, kCaptionInvestLine);
    out.Add(line.OperationKind < 1 || line.OperationKind > kInvestOperationKinds, "Не выбран вид операций",
            kCheckFieldOperationKind);
    return out.Take();
}

namespace {

void AddNoSocialData(Findings& social, const mTDeclaration& d) {
    social.Add(d.Social.Granted && NoSocialData(d.Social), "Не введены данные по социальным налоговым вычетам",
               kCheckFieldSocialDeductions);
}

// The file states these contributions with their contract, so a bare amount
// cannot be carried into the calculation; it must not vanish without a word.
void AddBarePensionContributions(Findings& social, const mTDeclaration& d) {
    social.Add(d.Social.Granted && !d.Social.ExtraPensionContributions.IsZero(), kExtraPensionNotCounted,
               kSocialFieldExtraPension);
}

}  // namespace

CheckFindings SocialFindings(const mTDeclaration& d) {
    Findings social(kCheckSectionDeductions, kCaptionSocial);
    AddNoSocialData(social, d);
    AddBarePensionContributions(social, d);
    return social.Take();
}

CheckFindings DeductionFindings(const mTDeclaration& d) {
    Findings social(kCheckSectionDeductions, kCaptionSocial);
    AddNoSocialData(social, d);
    CheckFindings out = social.Take();
    Findings standard(kCheckSectionDeductions, kCaptionStandard);
    const bool onePlaceRule = d.Standard.Granted && !d.Standard.MonthlyBusiness && !(d.IncomeKinds & kIncomeBusiness) &&
                              (d.IncomeKinds & kIncomeRussian);
    standard.Add(onePlaceRule && MonthMarkedTwice(d),
                 "Вы не могли получать стандартные вычеты работая в нескольких местах ОДНОВРЕМЕННО.",
                 kCheckFieldStandardDeductions);
    for (CheckFinding& f : standard.Take()) out.push_back(std::move(f));
    return out;
}

CheckFindings DeductionAmountFindings(const mTDeclaration& d) {
    Findings social(kCheckSectionDeductions, kCaptionSocial);
    AddBarePensionContributions(social, d);
    CheckFindings out = social.Take();
    // The screen keeps the deduction within its limit; a document made elsewhere may not.
    Findings losses(kCheckSectionDeductions, kCaptionLosses);
    losses.Add(BoundInvestmentDeduction(d.InvestmentDeduction) != d.InvestmentDeduction,
               "Сумма инвестиционного вычета не может быть больше 400000", kCheckFieldLossesAndInvestment);
    for (CheckFinding& f : losses.Take()) out.push_back(std::move(f));
    return out;
}

}  // namespace kvz
