#pragma once
// "Предприниматели": the business and private-practice activities with the income
// and expenses of the one selected, and the business values of the declaration
// itself (advance payments, corrections, patent, trade fee, farm household).
#include "model/business_new.h"
#include "screens/selected_item.h"
#include "screens/thinking_frame.h"

class QLineEdit;
class QSpinBox;
class QVBoxLayout;

namespace kvz {

class TFormBuilder;
class TItemListEditor;
class TMaskedEdit;

class TfrBusinessNew : public TThinkingFrame {
    Q_OBJECT
public:
    TfrBusinessNew(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

    // Selects the activity of the 1-based row, or goes to the farm's year.
    void FocusField(int page, int field) override;

protected:
    bool StoreOwn() override;
    CheckFindings Findings() const override;

private:
    void BuildActivity(TFormBuilder& form, QVBoxLayout* column);
    void BuildDeclarationValues(TFormBuilder& form, QVBoxLayout* column);
    void ShowActivity(int row);
    void ShowNorm();

    SelectedItem<mTBusinessNew> Shown_;
    TItemListEditor* lvActivities_ = nullptr;
    QWidget* pnlActivity_ = nullptr;
    TMaskedEdit* meIncome_ = nullptr;
    QLineEdit* meNorm_ = nullptr;
    QSpinBox* FarmYear_ = nullptr;
};

}  // namespace kvz
