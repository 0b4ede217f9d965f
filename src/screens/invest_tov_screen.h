#pragma once
// "Инвест. товарищества": the investment partnerships as payment sources, the
// operations of the one selected and its totals.
#include "model/invest_tov.h"
#include "screens/source_lines_frame.h"

namespace kvz {

class TfrInvestTov : public TSourceLinesFrame<mTInvestTov, mTInvestTovIncome> {
    Q_OBJECT
public:
    TfrInvestTov(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);
};

}  // namespace kvz
