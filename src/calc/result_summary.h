#pragma once
// What the declaration comes to, for a person rather than for the form: the total to
// refund or to pay, the payment and refund lines as the export writes them, the tax
// by rate, the deductions used by kind and what is carried to the next year. The
// figures are read from the calculation's own records, run on a copy of the
// declaration, so that showing them never changes the document.
#include <string>
#include <vector>

#include "storage/money.h"

namespace kvz {

class mTDeclaration;

// What the summary can say.
enum class ResultState {
    Refund,        // only refund lines
    Pay,           // only payment lines
    PayAndRefund,  // both: they go to different budget codes and are not netted
    Nothing,       // the one line with neither
    Expected,      // 4-НДФЛ: the expected income, no result
    Incomplete,    // not computable; Missing says why
};

inline constexpr const char* kResultRefundTitle = "К возврату из бюджета";
inline constexpr const char* kResultPayTitle = "К уплате в бюджет";
inline constexpr const char* kResultNothingTitle = "Налог к уплате и возврату отсутствует";
inline constexpr const char* kResultExpectedTitle = "Предполагаемый доход на следующий год";
inline constexpr const char* kCarriedForwardTitle = "Остаток имущественного вычета, переходящий на следующий год";

// One payment or refund line of Раздел 1, as exported.
struct ResultLine {
    std::string Kbk;
    std::string KbkMeaning;  // the code's meaning in words
    std::string Oktmo;
    bool Refund = false;     // else payment (a "neither" line is not listed)
    Money Amount;
};

// The tax at one rate that has anything to show (Раздел 2).
struct ResultRate {
    std::string Rate;  // "13", "30", "35", "9", "15"
    Money Income;                // ДоходОбщ
    Money NonTaxable;            // ДоходОбщНеНал
    Money Deductions;            // СумНалВыч
    Money Expenses;              // СумРасхУм
    Money DividendsCfc;          // СумДохДивКИК
    Money TaxBase;               // НалБаза
    Money TaxComputed;           // Исчисл
    Money Paid;                  // УдержОбщ + УдержОбщМВ + УплАвФакт + ОбщАвУплЗач227.1
    Money ForeignCredit;         // УплИнПодлЗач
    Money PatentAndLevy;         // УплПатентЗач + ТСУплПерЗач
    Money TaxDue;                // ПодлУпл
    Money RefundDue;             // ПодлВозв
};

// A deduction used this year, by kind.
struct ResultDeduction {
    std::string Kind;
    std::string Sheet;  // where the form carries it
    Money Amount;
};

struct ResultSummary {
    ResultState State = ResultState::Incomplete;
    std::string Missing;  // Incomplete: one sentence saying what is missing
    Money ToRefund;       // the sum of the refund lines
    Money ToPay;          // the sum of the payment lines
    std::vector<ResultLine> Lines;
    std::vector<ResultRate> Rates;
    std::vector<ResultDeduction> Deductions;
    Money DeductionsApplied;  // at 13 %, after the cap at the income
    Money CarriedCost;        // property deduction left for next year: cost
    Money CarriedInterest;    // and mortgage interest
    Money ExpectedIncome;     // 4-НДФЛ
};

// The summary of the declaration, computed on a copy of it. Never throws: a
// calculation that fails gives an Incomplete summary that says so.
ResultSummary SummarizeResult(const mTDeclaration& declaration);

// The meaning of a budget code of Раздел 1 in words.
std::string KbkMeaning(const std::string& kbk);

}  // namespace kvz
