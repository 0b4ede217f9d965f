#pragma once
// "Инвест. товарищества": the investment partnerships as payment sources, the
// operations of the one selected and its totals.
#include "model/invest_tov.h"
#include "screens/selected_item.h"
#include "screens/thinking_frame.h"

class QLineEdit;
class QSplitter;

namespace kvz {

class TItemListEditor;

// The splitter between the partnerships and their operations keeps each side at
// least this wide.
inline constexpr int kInvestSplitterMinimum = 265;

class TfrInvestTov : public TThinkingFrame {
    Q_OBJECT
public:
    TfrInvestTov(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

    void FocusField(int page, int field) override;
    QSplitter* Splitter() const { return Splitter_; }

private:
    void ShowPartnership(int row);
    void ShowTotal();

    SelectedItem<mTInvestTov> Shown_;
    QSplitter* Splitter_ = nullptr;
    TItemListEditor* lvSources_ = nullptr;
    TItemListEditor* lvIncomes_ = nullptr;
    QWidget* pnlTotals_ = nullptr;
    QLineEdit* meIncomeTotal_ = nullptr;
};

}  // namespace kvz
