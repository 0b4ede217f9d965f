#include "calc/result_summary_text.h"

#include <cstdint>

namespace kvz {

namespace {

std::string Grouped(uint64_t whole) {
    std::string digits = std::to_string(whole);
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ' ';
        out += digits[i];
    }
    return out;
}

void RateText(std::string& out, const ResultRate& r) {
    out += "Налог по ставке " + r.Rate + " %:\n";
    for (const ResultRateRow& row : kResultRateRows) {
        const Money amount = r.*row.Amount;
        if (row.Always || !amount.IsZero()) out += std::string("  ") + row.Label + ": " + RoublesText(amount) + "\n";
    }
}

}  // namespace

std::string GroupedAmount(Money amount) {
    const int64_t raw = amount.Raw();
    // The magnitude as unsigned, so that the smallest value keeps its digits.
    const uint64_t magnitude = raw < 0 ? 0 - static_cast<uint64_t>(raw) : static_cast<uint64_t>(raw);
    const uint64_t scale = static_cast<uint64_t>(Money::kScale);
    std::string text = (raw < 0 ? "-" : "") + Grouped(magnitude / scale);
    const uint64_t fraction = magnitude % scale;
    if (fraction != 0) {
        std::string decimals = std::to_string(fraction + scale).substr(1);  // four digits
        while (decimals.size() > 2 && decimals.back() == '0') decimals.pop_back();
        text += "," + decimals;
    }
    return text;
}

std::string RoublesText(Money amount) { return GroupedAmount(amount) + " руб."; }

std::string ResultHeadline(const ResultSummary& s) {
    switch (s.State) {
        case ResultState::Refund:
            return "К возврату: " + RoublesText(s.ToRefund);
        case ResultState::Pay:
            return "К уплате: " + RoublesText(s.ToPay);
        case ResultState::PayAndRefund:
            return "К уплате: " + RoublesText(s.ToPay) + ", к возврату: " + RoublesText(s.ToRefund);
        case ResultState::Nothing:
            return kResultNothingTitle;
        case ResultState::Expected:
            return std::string(kResultExpectedTitle) + ": " + RoublesText(s.ExpectedIncome);
        case ResultState::Incomplete:
            break;
    }
    return s.Missing;
}

std::string CarriedForwardText(const ResultSummary& s) {
    if (s.CarriedCost.IsZero() && s.CarriedInterest.IsZero()) return {};
    return "стоимость жилья " + RoublesText(s.CarriedCost) + ", проценты " + RoublesText(s.CarriedInterest);
}

std::string ResultSummaryText(const ResultSummary& s) {
    std::string out;
    switch (s.State) {
        case ResultState::Refund:
            out += std::string(kResultRefundTitle) + ": " + RoublesText(s.ToRefund) + "\n";
            break;
        case ResultState::Pay:
            out += std::string(kResultPayTitle) + ": " + RoublesText(s.ToPay) + "\n";
            break;
        case ResultState::PayAndRefund:
            out += std::string(kResultPayTitle) + ": " + RoublesText(s.ToPay) + "\n";
            out += std::string(kResultRefundTitle) + ": " + RoublesText(s.ToRefund) + "\n";
            break;
        case ResultState::Nothing:
            out += std::string(kResultNothingTitle) + "\n";
            break;
        case ResultState::Expected:
            return ResultHeadline(s) + "\n";
        case ResultState::Incomplete:
            return s.Missing + "\n";
    }
    if (!s.Lines.empty()) out += "Раздел 1:\n";
    for (const ResultLine& line : s.Lines) {
        out += "  КБК " + line.Kbk + " (" + line.KbkMeaning + "), ОКТМО " + (line.Oktmo.empty() ? "не указан" : line.Oktmo) +
               ": " + (line.Refund ? "к возврату " : "к уплате ") + RoublesText(line.Amount) + "\n";
    }
    for (const ResultRate& r : s.Rates) RateText(out, r);
    if (!s.Deductions.empty()) {
        out += "Вычеты этого года:\n";
        for (const ResultDeduction& d : s.Deductions)
            out += "  " + d.Kind + " (" + d.Sheet + "): " + RoublesText(d.Amount) + "\n";
        out += "  Учтено по ставке 13 %: " + RoublesText(s.DeductionsApplied) + "\n";
    }
    if (const std::string carried = CarriedForwardText(s); !carried.empty())
        out += std::string(kCarriedForwardTitle) + ": " + carried + "\n";
    return out;
}

}  // namespace kvz
