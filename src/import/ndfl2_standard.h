#pragma once
// The standard deductions an agent gave (codes 104, 105, 114 … 125): the months each
// amount implies, and the taxpayer's standard-deduction section filled from them
// when it is still empty. The certificate states amounts only, so the months are the
// amount over the monthly sum of the code, and the number of children is the number
// of child codes, taken as constant over the year.
#include <cstdint>
#include <string>
#include <vector>

#include "import/ndfl2_certificate.h"

namespace kvz {

class mTStandartDeduct;

struct Ndfl2StandardGiven {
    int32_t Code = 0;
    Money Amount;
    int64_t Monthly = 0;  // roubles a month for this code
    int Months = 0;       // whole months the amount covers
    bool Whole = true;    // the amount is a whole number of months
    bool operator==(const Ndfl2StandardGiven&) const = default;
};

bool IsStandardDeductionCode(int32_t code);
std::vector<Ndfl2StandardGiven> StandardDeductionsGiven(const std::vector<Ndfl2Deduction>& given);
// "код 114: 11200.00 руб. — 8 мес. по 1400 руб."
std::string StandardGivenText(const Ndfl2StandardGiven& given);

// Nothing entered beyond the defaults (whether granted or not).
bool StandardSectionEmpty(const mTStandartDeduct& section);
// Fills the section from the codes; returns what was set, in words.
std::string SetStandardSection(mTStandartDeduct& section, const std::vector<Ndfl2StandardGiven>& given);

}  // namespace kvz
