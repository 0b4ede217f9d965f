#pragma once
// Social deductions: the amounts spent, the education paid for each child and
// the pension and insurance contracts.
#include "screens/thinking_frame.h"

namespace kvz {

class TItemListEditor;

class TfrFramePensDeduct : public TThinkingFrame {
    Q_OBJECT
public:
    TfrFramePensDeduct(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

protected:
    CheckFindings Findings() const override;

private:
    TItemListEditor* ChildEducationList();
    TItemListEditor* PensionContractList();
};

}  // namespace kvz
