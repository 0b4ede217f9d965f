#pragma once
// The completeness check of the whole declaration, run before it is exported or
// printed and on the user's request. It walks the sections in a fixed order, shows
// what it finds in the check-all dialog and reports where the user wants to correct.
//
// Result: the section number in the low 16 bits and the field in the high 16 bits.
// The field is 0 when nothing was found, 0xFFFF when the user declined to correct
// (or the declaration could not be calculated), else the field or 1-based row to
// focus on the section's screen.
#include <cstdint>
#include <string>
#include <vector>

#include "checks/check_dialog.h"

namespace kvz {

class mTDeclaration;

// Section numbers of the result (the screen that the main window opens).
enum CheckSectionNumber : uint16_t {
    kCheckSectionNone = 0,         // the calculation failed before any section
    kCheckSectionConditions = 1,   // "Задание Условий"
    kCheckSectionPerson = 2,       // taxpayer, name and document page
    kCheckSectionAddress = 3,      // taxpayer, address page
    kCheckSectionThirteen = 4,     // Russian income, 13 % sources
    kCheckSectionNine = 5,         // Russian income, 9 % sources and dividends
    kCheckSectionThirtyFive = 6,   // Russian income, 35 % sources
    kCheckSectionForeign = 7,      // foreign-currency income
    kCheckSectionBusiness = 8,     // business activities
    kCheckSectionDeductions = 9,   // deductions
    kCheckSectionDeductionsEnd = 10,
    kCheckSectionInvestTov = 12,   // investment partnerships (no check of its own)
};

// Field numbers of the result. Sections 4, 7 and 8 give the 1-based row instead.
enum CheckFieldNumber : int {
    kCheckFieldInspection = 1,
    kCheckFieldExpectedIncome = 2,
    kCheckFieldRepresentativeName = 3,
    kCheckFieldRepresentativeDocument = 4,
    kCheckFieldRepresentativeOrganization = 5,
    kCheckFieldCorrectionNumber = 6,

    kCheckFieldSurname = 1,
    kCheckFieldFirstName = 2,
    kCheckFieldPatronymic = 3,
    kCheckFieldPersonInn = 4,
    kCheckFieldDocType = 5,
    kCheckFieldDocSeriesNumber = 6,
    kCheckFieldDocIssueDate = 7,
    kCheckFieldDocIssuedBy = 8,
    kCheckFieldBirthPlace = 9,
    kCheckFieldPersonOktmo = 10,
    kCheckFieldBirthDate = 11,
    kCheckFieldPhone = 12,
    kCheckFieldCitizenshipCode = 13,

    kCheckFieldPostIndex = 1,
    kCheckFieldDistrict = 3,
    kCheckFieldCity = 6,
    kCheckFieldStreet = 7,
    kCheckFieldHouse = 8,
    kCheckFieldBuilding = 9,
    kCheckFieldFlat = 10,
    kCheckFieldForeignAddress = 11,

    kCheckFieldRegion = 2,
    kCheckFieldAddressOktmo = 4,
    kCheckFieldLocality = 5,

    kCheckFieldSocialDeductions = 1,
    kCheckFieldStandardDeductions = 2,
    kCheckFieldPropertyDeduction = 3,
    kCheckFieldLossesAndInvestment = 4,
};

// Section captions of the check-all dialog.
inline constexpr const char* kCaptionConditions = "Задание условий";
inline constexpr const char* kCaptionPerson = "Сведения о декларанте";
inline constexpr const char* kCaptionThirteen = "Доходы, облагаемые ставкой 13%";
inline constexpr const char* kCaptionForeign = "Доходы в валюте";
inline constexpr const char* kCaptionBusiness = "Доходы от предпринимательской деятельности";
inline constexpr const char* kCaptionSocial = "Социальные вычеты";
inline constexpr const char* kCaptionStandard = "Стандартные вычеты";
inline constexpr const char* kCaptionCalculation = "Расчет декларации";
inline constexpr const char* kCaptionNine = "Доходы, облагаемые ставкой 9%";
inline constexpr const char* kCaptionThirtyFive = "Доходы, облагаемые ставкой 35%";
inline constexpr const char* kCaptionProperty = "Имущественный налоговый вычет";
inline constexpr const char* kCaptionLosses = "Убытки прошлых лет и инвестиционный вычет";
inline constexpr const char* kCaptionInvestTov = "Инвестиционные товарищества";

// Runs a fresh calculation of the declaration (which writes the values the
// calculation owns into its sources), then the checks, each message in the dialog.
uint32_t CheckDeclaration(mTDeclaration& declaration, CheckAllDialog& dialog);

// One message of the check, for the export and the command-line tool.
struct CheckFinding {
    int section;
    std::string sectionTitle;
    int field;  // 0 for a failed calculation, which has no field to correct
    std::string message;
    bool operator==(const CheckFinding&) const = default;
};
using CheckFindings = std::vector<CheckFinding>;

// The check with every message answered "Отмена": every message the check reaches.
// Empty when the declaration passes.
CheckFindings CheckDeclarationForExport(mTDeclaration& declaration);

}  // namespace kvz
