#pragma once
// The rules of each section, written once for its screen and for the check of the
// whole declaration. Each function gives every finding of its section in the
// order the user is shown them; the caller decides how many it shows (a screen
// goes on until "Исправить" or "Пропустить все", the declaration check mostly
// stops at the first).
#include <string>
#include <vector>

#include "checks/section_fields.h"
#include "storage/dates.h"

namespace kvz {

class mTDeclaration;
class mTCurrencyIncome;
struct mTInvestTovIncome;

// One message of a check: the section and its caption, the field or 1-based row
// to put right, and the text.
struct CheckFinding {
    int section;
    std::string sectionTitle;
    int field;  // 0 for a failed calculation, which has no field to correct
    std::string message;
    bool operator==(const CheckFinding&) const = default;
};
using CheckFindings = std::vector<CheckFinding>;

// Section captions of the check dialogs.
inline constexpr const char* kCaptionConditions = "Задание условий";
inline constexpr const char* kCaptionPerson = "Сведения о декларанте";
inline constexpr const char* kCaptionThirteen = "Доходы, облагаемые ставкой 13%";
inline constexpr const char* kCaptionForeign = "Доходы в валюте";
inline constexpr const char* kCaptionBusiness = "Доходы от предпринимательской деятельности";
inline constexpr const char* kCaptionSocial = "Социальные вычеты";
inline constexpr const char* kCaptionStandard = "Стандартные вычеты";
inline constexpr const char* kCaptionCalculation = "Расчет декларации";
inline constexpr const char* kCaptionNine = "Доходы, облагаемые ставкой 9%";
inline constexpr const char* kCaptionDividends = "Дивиденды";
inline constexpr const char* kCaptionThirtyFive = "Доходы, облагаемые ставкой 35%";
inline constexpr const char* kCaptionProperty = "Имущественный налоговый вычет";
inline constexpr const char* kCaptionLosses = "Убытки прошлых лет и инвестиционный вычет";
inline constexpr const char* kCaptionInvestTov = "Инвестиционные товарищества";
inline constexpr const char* kCaptionActivityCode = "ОКВЭД";
inline constexpr const char* kCaptionInvestLine = "Проверка данных участия в инвест. тов.";

// Who asks. The taxpayer's screen always wants an ИНН and words two messages its
// own way; the declaration check wants the ИНН only where the return needs it.
enum class CheckUse { Screen, Declaration };

// The inspection and the representative who signs.
CheckFindings ConditionsFindings(const mTDeclaration& declaration);
// Name, ИНН, identity document, birth place and, for 4-НДФЛ, the territory code.
CheckFindings PersonFindings(const mTDeclaration& declaration, CheckUse use);
// Region and locality; the screen also checks the length of a territory code.
CheckFindings AddressFindings(const mTDeclaration& declaration, CheckUse use);
// The territory code of residence as the declaration check asks for it last;
// `oktmoRequired` when the calculation found tax that needs it.
CheckFindings ResidenceOktmoFindings(const mTDeclaration& declaration, bool oktmoRequired);
// 13 % sources: the first whose income is below the tax withheld, then the first
// without income lines. The screen, where lines are still being entered, asks
// only the first.
CheckFindings ThirteenFindings(const mTDeclaration& declaration, CheckUse use = CheckUse::Declaration);
// Foreign incomes. The declaration check names, for each rule in turn, the first
// income that breaks it; the screen names the first income that breaks any rule,
// with the first rule it breaks.
CheckFindings ForeignFindings(const mTDeclaration& declaration, CheckUse use = CheckUse::Declaration);
// The field of `income` that the first rule it breaks is about, by the name of the
// record field (and of its editor), so that going to a finding lands on it; empty
// when it breaks none of these rules.
std::string ForeignFieldToFix(const mTCurrencyIncome& income);
// The activity at `index` (0-based; its finding names the 1-based row). The screen
// checks the expenses it edits: labour under contracts within labour and a total
// equal to its parts; the declaration check the code, labour, the components of
// other expenses and a total not below its parts.
CheckFindings ActivityFindings(const mTDeclaration& declaration, int index, CheckUse use = CheckUse::Declaration);
// The farm's year, asked for when the taxpayer heads a farm.
CheckFindings FarmFindings(const mTDeclaration& declaration);
// Every activity in turn as the business screen checks it, then the farm's year.
CheckFindings BusinessScreenFindings(const mTDeclaration& declaration);
// A code taken from the activity classifier: at least four characters, the point included.
CheckFindings ActivityCodeFindings(const std::string& code);
// An operation of an investment partnership: its kind must be chosen.
CheckFindings InvestLineFindings(const mTInvestTovIncome& line);
// Social deductions granted without any data (the social screen's own check).
CheckFindings SocialFindings(const mTDeclaration& declaration);
// Social deductions granted without any data, and standard deductions taken at two
// places at once.
CheckFindings DeductionFindings(const mTDeclaration& declaration);
// Deduction amounts the calculation cannot take as they stand: bare additional pension
// contributions and an investment deduction above its limit. The declaration check
// asks them after its own sections.
CheckFindings DeductionAmountFindings(const mTDeclaration& declaration);

// Whether a document was issued before the holder's 14th birthday; a birthday on
// 29 February turns 14 on 28 February. A birth date outside the calendar has no
// such birthday and counts as too late.
bool IssuedBeforeFourteenthBirthday(DateTime birth, DateTime issued);

}  // namespace kvz
