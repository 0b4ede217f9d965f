#include "checks/income_screen_checks.h"

#include <algorithm>
#include <array>

#include "checks/check_text.h"
#include "model/declaration.h"

namespace kvz {

namespace {

// Foreign incomes whose deduction may legitimately be zero.
constexpr std::array<int32_t, 12> kZeroDeductionIncomeCodes = {1530, 1531, 1532, 1533, 1535, 1536,
                                                               1537, 1538, 1539, 1541, 9537, 9538};

struct ForeignRule {
    const char* message;
    bool (*fails)(const mTCurrencyIncome&);
};

const ForeignRule kForeignRules[] = {
    {"По данному источнику выплаты не указан код валюты", [](const mTCurrencyIncome& f) { return IsBlank(f.CurrencyCode); }},
    {"По данному источнику выплаты не указан курс валюты",
     [](const mTCurrencyIncome& f) { return f.UnitsOnIncomeDate == 0 || f.RateOnIncomeDate.IsZero(); }},
    {"По данному источнику выплаты не указан код дохода", [](const mTCurrencyIncome& f) { return f.IncomeCode == 0; }},
    {"По данному источнику выплаты не указана сумма дохода",
     [](const mTCurrencyIncome& f) { return f.IncomeInCurrency.IsZero(); }},
    {"По данному источнику выплаты не указана сумма вычета",
     [](const mTCurrencyIncome& f) {
         return f.DeductionCode != 0 && f.DeductionAmount.IsZero() &&
                std::find(kZeroDeductionIncomeCodes.begin(), kZeroDeductionIncomeCodes.end(), f.IncomeCode) ==
                    kZeroDeductionIncomeCodes.end();
     }},
};

// Amounts inside messages: shortest decimal text with the screens' comma.
std::string ScreenAmount(Money m) {
    std::string s = PlainForm(m);
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

CheckFinding Finding(int section, const char* caption, int field, std::string message) {
    return CheckFinding{section, caption, field, std::move(message)};
}

void AddActivityFindings(const mTDeclaration& d, int index, CheckFindings& out) {
    const mTBusinessNew& b = d.Business.Get(index);
    const int row = index + 1;
    auto add = [&](std::string message) {
        out.push_back(Finding(kCheckSectionBusiness, kCaptionBusiness, row, std::move(message)));
    };
    if (b.ExpensesConfirmed != d.Business.Get(0).ExpensesConfirmed)
        add("Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%.");
    if (!b.ExpensesConfirmed) return;
    const auto& e = b.ExpenseItems;
    if (e[kExpenseLabour] < e[kExpenseLabourContracts])
        add("Расходы по оплате трудовых договоров(" + ScreenAmount(e[kExpenseLabourContracts]) +
            ") превышают сумму расходов на оплату труда (" + ScreenAmount(e[kExpenseLabour]) + ")");
    const Money parts = e[kExpenseMaterial] + e[kExpenseDepreciation] + e[kExpenseLabour] + e[kExpenseOther];
    if (parts != e[kExpenseTotal])
        add("Общие расходы (" + ScreenAmount(e[kExpenseTotal]) +
            ") не совпадают с суммой расходов материальных, на оплату труда, прочих и амортизационных отчислений (" +
            ScreenAmount(parts) + ")");
}

}  // namespace

CheckFindings ForeignScreenFindings(const mTDeclaration& d) {
    for (int i = 0; i < d.Foreign.Count(); ++i)
        for (const ForeignRule& rule : kForeignRules)
            if (rule.fails(d.Foreign.Get(i))) return {Finding(kCheckSectionForeign, kCaptionForeign, i + 1, rule.message)};
    return {};
}

CheckFindings BusinessScreenFindings(const mTDeclaration& d) {
    CheckFindings out;
    for (int i = 0; i < d.Business.Count(); ++i) AddActivityFindings(d, i, out);
    return out;
}

CheckFindings ActivityCodeFindings(const std::string& code) {
    if (TrimmedLength(code) >= 4) return {};
    return {Finding(kCheckSectionBusiness, kCaptionActivityCode, 0,
                    "Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку")};
}

CheckFindings InvestLineFindings(const mTInvestTovIncome& line) {
    if (line.OperationKind >= 1 && line.OperationKind <= kInvestOperationKinds) return {};
    return {Finding(kCheckSectionInvestTov, kCaptionInvestLine, kCheckFieldOperationKind, "Не выбран вид операций")};
}

}  // namespace kvz
