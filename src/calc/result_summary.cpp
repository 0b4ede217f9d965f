#include "calc/result_summary.h"

#include <array>
#include <memory>

#include "calc/svod_sum.h"
#include "model/declaration.h"

namespace kvz {

namespace {

constexpr const char* kNoTaxpayer =
    "Результат не рассчитан: не указаны фамилия и имя декларанта (раздел «Сведения о декларанте»).";
constexpr const char* kNoIncomeKind =
    "Результат не рассчитан: не отмечен ни один вид доходов (раздел «Задание условий»).";
constexpr const char* kCalculationRefused = "Результат не рассчитан: ошибка в расчетах — ";

ResultSummary Incomplete(std::string sentence) {
    ResultSummary s;
    s.State = ResultState::Incomplete;
    s.Missing = std::move(sentence);
    return s;
}

// What must be there before anything can be computed; "" when it is.
std::string MissingInput(const mTDeclaration& d) {
    // Nobody named yet: a new document. A name half typed is still somebody's.
    if (d.Person.Surname.empty() && d.Person.FirstName.empty()) return kNoTaxpayer;
    if (d.DeclarationKind != kDecl4Ndfl && d.IncomeKinds == 0) return kNoIncomeKind;
    return {};
}

// The rate as a person writes it: "9", not the form's "09".
std::string RateWords(const std::string& rate) { return rate.size() == 2 && rate[0] == '0' ? rate.substr(1) : rate; }

ResultRate RateOf(const kTSvodSumTaxByRate& r) {
    ResultRate out;
    out.Rate = RateWords(r.Rate);
    out.Income = r.IncomeTotal;
    out.NonTaxable = r.NonTaxableIncome;
    out.Deductions = r.Deductions;
    out.Expenses = r.ExpensesReducingIncome;
    out.DividendsCfc = r.DividendCfcIncome;
    out.TaxBase = r.TaxBase;
    out.TaxComputed = r.TaxComputed;
    out.Paid = r.TaxWithheld + r.TaxWithheldMaterialBenefit + r.AdvancePaid + r.FixedAdvanceCredited;
    out.ForeignCredit = r.ForeignTaxCredited;
    out.PatentAndLevy = r.PatentTaxCredited + r.TradeLevyCredited;
    out.TaxDue = r.TaxDue;
    out.RefundDue = r.RefundDue;
    return out;
}

// A rate is shown when it has income, a base or anything paid or owed.
bool HasAnything(const ResultRate& r) {
    for (Money m : {r.Income, r.DividendsCfc, r.TaxBase, r.TaxComputed, r.Paid, r.TaxDue, r.RefundDue})
        if (!m.IsZero()) return true;
    return false;
}

void AddDeduction(ResultSummary& s, const char* kind, const char* sheet, Money amount) {
    if (!amount.IsZero()) s.Deductions.push_back({kind, sheet, amount});
}

// The deductions as the sheets computed them; the 13 % rate then takes them up to
// its taxable income (DeductionsApplied).
void ReadDeductions(ResultSummary& s, const kTSvodSum& sum) {
    AddDeduction(s, "Стандартные", "Лист Е1", sum.PrilE1.StandardTotal);
    AddDeduction(s, "Социальные", "Лист Е1", sum.PrilE2.SocialTotal + sum.PrilE2.SocialByAgent);
    AddDeduction(s, "Инвестиционный", "Лист Е2", sum.PrilE3.InvestmentDeduction);
    AddDeduction(s, "Имущественный: расходы на приобретение жилья", "Лист Д1",
                 sum.PrilZ.NewDeductionThisReturn + sum.PrilZ.NewDeductionByNotice);
    AddDeduction(s, "Имущественный: проценты по кредитам", "Лист Д1",
                 sum.PrilZ.InterestThisReturn + sum.PrilZ.InterestByNotice);
    AddDeduction(s, "Имущественный при продаже имущества", "Лист Д2", sum.PrilH1.DeductionTotal);
    AddDeduction(s, "Профессиональные", "Листы В, Ж",
                 sum.PrilV1.ProfessionalDeduction + sum.PrilG.ExpenseTotal + sum.PrilG_In.ExpenseTotal);
    AddDeduction(s, "Расходы и убытки по ценным бумагам и товариществам", "Листы З, И",
                 sum.PrilJ.ExpensesTotal + sum.PrilI.ExpensesTotal);
}

void ReadLines(ResultSummary& s, const kTSvodSum& sum) {
    for (const bmTList1& line : sum.List6.Lines) {
        const bool refund = line.PayOrRefund == kRefund;
        if (!refund && line.PayOrRefund != kPay) continue;
        s.Lines.push_back({line.Kbk, KbkMeaning(line.Kbk), line.Oktmo, refund, line.Amount});
        (refund ? s.ToRefund : s.ToPay) += line.Amount;
    }
    if (s.ToRefund > Money() && s.ToPay > Money()) {
        s.State = ResultState::PayAndRefund;
    } else if (s.ToRefund > Money()) {
        s.State = ResultState::Refund;
    } else if (s.ToPay > Money()) {
        s.State = ResultState::Pay;
    } else {
        s.State = ResultState::Nothing;
    }
}

ResultSummary FromRecords(const kTSvodSum& sum) {
    ResultSummary s;
    ReadLines(s, sum);
    const std::array<const kTSvodSumTaxByRate*, 5> rates = {&sum.List1, &sum.List2, &sum.List3, &sum.List4,
                                                             &sum.List5};
    for (const kTSvodSumTaxByRate* r : rates) {
        ResultRate rate = RateOf(*r);
        if (HasAnything(rate)) s.Rates.push_back(std::move(rate));
    }
    ReadDeductions(s, sum);
    s.DeductionsApplied = sum.List1.Deductions;
    s.CarriedCost = sum.PrilZ.RemainingNew;
    s.CarriedInterest = sum.PrilZ.RemainingInterest;
    return s;
}

}  // namespace

std::string KbkMeaning(const std::string& kbk) {
    if (kbk == kKbkWithheldRefund) return "НДФЛ с доходов, источником которых является налоговый агент";
    if (kbk == kKbkBusiness) return "НДФЛ с доходов от предпринимательской деятельности и частной практики";
    if (kbk == kKbkOther) return "НДФЛ с доходов, полученных физическими лицами самостоятельно";
    return "код бюджетной классификации";
}

ResultSummary SummarizeResult(const mTDeclaration& declaration) {
    if (std::string missing = MissingInput(declaration); !missing.empty()) return Incomplete(std::move(missing));
    if (declaration.DeclarationKind == kDecl4Ndfl) {
        ResultSummary s;
        s.State = ResultState::Expected;
        s.ExpectedIncome = declaration.ExpectedIncome;
        return s;
    }
    try {
        // The calculation writes into the sources (and caps entered amounts): a copy
        // keeps the document as the user left it.
        const std::unique_ptr<mTDeclaration> copy = declaration.Copy();
        kTSvodSum sum;
        sum.Calculate(*copy);
        return FromRecords(sum);
    } catch (const std::exception& e) {
        return Incomplete(kCalculationRefused + std::string(e.what()));
    } catch (...) {
        return Incomplete(kCalculationRefused + std::string("неизвестная ошибка"));
    }
}

}  // namespace kvz
