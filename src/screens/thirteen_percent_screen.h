#pragma once
// Income at 13 % from payment sources: the payment sources, the income lines of
// the one chosen with their codes and deductions, its totals, a foreign worker's
// fixed advance payments and the months worked for agricultural producers. The
// non-resident highly qualified specialists keep a list of their own with the same
// shape and neither group.
#include "model/thirteen_percent.h"
#include "screens/source_lines_frame.h"

class QGroupBox;

namespace kvz {

using TThirteenFrame = TSourceLinesFrame<mTThirteenPercent, mTSourseIncome>;

class TfrThirteenPercent : public TThirteenFrame {
    Q_OBJECT
public:
    TfrThirteenPercent(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

    QGroupBox* FarmGroup() const { return gbFarm_; }

protected:
    CheckFindings Findings() const override;
    void LinesChanged() override;

private:
    QGroupBox* gbFarm_ = nullptr;
};

class TTfrThirteenPercentNR : public TThirteenFrame {
    Q_OBJECT
public:
    TTfrThirteenPercentNR(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

    // The specialists' sources are not checked here, so there is nothing to focus.
    void FocusField(int, int) override {}
};

}  // namespace kvz
