#include "checks/amount_sign_checks.h"

#include <set>
#include <string>

#include "model/declaration.h"
#include "model/income_dictionary.h"
#include "storage/money.h"

namespace kvz {

namespace {

constexpr const char* kCaptionPropertyDeductions = "Имущественные вычеты";
constexpr const char* kCaptionSecurities = "Операции с ценными бумагами";
constexpr const char* kCaptionPayments = "Уплаченные налоги";

// The codes the built-in dictionary knows, read once.
struct KnownCodes {
    std::set<std::string> Incomes;
    std::set<std::string> Deductions;
};

const KnownCodes& Known() {
    static const KnownCodes codes = [] {
        KnownCodes k;
        const IncomeDictionary dictionary = IncomeDictionary::LoadEmbedded();
        for (const IncomeEntry& income : dictionary.Incomes()) {
            k.Incomes.insert(income.Code);
            for (const DeductionEntry& deduction : income.Deductions) k.Deductions.insert(deduction.Code);
        }
        return k;
    }();
    return codes;
}

class Findings {
public:
    // A place in the declaration: the caption and target of its messages and the
    // words that say which record is meant ("Источник выплаты 2").
    struct Place {
        int Section;
        const char* Caption;
        int Field;
        std::string Record;
    };

    void Amount(const Place& place, const char* what, Money value) {
        if (value.Raw() >= 0) return;
        Add(place, std::string(what) + " не может быть отрицательной (" + MoneyToText(value, '.') + ")");
    }
    void IncomeCode(const Place& place, int32_t code) {
        if (code != 0 && !Known().Incomes.count(std::to_string(code)))
            Add(place, "Код дохода " + std::to_string(code) + " отсутствует в справочнике");
    }
    void DeductionCode(const Place& place, int32_t code) {
        if (code != 0 && !Known().Deductions.count(std::to_string(code)))
            Add(place, "Код вычета " + std::to_string(code) + " отсутствует в справочнике");
    }
    CheckFindings Take() { return std::move(List_); }

private:
    void Add(const Place& place, const std::string& text) {
        List_.push_back(CheckFinding{place.Section, place.Caption, place.Field,
                                     place.Record.empty() ? text : place.Record + ". " + text});
    }
    CheckFindings List_;
};

using Place = Findings::Place;

std::string SourceWords(int row) { return "Источник выплаты " + std::to_string(row); }
std::string LineWords(int row, int line) { return SourceWords(row) + ", строка " + std::to_string(line); }

void SourceAmounts(Findings& f, const Place& p, const mTSourseIncomeInfo& s) {
    f.Amount(p, "Общая сумма дохода", s.IncomeTotal);
    f.Amount(p, "Удержанная сумма налога", s.TaxWithheld);
}

// A source whose certificate also gives the taxable income and the computed tax.
template <class Source>
void CertificateAmounts(Findings& f, const Place& p, const Source& s) {
    SourceAmounts(f, p, s);
    f.Amount(p, "Облагаемая сумма дохода", s.TaxableAmount);
    f.Amount(p, "Исчисленная сумма налога", s.TaxComputed);
}

void ThirteenList(Findings& f, const mTItemList<mTThirteenPercent>& list, int section) {
    for (int i = 0; i < list.Count(); ++i) {
        const mTThirteenPercent& s = list.Get(i);
        const Place p{section, kCaptionThirteen, i + 1, SourceWords(i + 1)};
        CertificateAmounts(f, p, s);
        for (int m = 0; m < mTThirteenPercent::kMonths; ++m)
            if (s.MonthsPresent & (1u << m)) f.Amount(p, "Сумма дохода за месяц", s.MonthAmounts[m]);
        int n = 0;
        for (const mTSourseIncome& line : s.Lines()) {
            const Place lp{p.Section, p.Caption, p.Field, LineWords(i + 1, ++n)};
            f.Amount(lp, "Сумма дохода", line.IncomeAmount);
            f.Amount(lp, "Сумма вычета", line.DeductionAmount);
            f.IncomeCode(lp, line.IncomeCode);
            f.DeductionCode(lp, line.DeductionCode);
        }
    }
}

void ThirtyList(Findings& f, const mTItemList<mTThirtyPercent>& list, int section, const char* caption) {
    for (int i = 0; i < list.Count(); ++i)
        CertificateAmounts(f, Place{section, caption, i + 1, SourceWords(i + 1)}, list.Get(i));
}

void RussianIncomes(Findings& f, const mTDeclaration& d) {
    ThirteenList(f, d.Thirteen, kCheckSectionThirteen);
    ThirteenList(f, d.ThirteenNR, kCheckSectionThirteenNR);
    ThirtyList(f, d.Nine, kCheckSectionNinePercent, kCaptionNine);
    ThirtyList(f, d.Dividends, kCheckSectionDividends, kCaptionDividends);
    for (int i = 0; i < d.ThirtyFive.Count(); ++i) {
        const mTThirtyFivePercent& s = d.ThirtyFive.Get(i);
        const Place p{kCheckSectionThirtyFive, kCaptionThirtyFive, i + 1, SourceWords(i + 1)};
        SourceAmounts(f, p, s);
        f.Amount(p, "Сумма вычета", s.DeductionAmount);
        f.IncomeCode(p, s.IncomeCode);
        f.DeductionCode(p, s.DeductionCode);
    }
    const Place advance{kCheckSectionThirteen, kCaptionThirteen, 1, ""};
    f.Amount(advance, "Сумма фиксированных авансовых платежей", d.ForeignerAdvancePayments);
}

void ForeignIncomes(Findings& f, const mTDeclaration& d) {
    for (int i = 0; i < d.Foreign.Count(); ++i) {
        const mTCurrencyIncome& s = d.Foreign.Get(i);
        const Place p{kCheckSectionForeign, kCaptionForeign, i + 1, SourceWords(i + 1)};
        f.Amount(p, "Сумма дохода", s.IncomeInCurrency);
        f.Amount(p, "Сумма налога, уплаченного за рубежом,", s.TaxInCurrency);
        f.Amount(p, "Сумма вычета", s.DeductionAmount);
        f.Amount(p, "Курс валюты на дату дохода", s.RateOnIncomeDate);
        f.Amount(p, "Курс валюты на дату уплаты налога", s.RateOnTaxDate);
        f.IncomeCode(p, s.IncomeCode);
        f.DeductionCode(p, s.DeductionCode);
    }
}

void Business(Findings& f, const mTDeclaration& d) {
    for (int i = 0; i < d.Business.Count(); ++i) {
        const mTBusinessNew& b = d.Business.Get(i);
        const Place p{kCheckSectionBusiness, kCaptionBusiness, i + 1, "Вид деятельности " + std::to_string(i + 1)};
        f.Amount(p, "Сумма дохода", b.Income);
        for (Money m : b.ExpenseItems) f.Amount(p, "Сумма расходов", m);
        f.Amount(p, "Сумма расходов", b.UnconfirmedExpenses);
    }
    const Place p{kCheckSectionBusiness, kCaptionBusiness, 1, ""};
    for (Money m : {d.AdvancePaid, d.AdvanceAssessed, d.PatentPayment, d.TradeFee})
        f.Amount(p, "Сумма платежей", m);
    f.Amount(p, "Скорректированная сумма дохода", d.CorrectedIncome);
    f.Amount(p, "Скорректированная сумма расходов", d.CorrectedExpense);
    f.Amount(p, "Сумма доходов крестьянского (фермерского) хозяйства", d.FarmExemptIncome);
}

void InvestPartnerships(Findings& f, const mTDeclaration& d) {
    for (int i = 0; i < d.InvestTov.Count(); ++i) {
        const mTInvestTov& s = d.InvestTov.Get(i);
        const Place p{kCheckSectionInvestTov, kCaptionInvestTov, i + 1, "Товарищество " + std::to_string(i + 1)};
        CertificateAmounts(f, p, s);
        for (const mTInvestTovIncome& line : s.Lines()) {
            f.Amount(p, "Сумма дохода", line.IncomeAmount);
            f.Amount(p, "Сумма расходов", line.ExpenseShare);
            f.Amount(p, "Сумма расходов управляющего", line.ManagerExpenses);
            f.Amount(p, "Сумма убытков прошлых лет", line.PriorLosses);
        }
    }
}

void Deductions(Findings& f, const mTDeclaration& d) {
    const Place social{kCheckSectionDeductions, kCaptionSocial, kCheckFieldSocialDeductions, ""};
    const mTSocialDeduct& s = d.Social;
    for (Money m : {s.Charity, s.OwnEducation, s.Treatment, s.ExpensiveTreatment, s.VoluntaryInsurance,
                    s.ExtraPensionContributions, s.SpareSocialAmount})
        f.Amount(social, "Сумма социального вычета", m);
    for (Money m : s.ChildEducation) f.Amount(social, "Сумма расходов на обучение детей", m);
    for (const mTPens& contract : s.PensionContracts)
        for (Money m : {contract.Contribution, contract.ContributionToDeduct, contract.AgentDeduction})
            f.Amount(social, "Сумма взносов по договору", m);

    const Place standard{kCheckSectionDeductions, kCaptionStandard, kCheckFieldStandardDeductions, ""};
    for (Money m : d.Standard.BusinessIncomeByMonth) f.Amount(standard, "Сумма дохода за месяц", m);
    for (Money m : d.Standard.BusinessExpenseByMonth) f.Amount(standard, "Сумма расходов за месяц", m);

    // Each lands on its own page of the deductions, an object's amounts on the object.
    const Place property{kCheckSectionDeductions, kCaptionPropertyDeductions, kCheckFieldPropertyDeduction, ""};
    const mTConstructionDeduct& c = d.Construction;
    for (Money m : {c.ConstrAmount1, c.ConstrAmount3, c.ConstrAmount5, c.ConstrAmount6, c.ConstrAmount7,
                    c.ConstrAmount8})
        f.Amount(property, "Сумма имущественного вычета", m);
    for (int i = 0; i < c.ObjectCount(); ++i) {
        const Place object{kCheckSectionDeductions, kCaptionPropertyDeductions, PropertyObjectField(i + 1),
                           "Объект " + std::to_string(i + 1)};
        f.Amount(object, "Стоимость объекта", c.Object(i).ObjectCost);
        f.Amount(object, "Сумма процентов по кредиту", c.Object(i).CreditInterest);
    }

    const Place securities{kCheckSectionDeductions, kCaptionSecurities, kCheckFieldLossesAndInvestment, ""};
    for (Money m : d.CB.SecuritiesLoss) f.Amount(securities, "Сумма убытка прошлых лет", m);
    for (Money m : d.CB.FissLoss) f.Amount(securities, "Сумма убытка прошлых лет", m);
    f.Amount(securities, "Сумма инвестиционного вычета", d.InvestmentDeduction);
    f.Amount(securities, "Сумма восстанавливаемого вычета", d.InvestmentDeductionReturn);
}

void Payments(Findings& f, const mTDeclaration& d) {
    for (int i = 0; i < d.Nalog.Count(); ++i)
        f.Amount(Place{kCheckSectionConditions, kCaptionPayments, 1, "Платеж " + std::to_string(i + 1)},
                 "Сумма платежа", d.Nalog.Get(i).PaymentAmount);
}

}  // namespace

CheckFindings AmountSignFindings(const mTDeclaration& d) {
    Findings f;
    f.Amount(Place{kCheckSectionConditions, kCaptionConditions, 1, ""}, "Сумма предполагаемого дохода",
             d.ExpectedIncome);
    RussianIncomes(f, d);
    ForeignIncomes(f, d);
    Business(f, d);
    InvestPartnerships(f, d);
    Deductions(f, d);
    Payments(f, d);
    return f.Take();
}

}  // namespace kvz
