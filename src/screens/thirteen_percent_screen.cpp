#include "screens/thirteen_percent_screen.h"

#include <QGroupBox>
#include <algorithm>
#include <QLineEdit>

#include "checks/section_checks.h"
#include "model/declaration.h"
#include "screens/dialog_parts.h"
#include "screens/russian_income_dialogs.h"

namespace kvz {

namespace {

using Shape = SourceLinesShape<mTThirteenPercent, mTSourseIncome>;

QString AmountOrDash(Money amount) { return AmountOr(amount, QStringLiteral("-")); }

std::vector<ItemColumn<mTSourseIncome>> LineColumns() {
    return {
        {QStringLiteral("Месяц дохода"), [](const mTSourseIncome& l) { return CodeOrNo(l.Month); }},
        {QStringLiteral("Код дохода"), [](const mTSourseIncome& l) { return CodeOrNo(l.IncomeCode); }},
        {QStringLiteral("Сумма дохода"), [](const mTSourseIncome& l) { return AmountOrDash(l.IncomeAmount); }},
        {QStringLiteral("Код вычета"), [](const mTSourseIncome& l) { return CodeOrNo(l.DeductionCode); }},
        {QStringLiteral("Сумма вычета"), [](const mTSourseIncome& l) { return AmountOrDash(l.DeductionAmount); }},
    };
}

// A line as the question before deleting it names it: "май, 2000, 50 000,00",
// leaving out what it does not have.
QString LineName(const mTSourseIncome& l) {
    QStringList parts;
    if (!MonthName(l.Month).isEmpty()) parts << MonthName(l.Month).toLower();
    if (l.IncomeCode != 0) parts << QString::number(l.IncomeCode);
    if (!l.IncomeAmount.IsZero()) parts << AmountOr(l.IncomeAmount, QString());
    return parts.join(QStringLiteral(", "));
}

// Deleting a source loses data only when it has lines or amounts of its own.
bool SourceHoldsData(const mTThirteenPercent& s) {
    return s.LineCount() > 0 || !s.TaxWithheld.IsZero() || !s.TaxableAmount.IsZero() || !s.TaxComputed.IsZero();
}

// The same income in the next month; December stays December.
mTSourseIncome NextMonth(const mTSourseIncome& line) {
    mTSourseIncome next = line;
    next.Month = static_cast<uint16_t>(std::min(line.Month + 1, 12));
    return next;
}

// The dialogs reach the window's resources through the screen, which outlives them.
Shape ThirteenShape(mTItemList<mTThirteenPercent>& sources, bool resident, const TThinkingFrame* screen,
                    ItemDialog<mTSourseIncome> lineDialog) {
    return Shape{
        sources,
        QStringLiteral("Источники выплат"),
        QStringLiteral("Список источников выплат"),
        QStringLiteral("Список доходов по выбранному источнику выплат (п. 3.1 справки о доходах)"),
        LineColumns(),
        [resident, screen](mTThirteenPercent& source, QWidget* parent) {
            return EditThirteenSource(source, resident, screen->Resources(), parent);
        },
        std::move(lineDialog),
        SourceHoldsData,
        QStringLiteral("Общая сумма дохода"),
        PaymentSourceButtons(),
        IncomeLineButtons(),
        NextMonth,
        LineName,
    };
}

bool Resident(const mTDeclaration& d) { return d.DeclarationKind == kDecl3Ndfl; }

}  // namespace

TfrThirteenPercent::TfrThirteenPercent(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TThirteenFrame(declaration, resources, parent,
                     ThirteenShape(declaration.Thirteen, Resident(declaration), this,
                                   [this, resident = Resident(declaration)](mTSourseIncome& line, QWidget* p) {
                                       return EditThirteenLine(line, resident, Resources(), p);
                                   })) {
    setObjectName(QStringLiteral("TfrThirteenPercent"));
    mTDeclaration& d = Declaration();
    TFormBuilder form(*this);
    if (Resident(d)) {
        Side()->addWidget(form.Group(QStringLiteral("Авансовые платежи иностранца")));
        form.Amount(QStringLiteral("Сумма фиксированных платежей"), "ForeignerAdvancePayments",
                    d.ForeignerAdvancePayments)
            ->setToolTip(QStringLiteral("Указывается иностранцами, работающими у физ.лиц на основании патента"));
    }
    gbFarm_ = form.Group(QStringLiteral("Работа у сельскохозяйственных товаропроизводителей"));
    gbFarm_->setObjectName(QStringLiteral("gbFarm"));
    Side()->addWidget(gbFarm_);
    auto* months = new TMaskedEdit(edtDigital, 2);
    Binder().BindInteger(months, "MonthsWorked", d.MonthsWorked);
    KeepMonthNumber(months);
    form.Row(QStringLiteral("Количество фактически отработанных полных месяцев"), months);
    Side()->addStretch(1);
    AddRule([this] { gbFarm_->setVisible(HasFarmPayInKind(Declaration().Thirteen)); });
    ShowFirstSource();
}

void TfrThirteenPercent::LinesChanged() {
    if (Shown().Chosen()) Shown().Get().MarkMonthsOfLines();
    ApplyRules();
}

CheckFindings TfrThirteenPercent::Findings() const { return ThirteenFindings(Declaration(), CheckUse::Screen); }

TTfrThirteenPercentNR::TTfrThirteenPercentNR(mTDeclaration& declaration, const ScreenResources& resources,
                                             QWidget* parent)
    : TThirteenFrame(declaration, resources, parent,
                     ThirteenShape(declaration.ThirteenNR, false, this,
                                   [this](mTSourseIncome& line, QWidget* p) {
                                       return EditThirteenNRLine(line, Resources(), p);
                                   })) {
    setObjectName(QStringLiteral("TTfrThirteenPercentNR"));
    Side()->addStretch(1);
    ShowFirstSource();
}

}  // namespace kvz
