#include "screens/rate_source_screens.h"

#include "model/declaration.h"
#include "screens/russian_income_dialogs.h"

namespace kvz {

namespace {

QString Amount(Money m) { return AmountOr(m, QStringLiteral("0")); }

template <class Source>
bool AmountsEntered(const Source& s) {
    return !s.IncomeTotal.IsZero() || !s.TaxWithheld.IsZero();
}

bool ThirtyHoldsData(const mTThirtyPercent& s) {
    return AmountsEntered(s) || !s.TaxableAmount.IsZero() || !s.TaxComputed.IsZero();
}

bool ThirtyFiveHoldsData(const mTThirtyFivePercent& s) { return AmountsEntered(s) || !s.DeductionAmount.IsZero(); }

// A row of the panel showing an amount of the source; `name` is the field's name.
template <class Source, class Owner>
typename SourcePanelShape<Source>::Row AmountRow(const QString& label, const char* name, Money Owner::*field) {
    return {label, QString::fromLatin1(name), [field](const Source& s) { return Amount(s.*field); }};
}

// The panel of the 9 % and dividend sources; `income` names the income amount.
std::vector<SourcePanelShape<mTThirtyPercent>::Row> ThirtyPanel(const QString& income) {
    using S = mTThirtyPercent;
    return {
        AmountRow<S>(income, "IncomeTotal", &S::IncomeTotal),
        AmountRow<S>(QStringLiteral("Налог, принятый к зачету"), "TaxableAmount", &S::TaxableAmount),
        AmountRow<S>(QStringLiteral("Исчисленный налог"), "TaxComputed", &S::TaxComputed),
        AmountRow<S>(QStringLiteral("Удержанный налог"), "TaxWithheld", &S::TaxWithheld),
    };
}

}  // namespace

TfrNinePercent::TfrNinePercent(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TSourcePanelFrame(declaration, resources, parent,
                        {declaration.Nine,
                         [this](mTThirtyPercent& s, QWidget* p) { return EditNineSource(s, Resources(), p); },
                         ThirtyHoldsData, ThirtyPanel(QStringLiteral("Сумма дохода"))}) {
    setObjectName(QStringLiteral("TfrNinePercent"));
}

TfrThirtyPercent::TfrThirtyPercent(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TSourcePanelFrame(declaration, resources, parent,
                        {declaration.Dividends,
                         [this](mTThirtyPercent& s, QWidget* p) { return EditDividendSource(s, Resources(), p); },
                         ThirtyHoldsData, ThirtyPanel(QStringLiteral("Сумма дивидендов"))}) {
    setObjectName(QStringLiteral("TfrThirtyPercent"));
}

TfrThirtyFivePercent::TfrThirtyFivePercent(mTDeclaration& declaration, const ScreenResources& resources,
                                           QWidget* parent)
    : TSourcePanelFrame(
          declaration, resources, parent,
          {declaration.ThirtyFive,
           [this](mTThirtyFivePercent& s, QWidget* p) { return EditThirtyFiveSource(s, Resources(), p); },
           ThirtyFiveHoldsData,
           {
               {QStringLiteral("Код дохода"), QStringLiteral("IncomeCode"),
                [](const mTThirtyFivePercent& s) { return CodeOrNo(s.IncomeCode); }},
               {QStringLiteral("Код вычета"), QStringLiteral("DeductionCode"),
                [](const mTThirtyFivePercent& s) { return CodeOrNo(s.DeductionCode); }},
               AmountRow<mTThirtyFivePercent>(QStringLiteral("Сумма дохода"), "IncomeTotal",
                                              &mTThirtyFivePercent::IncomeTotal),
               AmountRow<mTThirtyFivePercent>(QStringLiteral("Сумма вычета"), "DeductionAmount",
                                              &mTThirtyFivePercent::DeductionAmount),
               AmountRow<mTThirtyFivePercent>(QStringLiteral("Сумма удержанного налога"), "TaxWithheld",
                                              &mTThirtyFivePercent::TaxWithheld),
           }}) {
    setObjectName(QStringLiteral("TfrThirtyFivePercent"));
}

}  // namespace kvz
