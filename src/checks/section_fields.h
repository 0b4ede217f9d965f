#pragma once
// Where a finding is put right: the section numbers that the whole-declaration
// check reports, and the numbers of the fields on each section's screen. The checks
// return these numbers, the screens focus by them and the main window goes to
// them after a check. Sections with lists (incomes, activities) use the 1-based row.
#include <cstdint>

namespace kvz {

enum CheckSectionNumber : uint16_t {
    kCheckSectionNone = 0,          // the calculation failed before any section
    kCheckSectionConditions = 1,    // "Задание Условий"
    kCheckSectionPerson = 2,        // taxpayer, name and document page
    kCheckSectionAddress = 3,       // taxpayer, address page
    kCheckSectionThirteen = 4,      // Russian income, 13 % sources (a non-resident's too)
    kCheckSectionDividends = 5,     // Russian income, dividends
    kCheckSectionThirtyFive = 6,    // Russian income, 35 % sources
    kCheckSectionForeign = 7,       // foreign-currency income
    kCheckSectionBusiness = 8,      // business activities
    kCheckSectionDeductions = 9,    // deductions
    kCheckSectionDeductionsEnd = 10,
    kCheckSectionInvestTov = 12,    // investment partnerships (no check of its own)
    kCheckSectionThirteenNR = 13,   // Russian income, non-resident highly qualified specialists
    kCheckSectionNinePercent = 14,  // Russian income, 9 % sources
};

// The conditions screen.
enum ConditionsField : int {
    kCheckFieldInspection = 1, kCheckFieldExpectedIncome = 2, kCheckFieldRepresentativeName = 3,
    kCheckFieldRepresentativeDocument = 4, kCheckFieldRepresentativeOrganization = 5, kCheckFieldCorrectionNumber = 6
};

// The taxpayer's name-and-document page.
enum PersonField : int {
    kCheckFieldSurname = 1, kCheckFieldFirstName = 2, kCheckFieldPatronymic = 3, kCheckFieldPersonInn = 4,
    kCheckFieldDocType = 5, kCheckFieldDocSeriesNumber = 6, kCheckFieldDocIssueDate = 7, kCheckFieldDocIssuedBy = 8,
    kCheckFieldBirthPlace = 9, kCheckFieldPersonOktmo = 10, kCheckFieldBirthDate = 11, kCheckFieldCitizenshipCode = 13
};

// The taxpayer's address page; the phone has the same number on the name page of 4-НДФЛ.
enum AddressField : int {
    kCheckFieldPostIndex = 1, kCheckFieldRegion = 2, kCheckFieldDistrict = 3, kCheckFieldAddressOktmo = 4,
    kCheckFieldLocality = 5, kCheckFieldCity = 6, kCheckFieldStreet = 7, kCheckFieldHouse = 8, kCheckFieldBuilding = 9,
    kCheckFieldFlat = 10, kCheckFieldForeignAddress = 11, kCheckFieldPhone = 12
};

// The business screen: activities by their 1-based row; the farm's year beyond any row.
enum BusinessField : int {
    kBusinessFieldFarmYear = 32000,
};

// The line dialog of an investment partnership.
enum InvestLineField : int {
    kCheckFieldOperationKind = 1,
};

// The deductions screen.
enum DeductionsField : int {
    kCheckFieldSocialDeductions = 1, kCheckFieldStandardDeductions = 2, kCheckFieldPropertyDeduction = 3,
    kCheckFieldLossesAndInvestment = 4
};

// A finding about one property object carries the object's 1-based row beside the
// page in its field number, so that the check's jump reaches the object: the page
// is the field modulo the step, the row the quotient (0: no object).
inline constexpr int kDeductionRowStep = 8;
constexpr int PropertyObjectField(int row) { return kCheckFieldPropertyDeduction + kDeductionRowStep * row; }
// The social page's fields are numbered the same way, so that one number serves the
// check's jump and the page's own focus; the page itself stands for its first field.
inline constexpr int kSocialFieldExtraPension = kCheckFieldSocialDeductions + kDeductionRowStep * 1;
constexpr int DeductionPageOf(int field) { return field % kDeductionRowStep; }
constexpr int DeductionRowOf(int field) { return field / kDeductionRowStep; }

}  // namespace kvz
