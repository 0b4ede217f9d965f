#include "import/ndfl2_standard.h"

#include <algorithm>
#include <set>

#include "model/standart_deduct.h"

namespace kvz {

namespace {

// Monthly roubles of each code in 2015; 118 … 125 are the doubled 114 … 117.
int64_t MonthlyOf(int32_t code) {
    switch (code) {
        case 104: return 500;
        case 105: return 3000;
        case 114: case 115: return 1400;
        case 116: case 117: return 3000;
        case 118: case 119: case 122: case 123: return 2800;
        case 120: case 121: case 124: case 125: return 6000;
        default: return 0;
    }
}

// The child's place the code speaks of: 0 first or second, 1 third and later, 2 disabled.
int ChildKind(int32_t code) { return (code - 114) % 4 == 3 ? 2 : (code - 114) % 4 == 2 ? 1 : 0; }

bool IsChildCode(int32_t code) { return code >= 114 && code <= 125; }

}  // namespace

bool IsStandardDeductionCode(int32_t code) { return MonthlyOf(code) != 0; }

std::vector<Ndfl2StandardGiven> StandardDeductionsGiven(const std::vector<Ndfl2Deduction>& given) {
    std::vector<Ndfl2StandardGiven> out;
    for (const Ndfl2Deduction& d : given) {
        const int64_t monthly = MonthlyOf(d.Code);
        if (monthly == 0) continue;
        const int64_t perMonth = Money::FromUnits(monthly).Raw();
        const int64_t raw = d.Amount.Raw() < 0 ? 0 : d.Amount.Raw();
        out.push_back({d.Code, d.Amount, monthly, static_cast<int>(std::min<int64_t>(raw / perMonth, 99)),
                       raw % perMonth == 0});
    }
    return out;
}

std::string StandardGivenText(const Ndfl2StandardGiven& g) {
    std::string text = "код " + std::to_string(g.Code) + ": " + MoneyToText(g.Amount) + " руб. — " +
                       std::to_string(g.Months) + " мес. по " + std::to_string(g.Monthly) + " руб.";
    if (!g.Whole) text += " (сумма не кратна месячной)";
    return text;
}

bool StandardSectionEmpty(const mTStandartDeduct& section) {
    mTStandartDeduct blank;
    blank.Granted = section.Granted;
    return section == blank;
}

std::string SetStandardSection(mTStandartDeduct& section, const std::vector<Ndfl2StandardGiven>& given) {
    std::set<int32_t> codes;
    for (const Ndfl2StandardGiven& g : given) codes.insert(g.Code);
    section.Granted = true;
    std::string note = "раздел стандартных вычетов заполнен по справке:";
    if (codes.count(105)) {
        section.SelfCode = mTStandartDeduct::kSelf105;
        note += " вычет на себя 105;";
    } else if (codes.count(104)) {
        section.SelfCode = mTStandartDeduct::kSelf104;
        note += " вычет на себя 104;";
    }
    int counts[3] = {0, 0, 0};
    bool doubled = false;
    for (int32_t code : codes) {
        if (!IsChildCode(code)) continue;
        ++counts[ChildKind(code)];
        doubled = doubled || code >= 118;
    }
    section.ChildrenConstant = section.ThirdConstant = section.DisabledConstant = true;
    section.ChildrenCount = counts[0];
    section.ThirdCount = counts[1];
    section.DisabledCount = counts[2];
    if (counts[0] + counts[1] + counts[2] > 0) {
        section.ChildStatus = doubled ? mTStandartDeduct::kChildSingleParent : mTStandartDeduct::kChildOrdinary;
        note += " детей (первый, второй): " + std::to_string(counts[0]) +
                ", третьих и последующих: " + std::to_string(counts[1]) +
                ", детей-инвалидов: " + std::to_string(counts[2]) + ", весь год";
        if (doubled) note += ", в двойном размере";
        note += ";";
    }
    note.back() = '.';
    note += " Проверьте число детей и их очередность.";
    return note;
}

}  // namespace kvz
