#include "screens/currency_screen.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "checks/section_checks.h"
#include "directory/inspection_picker.h"
#include "model/declaration.h"
#include "screens/currency_income_codes.h"
#include "screens/currency_source_dialog.h"
#include "screens/dialog_parts.h"
#include "screens/form_builder.h"
#include "screens/item_list_editor.h"
#include "screens/masked_edit.h"
#include "screens/pick_button.h"
#include "screens/pick_list_dialog.h"
#include "screens/pick_lists.h"
#include "screens/screen_widgets.h"

namespace kvz {

namespace {

constexpr int kIncomeRow = 0;  // the rates of the income date and the income
constexpr int kTaxRow = 1;     // the rates of the tax payment date and the tax paid

constexpr const char* kRoublesTooLarge = "Сумма в рублях слишком велика.";

}  // namespace

TfrCurrency::TfrCurrency(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TThinkingFrame(declaration, resources, parent),
      Shown_(declaration.Foreign) {
    auto sources = std::make_unique<ItemList<mTCurrencyIncome>>(
        Shown_.Ops(), std::vector<ItemColumn<mTCurrencyIncome>>{{QStringLiteral("Источники выплат"), [](const auto& f) {
                                                                     return QString::fromStdString(f.SourceName);
                                                                 }}},
        [this](mTCurrencyIncome& item, QWidget* parent) { return EditCurrencySource(item, Resources(), parent); });
    lvSources_ = new TItemListEditor(QStringLiteral("lvSources"), std::move(sources), Resources().askYesNo,
                                     PaymentSourceButtons(ItemButtonPlace::ColumnBelow));
    lvSources_->setToolTip(QStringLiteral("Список источников выплат"));
    connect(lvSources_, &TItemListEditor::changed, this, &TThinkingFrame::documentModified);
    connect(lvSources_, &TItemListEditor::currentRowChanged, this, &TfrCurrency::ShowSource);

    pnlIncome_ = new QWidget;
    auto* column = new QVBoxLayout(pnlIncome_);
    TFormBuilder form(*this);
    BuildIncome(form, column);
    column->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lvSources_, 1);
    layout->addWidget(pnlIncome_, 2);
    ShowSource(lvSources_->CurrentRow());
}

void TfrCurrency::BuildIncome(TFormBuilder& form, QVBoxLayout* column) {
    column->addLayout(form.Grid());
    const auto date = [this](DateTime mTCurrencyIncome::*member) { return Shown_.Field(member); };
    dteDate_[kIncomeRow] =
        form.Date(QStringLiteral("Дата получения дохода"), "IncomeDate", date(&mTCurrencyIncome::IncomeDate));
    dteDate_[kTaxRow] =
        form.Date(QStringLiteral("Дата уплаты налога"), "TaxPaymentDate", date(&mTCurrencyIncome::TaxPaymentDate));
    for (QDateEdit* edit : dteDate_) connect(edit, &QDateTimeEdit::dateChanged, this, &TfrCurrency::TakeAutomaticRates);

    const CurrencyRateTable* rates = Resources().currencyRates;
    auto* fbCurrency = new TPickButton(
        QStringLiteral("fbCurrency"), QStringLiteral("Справочник валют"),
        rates ? TPickButton::DialogFactory([rates](QWidget* parent) {
            return std::make_unique<TPickListDialog>(
                PickListCaptions{QStringLiteral("Справочник валют"), QStringLiteral("Код"),
                                 QStringLiteral("Наименование валюты")},
                std::make_unique<InspectionPicker>(CurrencyList(*rates)), parent);
        })
              : nullptr,
        [this] { return meCurrencyCode_->text().toStdString(); },
        [this](const std::string& code, const std::string&) { meCurrencyCode_->setText(QString::fromStdString(code)); });
    meCurrencyName_ = new TMaskedEdit(edtNone, 60);
    Binder().BindText(meCurrencyName_, "CurrencyName", Shown_.Field(&mTCurrencyIncome::CurrencyName));
    meCurrencyCode_ = form.Text(QStringLiteral("Код и наименование валюты"), "CurrencyCode",
                                Shown_.Field(&mTCurrencyIncome::CurrencyCode), {edtDigital, 3})
                          .Beside(fbCurrency)
                          .Beside(meCurrencyName_, 1);
    meCurrencyCode_->setMaximumWidth(60);
    connect(meCurrencyCode_, &TCheckedLineEdit::changed, this, [this] {
        ShowCurrencyName();
        TakeAutomaticRates();
    });

    chbAutoRate_ = new QCheckBox(QStringLiteral("Автоматическое определение"));
    Binder().BindCheck(chbAutoRate_, "AutoRate", Shown_.Field(&mTCurrencyIncome::AutoRate));
    form.Row(QString(), chbAutoRate_).Beside(new QLabel(QStringLiteral("курса валюты")), 1);
    connect(chbAutoRate_, &QCheckBox::clicked, this, &TfrCurrency::OnAutoRateClicked);

    column->addWidget(form.Group(QStringLiteral("На дату дохода и уплаты налога")));
    const char* rateNames[] = {"RateOnIncomeDate", "RateOnTaxDate"};
    const char* unitNames[] = {"UnitsOnIncomeDate", "UnitsOnTaxDate"};
    Money mTCurrencyIncome::*rateFields[] = {&mTCurrencyIncome::RateOnIncomeDate, &mTCurrencyIncome::RateOnTaxDate};
    int32_t mTCurrencyIncome::*unitFields[] = {&mTCurrencyIncome::UnitsOnIncomeDate, &mTCurrencyIncome::UnitsOnTaxDate};
    for (int row : {kIncomeRow, kTaxRow}) {
        meRate_[row] = new TMaskedEdit(edtCurrency, 6, 4);
        meUnits_[row] = new TMaskedEdit(edtDigital, 6);
        Binder().BindMoney(meRate_[row], rateNames[row], Shown_.Field(rateFields[row]));
        Binder().BindInteger(meUnits_[row], unitNames[row], Shown_.Field(unitFields[row]));
        form.Row(QString(), meRate_[row])
            .Beside(new QLabel(QStringLiteral("руб.")))
            .Beside(new QLabel(QStringLiteral("за")))
            .Beside(meUnits_[row])
            .Beside(new QLabel(QStringLiteral("у.е.")), 1);
        connect(meRate_[row], &TCheckedLineEdit::changed, this, &TfrCurrency::ShowRoubles);
        connect(meUnits_[row], &TCheckedLineEdit::changed, this, &TfrCurrency::ShowRoubles);
    }

    const QString groups[] = {QStringLiteral("Полученный доход"),
                              QStringLiteral("Налог, уплаченный в иностранном государстве")};
    const char* amountNames[] = {"IncomeInCurrency", "TaxInCurrency"};
    const char* roubleNames[] = {"IncomeInRoubles", "TaxInRoubles"};
    for (int row : {kIncomeRow, kTaxRow}) {
        Money mTCurrencyIncome::*field = row == kIncomeRow ? &mTCurrencyIncome::IncomeInCurrency : &mTCurrencyIncome::TaxInCurrency;
        // The rouble equivalent follows through the record's own setters.
        FieldAccess<Money> amount = Shown_.Access<Money>(
            [field](const mTCurrencyIncome& f) { return f.*field; },
            [row](mTCurrencyIncome& f, const Money& m) {
                row == kIncomeRow ? f.SetIncomeInCurrency(m) : f.SetTaxInCurrency(m);
            });
        column->addWidget(form.Group(groups[row]));
        meInCurrency_[row] = form.Amount(QStringLiteral("В иностранной валюте"), amountNames[row], amount);
        meInRoubles_[row] = NewShortChoicePanel(QString::fromLatin1(roubleNames[row]));
        form.Row(QStringLiteral("В рублях по курсу ЦБ"), meInRoubles_[row]);
        connect(meInCurrency_[row], &TCheckedLineEdit::changed, this, &TfrCurrency::ShowRoubles);
    }

    column->addLayout(form.Grid());
    Codes_ = new TCurrencyIncomeCodes(*this, form, Shown_,
                                      [this] { return TypedRoubles(kIncomeRow).value_or(Money()); });
    connect(Codes_, &TCurrencyIncomeCodes::changed, this, &TThinkingFrame::documentModified);

    // Kept on the declaration and not shown, as in the declarations of earlier years.
    auto* documents = form.Group(QStringLiteral("Число подтверждающих расходы документов"));
    column->addWidget(documents);
    documents->setVisible(false);
    auto* count = new TMaskedEdit(edtDigital, 4);
    Binder().BindInteger(count, "ForeignSupportingDocs", Declaration().ForeignSupportingDocs);
    form.Row(QString(), count);
}

void TfrCurrency::ShowSource(int row) {
    // The typed amounts stay on screen, with the income they belong to, until they fit.
    if (Shown_.Chosen() && row != Shown_.Row() && !RoublesFit()) {
        const QSignalBlocker quiet(lvSources_);
        lvSources_->SetCurrentRow(Shown_.Row());
        return;
    }
    const bool shown = ShowItem(Shown_, row, pnlIncome_, [this] {
        Codes_->ShowCodes();
        ShowCurrencyName();
        const AutomaticRates rates = LookUp();
        chbAutoRate_->setEnabled(rates.Available);
        // The box stays on only while the file has a rate for the income date.
        if (!rates.Available) chbAutoRate_->setChecked(false);
        SetRatesReadOnly(chbAutoRate_->isChecked());
        ShowRoubles();
    });
    if (!shown) lvSources_->SetCurrentRow(Shown_.Row());
}

// A check names the income by its row; the editor of the first rule that income
// breaks is where the user starts putting it right.
void TfrCurrency::FocusField(int, int field) {
    lvSources_->FocusRow(field);
    if (field < 1 || field > Declaration().Foreign.Count()) return;
    const std::string name = ForeignFieldToFix(Declaration().Foreign.Get(field - 1));
    if (name.empty()) return;
    if (auto* editor = pnlIncome_->findChild<QWidget*>(QString::fromStdString(name))) editor->setFocus();
}

CheckFindings TfrCurrency::Findings() const { return ForeignFindings(Declaration(), CheckUse::Screen); }

// Amounts whose rouble equivalent the program cannot hold are not stored: the user
// is told, and what was typed stays to be put right.
bool TfrCurrency::Store() { return RoublesFit() && TThinkingFrame::Store(); }

// Store has said why already: the screen is only kept.
uint32_t TfrCurrency::Validate() {
    if (OverflowingRow()) return static_cast<uint32_t>(Shown_.Row() + 1);
    return TThinkingFrame::Validate();
}

std::optional<int> TfrCurrency::OverflowingRow() const {
    if (!Shown_.Chosen()) return std::nullopt;
    for (int row : {kIncomeRow, kTaxRow})
        if (!TypedRoubles(row)) return row;
    return std::nullopt;
}

bool TfrCurrency::RoublesFit() {
    if (const std::optional<int> overflowing = OverflowingRow()) {
        const int row = *overflowing;
        const std::string message = std::string(kRoublesTooLarge) + " " +
                                    (row == kIncomeRow ? "Проверьте сумму дохода и курс валюты на дату дохода."
                                                       : "Проверьте сумму налога и курс валюты на дату уплаты налога.");
        if (CheckDialog* dialog = Resources().checkDialog) dialog->Ask(kCaptionForeign, message, CheckButtons{false, false});
        meInCurrency_[row]->setFocus();
        return false;
    }
    return true;
}

bool TfrCurrency::StoreOwn() {
    if (!Shown_.Chosen()) return false;
    // A changed rate changes the equivalents even when the amounts stayed.
    mTCurrencyIncome& f = Shown_.Get();
    const Money income = f.IncomeInRoubles, tax = f.TaxInRoubles;
    f.SetIncomeInCurrency(f.IncomeInCurrency);
    f.SetTaxInCurrency(f.TaxInCurrency);
    return income != f.IncomeInRoubles || tax != f.TaxInRoubles;
}

AutomaticRates TfrCurrency::LookUp() const {
    return LookUpAutomaticRates(Resources().currencyRates, meCurrencyCode_->text().toStdString(),
                                DayCountOfDate(dteDate_[kIncomeRow]->date()), DayCountOfDate(dteDate_[kTaxRow]->date()));
}

void TfrCurrency::ShowCurrencyName() {
    const CurrencyRateTable* table = Resources().currencyRates;
    const Currency* currency = table ? table->Find(meCurrencyCode_->text().toStdString()) : nullptr;
    meCurrencyName_->setReadOnly(currency != nullptr);
    if (currency)
        meCurrencyName_->setText(QString::fromStdString(currency->Name));
    else if (!Binder().Loading())
        meCurrencyName_->clear();
}

void TfrCurrency::TakeAutomaticRates() {
    if (Binder().Loading()) return;  // a record being shown keeps its own rates
    const AutomaticRates rates = LookUp();
    chbAutoRate_->setEnabled(rates.Available);
    if (!chbAutoRate_->isChecked()) return;
    if (!rates.Available) {
        chbAutoRate_->setChecked(false);
        OnAutoRateClicked(false);
        return;
    }
    ShowRates(rates.OnIncomeDate, rates.OnTaxDate);
}

void TfrCurrency::OnAutoRateClicked(bool on) {
    SetRatesReadOnly(on);
    const AutomaticRates rates = on ? LookUp() : AutomaticRates{};
    ShowRates(rates.OnIncomeDate, rates.OnTaxDate);
}

void TfrCurrency::SetRatesReadOnly(bool readOnly) {
    for (int row : {kIncomeRow, kTaxRow}) {
        meRate_[row]->setReadOnly(readOnly);
        meUnits_[row]->setReadOnly(readOnly);
    }
}

void TfrCurrency::ShowRates(const RateRow& onIncomeDate, const RateRow& onTaxDate) {
    for (const auto& [row, rate] : {std::pair{kIncomeRow, onIncomeDate}, std::pair{kTaxRow, onTaxDate}}) {
        meRate_[row]->setText(MoneyScreenText(rate.Rate));
        meUnits_[row]->setText(rate.Units ? QString::number(rate.Units) : QString());
    }
}

std::optional<Money> TfrCurrency::TypedRoubles(int row) const {
    try {
        return CurrencyToRoubles(TypedAmount(meInCurrency_[row]), TypedAmount(meRate_[row]),
                                 meUnits_[row]->text().toInt());
    } catch (const std::overflow_error&) {
        return std::nullopt;
    }
}

// Always the kopecks the record will hold, whichever editor changed.
void TfrCurrency::ShowRoubles() {
    for (int row : {kIncomeRow, kTaxRow}) {
        const std::optional<Money> roubles = TypedRoubles(row);
        meInRoubles_[row]->setText(!roubles             ? QString::fromUtf8(kRoublesTooLarge)
                                   : roubles->IsZero() ? QStringLiteral("0")
                                                        : MoneyScreenText(*roubles));
    }
    Codes_->ShowDeductionAmount();
}

}  // namespace kvz
