#pragma once
// The section "Вычеты": four buttons over the screen of one kind of deduction.
// Leaving a deduction screen stores it and asks its check first; a refused check
// keeps it shown with the field to correct focused.
#include <memory>

#include "screens/thinking_frame.h"

class QButtonGroup;
class QVBoxLayout;

namespace kvz {

class TfrFrameDeductData : public TThinkingFrame {
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
    ~TfrFrameDeductData() override;

    void Store() override;
    uint32_t Validate() override;
    // The declaration check's field is the page (and for the property page the
    // object's row); the page then shows its first field or that object.
    void FocusField(int page, int field) override;

    // What a button does: false when the shown page refused to be left.
    bool ShowPage(int page);
    int ShownPage() const { return Shown_; }
    TThinkingFrame* PageScreen() const { return Current_.get(); }

private:
    std::unique_ptr<TThinkingFrame> CreatePage(int page);

    QButtonGroup* Buttons_;
    QVBoxLayout* Body_;
    std::unique_ptr<TThinkingFrame> Current_;
    int Shown_ = 0;
};

}  // namespace kvz
