#pragma once
// The housing deduction: the amounts of earlier years and of the tax agent, and
// the list of property objects edited in "Данные объекта".
#include "screens/thinking_frame.h"

class QCheckBox;
class QLabel;

namespace kvz {

class TItemListEditor;

class TfrMultyConstructionDeduct : public TThinkingFrame {
    Q_OBJECT
public:
    TfrMultyConstructionDeduct(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

    TItemListEditor* Objects() const { return lvObjects_; }
    // A 1-based object row selects that object in the list; any other number puts
    // the focus on "Предоставить имущественный налоговый вычет".
    void FocusField(int page, int row) override;

private:
    void ShowTotals();

    QCheckBox* Granted_ = nullptr;
    TItemListEditor* lvObjects_ = nullptr;
    QLabel* pnlCostTotal_ = nullptr;
    QLabel* pnlInterestTotal_ = nullptr;
    QLabel* lblTotalsError_ = nullptr;  // why the totals could not be shown
};

}  // namespace kvz
