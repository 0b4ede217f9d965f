#include "screens/invest_tov_screen.h"

#include "model/declaration.h"
#include "screens/invest_tov_dialogs.h"

namespace kvz {

namespace {

std::vector<ItemColumn<mTInvestTovIncome>> LineColumns() {
    const QString no = QStringLiteral("Нет"), dash = QStringLiteral("-");
    return {
        {QStringLiteral("Вид дохода"), [](const mTInvestTovIncome& l) { return CodeOrNo(l.OperationKind); }},
        {QStringLiteral("Сумма дохода"), [no](const mTInvestTovIncome& l) { return AmountOr(l.IncomeAmount, no); }},
        {QStringLiteral("Сумма расхода"), [dash](const mTInvestTovIncome& l) { return AmountOr(l.ExpenseShare, dash); }},
        {QStringLiteral("Возн."), [no](const mTInvestTovIncome& l) { return AmountOr(l.ManagerExpenses, no); }},
        {QStringLiteral("Прошл. года"), [dash](const mTInvestTovIncome& l) { return AmountOr(l.PriorLosses, dash); }},
    };
}

}  // namespace

TfrInvestTov::TfrInvestTov(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TSourceLinesFrame(
          declaration, resources, parent,
          {declaration.InvestTov,
           QStringLiteral("Источники выплат"),
           QStringLiteral("Список инвестиционных товариществ"),
           QStringLiteral("Список доходов по выбранному инвестиционному товариществу"),
           LineColumns(),
           [this](mTInvestTov& partnership, QWidget* p) { return EditInvestSource(partnership, Resources(), p); },
           [this](mTInvestTovIncome& line, QWidget* p) { return EditInvestLine(line, Resources(), p); },
           {},
           QStringLiteral("Общая сумма дохода"),
           PaymentSourceButtons(),
           IncomeLineButtons()}) {
    setObjectName(QStringLiteral("TfrInvestTov"));
    Side()->addStretch(1);
    ShowFirstSource();
}

}  // namespace kvz
