#pragma once
// The section "Вычеты": four buttons over the screen of one kind of deduction.
// Leaving a deduction screen stores it and asks its check first; a refused check
// keeps it shown with the field to correct focused.
#include "screens/paged_frame.h"

namespace kvz {

class TfrFrameDeductData : public TPagedFrame {
    Q_OBJECT
public:
    // The pages are numbered as the declaration check names them.
    enum Page : int {
        kPageSocial = kCheckFieldSocialDeductions,
        kPageStandard = kCheckFieldStandardDeductions,
        kPageProperty = kCheckFieldPropertyDeduction,
        kPageLosses = kCheckFieldLossesAndInvestment,
    };

    TfrFrameDeductData(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

    // The declaration check's field is the page (and for the property page the
    // object's row); the page then shows its first field or that object.
    void FocusField(int page, int field) override;

protected:
    std::unique_ptr<TThinkingFrame> CreatePage(int page) override;
};

}  // namespace kvz
