#pragma once
// The section "Доходы, полученные в РФ": one button per group of income from Russian
// sources over the screen of that group. A non-resident sees the 13 % sources as
// the income of a non-resident, the dividends under the second button and the
// screen of highly qualified specialists; the 9 % and 35 % groups are a resident's.
#include "screens/paged_frame.h"

class QLabel;

namespace kvz {

// The groups as the declaration check names them (the section's page); the 9 %
// group comes last because the check's dividend section predates it.
enum RussianIncomeGroup : int {
    kGroupThirteen = 0,
    kGroupDividends = 1,
    kGroupThirtyFive = 2,
    kGroupThirteenNR = 3,
    kGroupNine = 4,
};

class TfrRussianIncome : public TPagedFrame {
    Q_OBJECT
public:
    TfrRussianIncome(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

    // Opens the group's screen (without asking the one shown) and selects the
    // source of the 1-based row.
    void FocusField(int group, int row) override;

protected:
    std::unique_ptr<TThinkingFrame> CreatePage(int group) override;

private:
    bool Resident_;
    QLabel* lblGroup_;  // what the group shown holds, in words
};

}  // namespace kvz
