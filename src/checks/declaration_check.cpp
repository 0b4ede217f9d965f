#include "checks/declaration_check.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "calc/svod_sum.h"
#include "checks/amount_sign_checks.h"
#include "checks/check_text.h"
#include "checks/inn_check.h"
#include "checks/schema_field_checks.h"
#include "model/declaration.h"
#include "storage/dates.h"
#include "storage/money.h"

namespace kvz {

namespace {

namespace text {
constexpr const char* kNoInspection = "Не введен номер инспекции";
constexpr const char* kNoRepresentativeName = "Не указаны ФИО подписанта-представителя";
constexpr const char* kNoRepresentativeDocument = "Не указан документ, подтверждающий полномочия представителя";
constexpr const char* kNoRepresentativeOrganization = "Не указано наименование Юр.лица-представителя";

constexpr const char* kNoSurname = "Не введена фамилия";
constexpr const char* kNoFirstName = "Не введено имя";
constexpr const char* kInnNotTwelve = "Длинна ИНН должна быть равна 12 цифрам";
constexpr const char* kInnWrong = "Номер ИНН введен неверно";
constexpr const char* kNoInn = "Не указан ИНН";
constexpr const char* kNoInnBusiness = "Лицам имеющим доходы от предпринимательской деятельности необходимо ввести ИНН";
constexpr const char* kNoBirthPlace = "Не указано место рождения";
constexpr const char* kNoDocument = "Не указан документ, удостоверяющий личность";
constexpr const char* kNoSeriesNumber = "Не указаны серия и номер документа, удостоверяющего личность";
constexpr const char* kIssuedBeforeBirth = "Дата выдачи документа не может быть меньше даты рождения";
constexpr const char* kIssuedBeforeFourteen =
    "Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет";
constexpr const char* kNoIssuer = "Не указано, кем выдан документ, удостоверяющий личность";
constexpr const char* kNoOktmo = "Не введен код ОКТМО(8 или 11 симв.)";

constexpr const char* kNoRegion = "Не указан регион постоянного местожительства";
constexpr const char* kNoLocality = "Не указан населенный пункт (село, поселок) или улица (проспект, переулок)";

constexpr const char* kIncomeBelowWithheld =
    "По данному источнику выплаты общая сумма дохода меньше удержанной суммы";
constexpr const char* kNoIncomeLines = "По данному источнику не указаны доходы";

constexpr const char* kNoCurrency = "По данному источнику выплаты не указан код валюты";
constexpr const char* kNoRate = "По данному источнику выплаты не указан курс валюты";
constexpr const char* kNoIncomeCode = "По данному источнику выплаты не указан код дохода";
constexpr const char* kNoIncomeAmount = "По данному источнику выплаты не указана сумма дохода";
constexpr const char* kNoDeductionAmount = "По данному источнику выплаты не указана сумма вычета";

constexpr const char* kMixedExpenses = "Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%.";
constexpr const char* kShortActivityCode = "Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку";

constexpr const char* kNoSocialData = "Не введены данные по социальным налоговым вычетам";
constexpr const char* kStandardAtTwoPlaces =
    "Вы не могли получать стандартные вычеты работая в нескольких местах ОДНОВРЕМЕННО.";

constexpr const char* kBadResidenceOktmo = "Код ОКТМО (по месту жительства) должен содержать 8 или 11 символов";
constexpr const char* kNoResidenceOktmo = "Не введен код ОКТМО(8 или 11 симв.) по месту жительства";

constexpr const char* kCalculationFailed = "Ошибка в рассчетах: ";
}  // namespace text

// Identity documents that are issued from the age of 14 (passports).
constexpr std::array<uint16_t, 4> kPassportTypes = {7, 8, 21, 24};

// Foreign incomes whose deduction may legitimately be zero.
constexpr std::array<int32_t, 12> kZeroDeductionIncomeCodes = {1530, 1531, 1532, 1533, 1535, 1536,
                                                               1537, 1538, 1539, 1541, 9537, 9538};

constexpr int16_t kFieldDeclined = -1;

template <class Container, class Value>
bool Contains(const Container& c, Value v) {
    return std::find(c.begin(), c.end(), v) != c.end();
}

bool OktmoLengthValid(const std::string& oktmo) {
    const std::size_t length = TrimmedLength(oktmo);
    return length == 8 || length == 11;
}

// Amounts inside messages: shortest decimal text with the screens' comma.
std::string ScreenAmount(Money m) {
    std::string s = PlainForm(m);
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

// A day the calendar helpers can decode (01.01.0001 … 31.12.9999).
bool IsCalendarDay(DateTime d) { return std::isfinite(d) && d >= -693593.0 && d < 2958466.0; }

// True when the document was issued before the holder turned 14. A birthday on
// 29 February falls on 28 February, the fourteenth year never being a leap year.
bool IssuedBeforeFourteen(DateTime birth, DateTime issued) {
    if (!IsCalendarDay(birth)) return true;  // no real birth date to count from
    int year = 0, month = 0, day = 0;
    DecodeDate(birth, year, month, day);
    if (month == 2 && day == 29) day = 28;
    DateTime fourteenth = 0;
    if (!TryEncodeDate(year + 14, month, day, fourteenth)) return true;
    return fourteenth > issued;
}

bool NoSocialData(const mTSocialDeduct& s) {
    return s.Charity.IsZero() && s.OwnEducation.IsZero() && s.Treatment.IsZero() &&
           s.ExpensiveTreatment.IsZero() && s.VoluntaryInsurance.IsZero() && s.ExtraPensionContributions.IsZero() &&
           s.SpareSocialAmount.IsZero() && s.ChildEducationCount() == 0 && s.PensionContractCount() == 0;
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

// One run of the check over one declaration with its three values.
class DeclarationCheck {
public:
    DeclarationCheck(mTDeclaration& declaration, CheckAllDialog& dialog, CheckFindings* findings)
        : D_(declaration), Dialog_(dialog), Findings_(findings) {}

    uint32_t Run() {
        if (Calculate()) {
            CheckConditions();
            CheckPerson();
            CheckAddress();
            CheckThirteen();
            CheckForeign();
            CheckBusiness();
            CheckDeductions();
            CheckResidenceOktmo();
            CheckSchemaFields();
            CheckAmountSigns();
        }
        return (static_cast<uint32_t>(static_cast<uint16_t>(CheckField)) << 16) | CheckSection;
    }

private:
    bool Nothing() const { return CheckField == 0; }
    bool Unanswered() const { return CheckAnswer == kCheckAnswerNone; }

    void Show(const char* caption, const std::string& message, int field) {
        if (Findings_) Findings_->push_back(CheckFinding{CheckSection, caption, field, message});
        CheckAnswer = Dialog_.Ask(caption, message);
        CheckField = CheckAnswer == kCheckAnswerFix ? static_cast<int16_t>(field) : kFieldDeclined;
    }

    // A declaration that cannot be calculated cannot pass: its error is reported as
    // the one finding, with nothing to correct on a screen.
    bool Calculate() {
        std::string failure;
        try {
            OktmoRequired = !Sum_.Calculate(D_);
            return true;
        } catch (const std::exception& e) {
            failure = e.what();
        } catch (...) {
            failure = "неизвестная ошибка";
        }
        Show(kCaptionCalculation, text::kCalculationFailed + failure, 0);
        CheckField = kFieldDeclined;
        return false;
    }

    void CheckConditions() {
        if (!Nothing()) return;
        CheckSection = kCheckSectionConditions;
        // These go on after "Отмена": only "Исправить" ends the section.
        auto goesOn = [this] { return CheckAnswer != kCheckAnswerFix && CheckAnswer != kCheckAnswerSkipAll; };
        if (IsBlank(D_.InspectionCode)) Show(kCaptionConditions, text::kNoInspection, kCheckFieldInspection);
        if (goesOn() && IsBlank(D_.RepresentativeName) && D_.ConfirmedBy != 0)
            Show(kCaptionConditions, text::kNoRepresentativeName, kCheckFieldRepresentativeName);
        if (goesOn() && IsBlank(D_.RepresentativeDocument) && D_.ConfirmedBy != 0)
            Show(kCaptionConditions, text::kNoRepresentativeDocument, kCheckFieldRepresentativeDocument);
        if (goesOn() && IsBlank(D_.RepresentativeOrganization) && D_.ConfirmedBy == 2)
            Show(kCaptionConditions, text::kNoRepresentativeOrganization, kCheckFieldRepresentativeOrganization);
    }

    void CheckPerson() {
        if (!Nothing()) return;
        CheckSection = kCheckSectionPerson;
        const mTPersonInformation& p = D_.Person;
        if (IsBlank(p.Surname)) Show(kCaptionPerson, text::kNoSurname, kCheckFieldSurname);
        if (Unanswered() && IsBlank(p.FirstName)) Show(kCaptionPerson, text::kNoFirstName, kCheckFieldFirstName);
        const uint16_t s = InnCheck(p.PersonInn, kInnPerson);
        if (Unanswered()) CheckPersonInn(s);
        // A valid ИНН identifies the person; without one the document and birth place must.
        if (Unanswered() && s != kInnValid && IsBlank(p.BirthPlace))
            Show(kCaptionPerson, text::kNoBirthPlace, kCheckFieldBirthPlace);
        if (Unanswered() && s != kInnValid && p.DocTypeCode == 0)
            Show(kCaptionPerson, text::kNoDocument, kCheckFieldDocType);
        if (Unanswered() && p.DocTypeCode != 0 && IsBlank(p.DocSeriesNumber))
            Show(kCaptionPerson, text::kNoSeriesNumber, kCheckFieldDocSeriesNumber);
        if (Unanswered() && p.DocTypeCode != 0) CheckIssueDate(p);
        if (Unanswered() && p.DocTypeCode != 0 && IsBlank(p.DocIssuedBy))
            Show(kCaptionPerson, text::kNoIssuer, kCheckFieldDocIssuedBy);
        if (Unanswered() && D_.DeclarationKind == kDecl4Ndfl && !OktmoLengthValid(p.ResidenceOktmo))
            Show(kCaptionPerson, text::kNoOktmo, kCheckFieldPersonOktmo);
    }

    void CheckPersonInn(uint16_t s) {
        if (s == kInnNotTwelve) Show(kCaptionPerson, text::kInnNotTwelve, kCheckFieldPersonInn);
        if (s == kInnWrong) Show(kCaptionPerson, text::kInnWrong, kCheckFieldPersonInn);
        const bool innRequired =
            (D_.IncomeKinds & kIncomeBusiness) || D_.TaxpayerKind == 0 || D_.DeclarationKind == kDecl4Ndfl;
        if (s == kInnEmpty && innRequired)
            Show(kCaptionPerson, D_.DeclarationKind == kDecl4Ndfl ? text::kNoInn : text::kNoInnBusiness,
                 kCheckFieldPersonInn);
    }

    void CheckIssueDate(const mTPersonInformation& p) {
        if (p.DocIssueDate < p.BirthDate)
            Show(kCaptionPerson, text::kIssuedBeforeBirth, kCheckFieldDocIssueDate);
        else if (Contains(kPassportTypes, p.DocTypeCode) && IssuedBeforeFourteen(p.BirthDate, p.DocIssueDate))
            Show(kCaptionPerson, text::kIssuedBeforeFourteen, kCheckFieldDocIssueDate);
    }

    void CheckAddress() {
        if (!Nothing() || D_.DeclarationKind == kDecl4Ndfl) return;
        CheckSection = kCheckSectionAddress;
        const mTPersonInformation& p = D_.Person;
        if (p.RegionCode == 0) Show(kCaptionPerson, text::kNoRegion, kCheckFieldRegion);
        if (Unanswered() && IsBlank(p.Locality) && IsBlank(p.Street))
            Show(kCaptionPerson, text::kNoLocality, kCheckFieldLocality);
    }

    void CheckThirteen() {
        if (!Nothing() || !(D_.IncomeKinds & kIncomeRussian)) return;
        CheckSection = kCheckSectionThirteen;
        const int count = D_.Thirteen.Count();
        for (int i = 0; i < count; ++i) {
            const mTThirteenPercent& source = D_.Thirteen.Get(i);
            if (source.IncomeTotal < source.TaxWithheld) {
                Show(kCaptionThirteen, text::kIncomeBelowWithheld, i + 1);
                break;
            }
        }
        // A source without lines is reported even after the first message.
        for (int i = 0; i < count; ++i) {
            if (D_.Thirteen.Get(i).LineCount() == 0) {
                Show(kCaptionThirteen, text::kNoIncomeLines, i + 1);
                break;
            }
        }
    }

    // Shows the message at the first foreign income that fails the test.
    template <class Test>
    void FirstForeign(const char* message, Test fails) {
        for (int i = 0; i < D_.Foreign.Count(); ++i) {
            if (fails(D_.Foreign.Get(i))) {
                Show(kCaptionForeign, message, i + 1);
                return;
            }
        }
    }

    void CheckForeign() {
        if (!Nothing() || !(D_.IncomeKinds & kIncomeForeign)) return;
        CheckSection = kCheckSectionForeign;
        FirstForeign(text::kNoCurrency, [](const mTCurrencyIncome& f) { return IsBlank(f.CurrencyCode); });
        if (Unanswered())
            FirstForeign(text::kNoRate, [](const mTCurrencyIncome& f) {
                return f.UnitsOnIncomeDate == 0 || f.RateOnIncomeDate.IsZero();
            });
        if (Unanswered()) FirstForeign(text::kNoIncomeCode, [](const mTCurrencyIncome& f) { return f.IncomeCode == 0; });
        if (Unanswered())
            FirstForeign(text::kNoIncomeAmount, [](const mTCurrencyIncome& f) { return f.IncomeInCurrency.IsZero(); });
        if (Unanswered())
            FirstForeign(text::kNoDeductionAmount, [](const mTCurrencyIncome& f) {
                return f.DeductionCode != 0 && f.DeductionAmount.IsZero() &&
                       !Contains(kZeroDeductionIncomeCodes, f.IncomeCode);
            });
    }

    void CheckBusiness() {
        if (!Nothing() || !(D_.IncomeKinds & kIncomeBusiness)) return;
        CheckSection = kCheckSectionBusiness;
        for (int i = 0; i < D_.Business.Count() && Unanswered(); ++i) CheckActivity(i);
    }

    void CheckActivity(int i) {
        const mTBusinessNew& b = D_.Business.Get(i);
        const int row = i + 1;
        if (b.ExpensesConfirmed != D_.Business.Get(0).ExpensesConfirmed)
            Show(kCaptionBusiness, text::kMixedExpenses, row);
        if (Unanswered() && b.ActivityKind == "1" && TrimmedLength(b.ActivityCode) < 4)
            Show(kCaptionBusiness, text::kShortActivityCode, row);
        if (!Unanswered() || !b.ExpensesConfirmed) return;
        const auto& e = b.ExpenseItems;
        if (e[kExpenseLabour] < e[kExpenseLabourContracts]) {
            Show(kCaptionBusiness,
                 "Расходы по оплате трудовых договоров(" + ScreenAmount(e[kExpenseLabourContracts]) +
                     ") превышают сумму расходов на оплату труда (" + ScreenAmount(e[kExpenseLabour]) + ")",
                 row);
            return;
        }
        const Money components = Sum(b, kExpenseOtherFirstComponent, kExpenseItemCount - 1);
        if (components > e[kExpenseOther]) {
            Show(kCaptionBusiness,
                 "Сумма прочих расходов (" + ScreenAmount(e[kExpenseOther]) + ") меньше суммы ее составляющих (" +
                     ScreenAmount(components) + ")",
                 row);
            return;
        }
        const Money parts = e[kExpenseMaterial] + e[kExpenseDepreciation] + e[kExpenseLabour] + e[kExpenseOther];
        if (parts > e[kExpenseTotal])
            Show(kCaptionBusiness,
                 "Общие расходы (" + ScreenAmount(e[kExpenseTotal]) +
                     ") меньше суммы расходов материальных, на оплату труда, прочих и амортизационных отчислений (" +
                     ScreenAmount(parts) + ")",
                 row);
    }

    void CheckDeductions() {
        if (D_.IncomeKinds == 0) return;
        if (Nothing()) {
            CheckSection = kCheckSectionDeductions;
            if (D_.Social.Granted && NoSocialData(D_.Social))
                Show(kCaptionSocial, text::kNoSocialData, kCheckFieldSocialDeductions);
        }
        if (Nothing()) {
            CheckSection = kCheckSectionDeductions;
            const bool onePlaceRule = D_.Standard.Granted && !D_.Standard.MonthlyBusiness &&
                                      !(D_.IncomeKinds & kIncomeBusiness) && (D_.IncomeKinds & kIncomeRussian);
            if (onePlaceRule && MonthMarkedTwice(D_))
                Show(kCaptionStandard, text::kStandardAtTwoPlaces, kCheckFieldStandardDeductions);
        }
        if (Nothing()) CheckSection = kCheckSectionDeductionsEnd;
    }

    void CheckResidenceOktmo() {
        if (!Nothing() || D_.DeclarationKind == kDecl4Ndfl) return;
        CheckSection = kCheckSectionAddress;
        const std::string& oktmo = D_.Person.ResidenceOktmo;
        if (!IsBlank(oktmo) && !OktmoLengthValid(oktmo))
            Show(kCaptionPerson, text::kBadResidenceOktmo, kCheckFieldAddressOktmo);
        if (IsBlank(oktmo) && OktmoRequired) Show(kCaptionPerson, text::kNoResidenceOktmo, kCheckFieldAddressOktmo);
    }

    // The rules whose findings come as a list (the authority's rules on the values as
    // the file would carry them, then negative amounts and unknown codes) come last,
    // so that the messages above keep their order. The dialog shows the first; the
    // findings list keeps every one.
    void ShowFirstKeepAll(const CheckFindings& found) {
        for (const CheckFinding& f : found) {
            if (!Nothing()) {
                if (Findings_) Findings_->push_back(f);
                continue;
            }
            CheckSection = static_cast<uint16_t>(f.section);
            Show(f.sectionTitle.c_str(), f.message, f.field);
        }
    }

    void CheckSchemaFields() {
        if (Nothing()) ShowFirstKeepAll(SchemaFieldFindings(D_, Sum_));
    }

    void CheckAmountSigns() {
        if (Nothing()) ShowFirstKeepAll(AmountSignFindings(D_));
    }

    mTDeclaration& D_;
    CheckAllDialog& Dialog_;
    CheckFindings* Findings_;

    uint16_t CheckSection = kCheckSectionNone;
    int16_t CheckField = 0;
    int CheckAnswer = kCheckAnswerNone;
    bool OktmoRequired = false;
    kTSvodSum Sum_;
};

// Answers every message "Отмена", so that the check reaches all it can.
class CancellingDialog : public CheckAllDialog {
public:
    int Ask(const std::string&, const std::string&) override { return kCheckAnswerSkip; }
};

}  // namespace

uint32_t CheckDeclaration(mTDeclaration& declaration, CheckAllDialog& dialog) {
    return DeclarationCheck(declaration, dialog, nullptr).Run();
}

CheckFindings CheckDeclarationForExport(mTDeclaration& declaration) {
    CheckFindings findings;
    CancellingDialog dialog;
    DeclarationCheck(declaration, dialog, &findings).Run();
    return findings;
}

}  // namespace kvz
