#pragma once
// "Доходы за пределами РФ": the incomes received abroad, one a payment source,
// with the dates, the currency and its rates, the amounts in currency and their
// rouble equivalents, the tax paid abroad and the deduction.
#include <optional>

#include "directory/automatic_rates.h"
#include "model/currency_income.h"
#include "screens/selected_item.h"
#include "screens/thinking_frame.h"

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QVBoxLayout;

namespace kvz {

class TCurrencyIncomeCodes;
class TFormBuilder;
class TItemListEditor;
class TMaskedEdit;

class TfrCurrency : public TThinkingFrame {
    Q_OBJECT
public:
    TfrCurrency(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

    // Selects the income of the 1-based row.
    void FocusField(int page, int field) override;

    // Stores only amounts whose rouble equivalent fits; otherwise says so.
    bool Store() override;
    uint32_t Validate() override;

protected:
    bool StoreOwn() override;
    CheckFindings Findings() const override;

private:
    void BuildIncome(TFormBuilder& form, QVBoxLayout* column);
    void ShowSource(int row);
    void ShowCurrencyName();
    AutomaticRates LookUp() const;
    void OnAutoRateClicked(bool on);
    void TakeAutomaticRates();
    void SetRatesReadOnly(bool readOnly);
    void ShowRates(const RateRow& onIncomeDate, const RateRow& onTaxDate);
    // The rouble equivalent of the amount, rate and units typed in a row; none when
    // it is beyond any amount the program can hold.
    std::optional<Money> TypedRoubles(int row) const;
    // The row whose equivalent does not fit, if any.
    std::optional<int> OverflowingRow() const;
    // True when both rows' equivalents fit; otherwise tells the user and focuses the amount.
    bool RoublesFit();
    void ShowRoubles();

    SelectedItem<mTCurrencyIncome> Shown_;
    TCurrencyIncomeCodes* Codes_ = nullptr;
    TItemListEditor* lvSources_ = nullptr;
    QWidget* pnlIncome_ = nullptr;
    TMaskedEdit* meCurrencyCode_ = nullptr;
    TMaskedEdit* meCurrencyName_ = nullptr;
    QDateEdit* dteDate_[2] = {};
    QCheckBox* chbAutoRate_ = nullptr;
    TMaskedEdit* meRate_[2] = {};
    TMaskedEdit* meUnits_[2] = {};
    TMaskedEdit* meInCurrency_[2] = {};
    QLineEdit* meInRoubles_[2] = {};
};

}  // namespace kvz
