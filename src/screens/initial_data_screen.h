#pragma once
// The conditions of the declaration: its type, the inspection, the correction
// number, the taxpayer's kind, the kinds of income present and who signs. The
// type and the income kinds decide which other sections exist; they are written
// at once, and a change that would delete entered incomes is asked first.
#include <cstdint>
#include <string>

#include "screens/screen_resources.h"
#include "screens/thinking_frame.h"

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace kvz {

class TFieldBinder;
class TMaskedEdit;

class TfrInitialData : public TThinkingFrame {
    Q_OBJECT
public:
    // Fields of FocusField and of Validate's result.
    enum Field : int {
        kFieldInspection = 1,
        kFieldExpectedIncome = 2,
        kFieldRepresentativeName = 3,
        kFieldRepresentativeDocument = 4,
        kFieldRepresentativeOrganization = 5,
    };

    TfrInitialData(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

    void Store() override;
    uint32_t Validate() override;
    void FocusField(int page, int field) override;

private:
    void BuildInspectionAndCorrection(QGridLayout* grid);
    QWidget* BuildDeclarationKind();
    QWidget* BuildTaxpayerKind();
    QWidget* BuildIncomeKinds();
    QWidget* BuildSigner();

    void OnDeclarationKindClicked(int kind);
    void OnIncomeKindClicked(uint8_t bit, bool checked);
    void OnPickInspection();

    // Enabled and visible controls for the type, the signer and the expected income.
    void ApplyDeclarationKindState();
    void ApplySignerState();
    void ApplyExpectedIncomeState();
    // Shows the declaration's income kinds in the boxes.
    void ShowIncomeKinds();
    // The directory's name of the inspection whose code is typed.
    void ShowInspectionName();
    // Asks before income kinds holding entered data are switched off; true to go on.
    bool ConfirmIncomeKinds(uint8_t newKinds, const std::string& lead);
    void SetChecked(QButtonGroup* group, int id);
    QCheckBox* IncomeBox(uint8_t bit) const;

    ScreenResources Resources_;
    TFieldBinder* Binder_;

    TMaskedEdit* meInspectionCode_;
    QPushButton* fbInspection_;
    QLabel* lblInspectionName_;
    QSpinBox* CorrectionNumber_;
    QButtonGroup* DeclarationKind_;
    QButtonGroup* TaxpayerKind_;
    QCheckBox* chbIncomeRussian_;
    QCheckBox* chbIncomeForeign_;
    QCheckBox* chbIncomeBusiness_;
    QCheckBox* chbIncomeInvestTov_;
    QLabel* lblExpectedIncome_;
    TMaskedEdit* meExpectedIncome_;
    QButtonGroup* ConfirmedBy_;
    TMaskedEdit* meRepresentativeName_;
    TMaskedEdit* meRepresentativeDocument_;
    QLabel* lblRepresentativeOrganization_;
    TMaskedEdit* meRepresentativeOrganization_;
};

}  // namespace kvz
