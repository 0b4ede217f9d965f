#pragma once
// The conditions of the declaration: its type, the inspection, the correction
// number, the taxpayer's kind, the kinds of income present and who signs. The
// type and the income kinds decide which other sections exist; they are written
// at once, and a change that would delete entered incomes is asked first.
#include <cstdint>
#include <string>

#include "screens/thinking_frame.h"

class QButtonGroup;
class QCheckBox;
class QLabel;

namespace kvz {

class TMaskedEdit;

class TfrInitialData : public TThinkingFrame {
    Q_OBJECT
public:
    TfrInitialData(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

protected:
    CheckFindings Findings() const override { return ConditionsFindings(Declaration()); }

private:
    void OnDeclarationKindClicked(int kind);
    void OnIncomeKindClicked(int box, bool checked);
    void ShowIncomeKinds();
    void ShowInspectionName();
    // Sets the type and the income kinds, asking first when entered data would be
    // lost (`lead` opens the question); false when the user keeps them.
    bool SwitchKinds(int kind, uint8_t newKinds, const std::string& lead);

    TMaskedEdit* meInspectionCode_;
    QLabel* lblInspectionName_;
    QButtonGroup* DeclarationKind_;
    QButtonGroup* TaxpayerKind_;
    QButtonGroup* ConfirmedBy_;
    QCheckBox* IncomeBoxes_[4];
    TMaskedEdit* meExpectedIncome_;
};

}  // namespace kvz
