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

// The panel of the 9 % and dividend sources; `income` names the income amount.
std::vector<SourcePanelShape<mTThirtyPercent>::Row> ThirtyPanel(const QString& income) {
    return {
        {income, QStringLiteral("IncomeTotal"), [](const mTThirtyPercent& s) { return Amount(s.IncomeTotal); }},
        {QStringLiteral("Налог, принятый к зачету"), QStringLiteral("TaxableAmount"),
         [](const mTThirtyPercent& s) { return Amount(s.TaxableAmount); }},
        {QStringLiteral("Исчисленный налог"), QStringLiteral("TaxComputed"),
         [](const mTThirtyPercent& s) { return Amount(s.TaxComputed); }},
        {QStringLiteral("Удержанный налог"), QStringLiteral("TaxWithheld"),
         [](const mTThirtyPercent& s) { return Amount(s.TaxWithheld); }},
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
               {QStringLiteral("Сумма дохода"), QStringLiteral("IncomeTotal"),
                [](const mTThirtyFivePercent& s) { return Amount(s.IncomeTotal); }},
               {QStringLiteral("Сумма вычета"), QStringLiteral("DeductionAmount"),
                [](const mTThirtyFivePercent& s) { return Amount(s.DeductionAmount); }},
               {QStringLiteral("Сумма удержанного налога"), QStringLiteral("TaxWithheld"),
                [](const mTThirtyFivePercent& s) { return Amount(s.TaxWithheld); }},
           }}) {
    setObjectName(QStringLiteral("TfrThirtyFivePercent"));
}

}  // namespace kvz
