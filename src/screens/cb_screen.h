#pragma once
// Losses of earlier years on securities and derivatives, and the investment
// deduction with the amount of earlier years to be restored.
#include <array>

#include "screens/thinking_frame.h"
#include "storage/money.h"

class QGridLayout;
class QLabel;

namespace kvz {

class TMaskedEdit;

class TfrCB : public TThinkingFrame {
    Q_OBJECT
public:
    TfrCB(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

private:
    using Column = std::array<TMaskedEdit*, 10>;
    void AddColumn(QGridLayout* grid, int column, const char* name, std::array<Money, 10>& losses,
                   Column& edits, QLabel*& total);
    void ShowTotals();
    void KeepDeductionWithinLimit(TMaskedEdit* edit);

    Column Securities_{};
    Column Fiss_{};
    QLabel* pnlSecuritiesTotal_ = nullptr;
    QLabel* pnlFissTotal_ = nullptr;
};

}  // namespace kvz
