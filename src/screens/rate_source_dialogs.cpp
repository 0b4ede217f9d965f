// The dialogs of the sources at 9 %, of dividends and at 35 %: the requisites of
// the source dialog and the amounts of the source, with their checks.
#include <QFormLayout>

#include "checks/income_line_checks.h"
#include "checks/source_check.h"
#include "screens/dialog_parts.h"
#include "screens/field_binder.h"
#include "screens/income_deduction_fields.h"
#include "screens/masked_edit.h"
#include "screens/russian_income_dialogs.h"
#include "screens/source_dialog.h"

namespace kvz {

namespace {

TMaskedEdit* AddAmount(TSourceDialog& dialog, const QString& label, const char* name, Money value) {
    TMaskedEdit* edit = NewAmountEdit(name, value);
    dialog.Form()->addRow(label, edit);
    return edit;
}

// The amounts of a source without income lines, in the order of the dialogs.
struct AmountEdits {
    TMaskedEdit* income;
    TMaskedEdit* taxable;
    TMaskedEdit* computed;
    TMaskedEdit* withheld;

    void Focus(int field) const {
        switch (field) {
            case kIncomeFieldTaxableAmount: taxable->setFocus(); break;
            case kIncomeFieldTaxComputed: computed->setFocus(); break;
            case kIncomeFieldTaxWithheld: withheld->setFocus(); break;
            default: income->setFocus(); break;
        }
    }
};

// The taxable amount of a 9 % source: as typed, or the income when left empty.
Money NineTaxable(const AmountEdits& edits) {
    return edits.taxable->text().trimmed().isEmpty() ? TypedAmount(edits.income) : TypedAmount(edits.taxable);
}

// What tells the dialogs of 9 % and dividend sources apart.
struct ThirtyPercentKind {
    SourceDialogSetup dialog;
    QString labels[4];  // income, taxable amount, computed tax, tax withheld
    int32_t incomeCode;
    Money (*taxable)(const AmountEdits&);
    int (*check)(CheckDialog&, const AmountEdits&);
    void (*prepare)(QDialog&, const AmountEdits&);
};

bool EditThirtyPercent(mTThirtyPercent& source, const ThirtyPercentKind& kind, const ScreenResources& resources,
                       QWidget* parent) {
    TSourceDialog dialog(kind.dialog, source, resources.checkDialog, parent);
    const AmountEdits edits{AddAmount(dialog, kind.labels[0], "IncomeTotal", source.IncomeTotal),
                            AddAmount(dialog, kind.labels[1], "TaxableAmount", source.TaxableAmount),
                            AddAmount(dialog, kind.labels[2], "TaxComputed", source.TaxComputed),
                            AddAmount(dialog, kind.labels[3], "TaxWithheld", source.TaxWithheld)};
    if (kind.prepare) kind.prepare(dialog, edits);
    dialog.SetOwnChecks([&edits, &kind](CheckDialog& checks) {
        const int field = kind.check(checks, edits);
        edits.Focus(field);
        return field == kIncomeAccepted;
    });
    dialog.AddButtons();
    if (!dialog.ExecInto(source)) return false;
    source.IncomeCode = kind.incomeCode;
    source.IncomeTotal = TypedAmount(edits.income);
    source.TaxableAmount = kind.taxable(edits);
    source.TaxComputed = TypedAmount(edits.computed);
    source.TaxWithheld = TypedAmount(edits.withheld);
    return true;
}

// The tax shown is always the tax of the taxable amount that will be stored.
void ComputeNineTax(QDialog& dialog, const AmountEdits& edits) {
    edits.computed->setReadOnly(true);
    edits.computed->setFocusPolicy(Qt::NoFocus);
    const auto showTax = [&edits] { edits.computed->setText(MoneyScreenText(NineTax(NineTaxable(edits)))); };
    QObject::connect(edits.taxable, &TCheckedLineEdit::changed, &dialog, showTax);
    QObject::connect(edits.income, &TCheckedLineEdit::changed, &dialog, showTax);
}

}  // namespace

bool EditNineSource(mTThirtyPercent& source, const ScreenResources& resources, QWidget* parent) {
    const ThirtyPercentKind nine{
        {QStringLiteral("TfmInput9SourseIncome"), QStringLiteral("Доход, облагаемый по ставке 9%"),
         QStringLiteral("Наименование источника выплаты"), kTitleNine, SourceCheckKind::Strict},
        {QStringLiteral("Сумма дохода"), QStringLiteral("Облагаемая сумма дохода"), QStringLiteral("Налог, исчисленный:"),
         QStringLiteral("Удержанный налог")},
        mTThirtyPercent::kNineIncomeCode,
        NineTaxable,
        [](CheckDialog& checks, const AmountEdits& edits) {
            return CheckNineAmounts(checks, TypedAmount(edits.income), NineTaxable(edits), TypedAmount(edits.withheld));
        },
        ComputeNineTax};
    return EditThirtyPercent(source, nine, resources, parent);
}

bool EditDividendSource(mTThirtyPercent& source, const ScreenResources& resources, QWidget* parent) {
    const ThirtyPercentKind dividends{
        {QStringLiteral("TfmInput30SourseIncome"), QStringLiteral("Доход в виде дивидендов"),
         QStringLiteral("Наименование источника выплаты"), kTitleDividends, SourceCheckKind::Strict},
        {QStringLiteral("Сумма дивидендов"), QStringLiteral("Облагаемая сумма дивидендов"),
         QStringLiteral("Налог, исчисленный:"), QStringLiteral("Налог, удержанный")},
        mTThirtyPercent::kDividendIncomeCode,
        [](const AmountEdits& edits) { return TypedAmount(edits.taxable); },
        [](CheckDialog& checks, const AmountEdits& edits) {
            return CheckDividendAmounts(checks, {TypedAmount(edits.income), TypedAmount(edits.taxable),
                                                 TypedAmount(edits.computed), TypedAmount(edits.withheld)});
        },
        nullptr};
    return EditThirtyPercent(source, dividends, resources, parent);
}

bool EditThirtyFiveSource(mTThirtyFivePercent& source, const ScreenResources& resources, QWidget* parent) {
    TSourceDialog dialog({QStringLiteral("TfmInput35SourseIncome"), QStringLiteral("Доход"),
                          QStringLiteral("Наименование источника выплаты"), kTitleThirtyFive,
                          SourceCheckKind::Lenient},
                         source, resources.checkDialog, parent);
    mTSourseIncome shown;
    shown.IncomeCode = source.IncomeCode;
    shown.IncomeAmount = source.IncomeTotal;
    shown.DeductionCode = source.DeductionCode;
    shown.DeductionAmount = source.DeductionAmount;
    IncomeChoiceSetup setup;
    setup.rateRule = false;
    setup.rateFilter = "35";
    setup.incomeAmountName = "IncomeTotal";
    auto* fields = new TIncomeDeductionFields(setup, shown, &dialog);
    fields->AddRow(dialog.Form(), TIncomeDeductionFields::kIncomeCodeRow, QStringLiteral("Код дохода"));
    fields->AddRow(dialog.Form(), TIncomeDeductionFields::kDeductionCodeRow, QStringLiteral("Код вычета"));
    fields->AddRow(dialog.Form(), TIncomeDeductionFields::kIncomeAmountRow, QStringLiteral("Сумма дохода"));
    fields->AddRow(dialog.Form(), TIncomeDeductionFields::kDeductionAmountRow, QStringLiteral("Сумма вычета"));
    TMaskedEdit* withheld = AddAmount(dialog, QStringLiteral("Сумма удержанного налога"), "TaxWithheld", source.TaxWithheld);
    dialog.SetOwnChecks([fields, withheld](CheckDialog& checks) {
        IncomeLineValues values = fields->Values();
        values.TaxWithheld = TypedAmount(withheld);
        const int field = CheckThirtyFiveAmounts(checks, values);
        if (field == kIncomeFieldTaxWithheld)
            withheld->setFocus();
        else
            fields->Focus(field);
        return field == kIncomeAccepted;
    });
    dialog.AddButtons();
    if (!dialog.ExecInto(source)) return false;
    fields->WriteTo(shown);
    source.IncomeCode = shown.IncomeCode;
    source.IncomeTotal = shown.IncomeAmount;
    source.DeductionCode = shown.DeductionCode;
    source.DeductionAmount = shown.DeductionAmount;
    source.TaxWithheld = TypedAmount(withheld);
    return true;
}

}  // namespace kvz
