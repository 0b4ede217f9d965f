#pragma once
// The taxpayer's address in Russia (of residence or of stay), the contact phone
// and the address abroad.
#include "screens/thinking_frame.h"

namespace kvz {

class TfrPersonAddress : public TThinkingFrame {
    Q_OBJECT
public:
    TfrPersonAddress(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

protected:
    CheckFindings Findings() const override { return AddressFindings(Declaration(), CheckUse::Screen); }
};

}  // namespace kvz
