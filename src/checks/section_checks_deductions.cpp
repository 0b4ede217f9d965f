#include "checks/section_checks_deductions.h"

#include <algorithm>

#include "checks/check_text.h"
#include "checks/field_rules.h"
#include "checks/source_check.h"
#include "model/construction_deduct.h"
#include "model/pens.h"

namespace kvz {

namespace {

// Acquisitions up to 2008 fall under the old rules, where the year of first use
// may precede the documents.
constexpr int kLastYearWithoutYearCheck = 2008;

// No message of these dialogs can be skipped: the user corrects or closes.
constexpr CheckButtons kFixOnly{false, false};

int Ask(CheckDialog& dialog, const char* caption, const char* message) {
    const int answer = dialog.Ask(caption, message, kFixOnly);
    SetLastCheckAnswer(answer);
    return answer;
}

void AddYearFinding(CheckFindings& out, const mTConstructionDeductObj& o) {
    const int firstUse = YearOf(o.FirstUseYear);
    const int document = YearOf(o.ByInvestment ? o.TransferActDate : o.RightRegDate);
    if (firstUse >= document || document <= kLastYearWithoutYearCheck) return;
    out.push_back(CheckFinding{kCheckSectionDeductions, kCaptionProperty, kObjectFieldFirstUseYear,
                               o.ByInvestment ? "Год начала использования вычета меньше даты акта о передаче"
                                              : "Год начала использования вычета меньше даты регистрации прав собственности"});
}

}  // namespace

bool IsLaterObject(int objectCount, int editedIndex) {
    return editedIndex < 0 ? objectCount >= 1 : editedIndex >= 1;
}

ConstructionDateLimits ObjectDateLimits(bool laterObject, bool pensioner) {
    ConstructionDateLimits limits{};
    limits.earliest = laterObject ? EncodeDate(2014, 1, 1) : EncodeDate(1990, 1, 1);
    limits.firstUseYearMin = laterObject ? 2014 : 1992;
    limits.firstUseYearMax = pensioner ? kTaxYear + 3 : kTaxYear;
    limits.latest = EncodeDate(limits.firstUseYearMax, 12, 31);
    return limits;
}

int BoundFirstUseYear(int year, const ConstructionDateLimits& limits) {
    return std::clamp(year, limits.firstUseYearMin, limits.firstUseYearMax);
}

std::string FirstUseYearRefusal(const mTConstructionDeductObj& o, bool laterObject) {
    const ConstructionDateLimits limits = ObjectDateLimits(laterObject, o.Pensioner);
    const int year = YearOf(o.FirstUseYear);
    const std::string text = "Год начала использования вычета " + std::to_string(year);
    if (year > limits.firstUseYearMax)
        return text + " не может быть позже " + std::to_string(limits.firstUseYearMax) +
               (limits.firstUseYearMax == kTaxYear ? " года, за который подается декларация" : " года");
    if (year < limits.firstUseYearMin)
        return text + " не может быть раньше " + std::to_string(limits.firstUseYearMin) + " года";
    return {};
}

mTConstructionDeductObj NewPropertyObject() {
    mTConstructionDeductObj o;
    o.FirstUseYear = EncodeDate(kTaxYear, 1, 1);
    return o;
}

CheckFindings ConstructionObjectFindings(const mTConstructionDeductObj& o) {
    CheckFindings out;
    auto add = [&out](bool failed, const char* message, int field) {
        if (failed) out.push_back(CheckFinding{kCheckSectionDeductions, kCaptionObjectData, field, message});
    };
    add(o.ObjectNameCode == 0, "Не введено наименование объекта", kObjectFieldName);
    add(o.OwnershipKind == 0, "Не введен вид собственности", kObjectFieldOwnership);
    add(o.TaxpayerSign == 0, "Не введен признак налогоплательщика", kObjectFieldTaxpayerSign);
    // A region code has two digits; an empty or one-character text means none was chosen.
    add(TrimmedLength(o.RegionCode) <= 1, "Не заполненно поле \"Код субъекта РФ\"", kObjectFieldRegion);
    const ObjectDatesNeeded needed = DatesNeeded(o);
    add(needed.rightReg && o.RightRegDate == 0,
        "Не введена дата регистрации права собственности на жилой дом, квартиру, комнату", kObjectFieldRightRegDate);
    add(needed.transferAct && o.TransferActDate == 0, "Не введена дата акта о передаче квартиры, комнаты или доли в них",
        kObjectFieldTransferActDate);
    add(needed.landReg && o.LandRegDate == 0, "Не введена дата регистрации права собственности на земельный участок",
        kObjectFieldLandRegDate);
    add(needed.application && o.ApplicationDate == 0,
        "Не введена дата заявления о распределении имущественного вычета", kObjectFieldApplicationDate);
    if (out.empty() && !o.Pensioner) AddYearFinding(out, o);
    return out;
}

int CheckConstructionObject(CheckDialog& dialog, const mTConstructionDeductObj& object) {
    SetLastCheckAnswer(kCheckAnswerNone);
    for (const CheckFinding& f : ConstructionObjectFindings(object))
        if (Ask(dialog, f.sectionTitle.c_str(), f.message.c_str()) == kCheckAnswerFix) return f.field;
    return 0;
}

int CheckPensionContract(CheckDialog& dialog, const mTPens& c) {
    int result = 0;
    SetLastCheckAnswer(kCheckAnswerNone);
    if (c.ContractKind != mTPens::kKindExtraContributions) {
        result = StrictSourceCheck(dialog, kTitlePensionContracts, c.OrgName, kPensionContractOktmo, c.OrgKpp,
                                   c.OrgInn);
        if (result == 0 && IsBlank(c.ContractNumber) &&
            Ask(dialog, kTitlePensionContracts, "Введите номер договора") == kCheckAnswerFix)
            result = kContractFieldNumber;
        if (result == 0 && c.ContractDate == 0 &&
            Ask(dialog, kTitlePensionContracts, "Введите дату договора") == kCheckAnswerFix)
            result = kContractFieldDate;
    }
    if (result == 0 && c.Contribution < c.AgentDeduction &&
        Ask(dialog, kTitlePensionContracts, "Сумма взносов меньше суммы предоставленного вычета") == kCheckAnswerFix)
        result = kContractFieldContribution;
    return result;
}

void AcceptPensionContract(const mTPens& edited, mTPens& target) {
    const mTPens before = target;
    target = edited;
    if (edited.ContractKind == mTPens::kKindExtraContributions) {
        target.OrgName = before.OrgName;
        target.OrgInn = before.OrgInn;
        target.OrgKpp = before.OrgKpp;
        target.ContractNumber = before.ContractNumber;
        target.ContractDate = before.ContractDate;
    }
}

Money BoundInvestmentDeduction(Money amount) { return std::min(amount, kInvestmentDeductionLimit); }

Money ShownLossTotal(const std::array<Money, 10>& losses) {
    // Index 0 is 2014, indexes 6 … 9 are 2010 … 2013; 2005 … 2009 have lapsed.
    return losses[0] + losses[6] + losses[7] + losses[8] + losses[9];
}

}  // namespace kvz
