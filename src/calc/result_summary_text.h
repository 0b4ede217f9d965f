#pragma once
// The result summary in Russian words: the one line a check adds after its verdict,
// and the whole block that `kvarzen-cli calc --summary` prints.
#include <string>

#include "calc/result_summary.h"

namespace kvz {

// The rows of the tax at one rate, in the order the amounts come about, each with
// where the form carries it. A row not `always` shown is left out when zero.
struct ResultRateRow {
    const char* Label;
    Money ResultRate::*Amount;
    const char* Source;  // Раздел 2 attribute(s)
    bool Always;
};

inline constexpr ResultRateRow kResultRateRows[] = {
    {"Доходы", &ResultRate::Income, "ДоходОбщ", true},
    {"Доходы, не подлежащие налогообложению", &ResultRate::NonTaxable, "ДоходОбщНеНал", false},
    {"Налоговые вычеты", &ResultRate::Deductions, "СумНалВыч", true},
    {"Расходы и убытки, уменьшающие доходы", &ResultRate::Expenses, "СумРасхУм", false},
    {"Дивиденды и прибыль иностранных компаний", &ResultRate::DividendsCfc, "СумДохДивКИК", false},
    {"Налоговая база", &ResultRate::TaxBase, "НалБаза", true},
    {"Налог исчислен", &ResultRate::TaxComputed, "Исчисл", true},
    {"Налог удержан и уплачен", &ResultRate::Paid, "УдержОбщ, УдержОбщМВ, УплАвФакт, ОбщАвУплЗач227.1", true},
    {"Зачет налога, уплаченного за рубежом", &ResultRate::ForeignCredit, "УплИнПодлЗач", false},
    {"Зачет патента и торгового сбора", &ResultRate::PatentAndLevy, "УплПатентЗач, ТСУплПерЗач", false},
    {"К уплате", &ResultRate::TaxDue, "ПодлУпл", true},
    {"К возврату", &ResultRate::RefundDue, "ПодлВозв", true},
};

// Whole roubles grouped by threes with a space ("156 000"); kopecks after a comma
// when there are any ("1 234,56"). Negative amounts keep their sign.
std::string GroupedAmount(Money amount);
// The same followed by " руб.".
std::string RoublesText(Money amount);

// "К возврату: 156 000 руб.", "К уплате: 10 000 руб.", both when both, the title of
// a result of nothing, the expected income of 4-НДФЛ, or the sentence that says what
// is missing.
std::string ResultHeadline(const ResultSummary& summary);

// Every part of the summary, one titled part after another, each line ending in "\n".
std::string ResultSummaryText(const ResultSummary& summary);

// The carried-forward line: "стоимость жилья 902 800 руб., проценты 120 000 руб.";
// "" when nothing is carried.
std::string CarriedForwardText(const ResultSummary& summary);

}  // namespace kvz
