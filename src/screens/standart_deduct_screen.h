#pragma once
// Standard deductions: the own code, the children (a constant count or month by
// month), an entrepreneur's monthly incomes and expenses, and the two monthly
// dialogs. Unticking "Предоставить стандартные вычеты" disables everything else
// and stores nothing but that.
#include <array>

#include "screens/thinking_frame.h"

class QButtonGroup;
class QCheckBox;
class QGridLayout;

namespace kvz {

class TMonthChoiceDialog;
class mTStandartDeduct;

class TfrFrameStandartDeduct : public TThinkingFrame {
    Q_OBJECT
public:
    TfrFrameStandartDeduct(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent);

protected:
    bool StoreOwn() override;

private:
    struct ChildrenBlock {
        const char* name;
        const char* constantText;
        const char* monthHint;
        bool& constant;
        int32_t& count;
        std::array<int32_t, 12>& byMonth;
    };
    void AddChildrenBlock(QGridLayout* grid, int row, const ChildrenBlock& block);
    void AddBusinessRows(QGridLayout* grid, int row);
    void EditSelfCodes();
    void EditChildStatus();
    // Opens the months dialog of one monthly list and writes what was chosen there.
    using MonthValues = std::array<int32_t, 12>;
    // False when the user cancelled.
    bool TakeMonths(TMonthChoiceDialog& dialog, bool given, const MonthValues& current,
                    void (mTStandartDeduct::*set)(int, int32_t));
    // A group with a choice "…менялся" that opens a months dialog.
    struct MonthlyChoice {
        QButtonGroup* group = nullptr;
        int changedId = 0;
        int before = -1;  // the checked id as the choice was pressed
    };
    void KeepChoiceBefore(MonthlyChoice& choice);
    void RestoreChoiceBefore(const MonthlyChoice& choice);
    bool Granted() const;

    QCheckBox* chbGranted_ = nullptr;
    std::array<QCheckBox*, 12> chbMonths_{};
    MonthlyChoice SelfCodes_;
    MonthlyChoice ChildStatus_;
};

}  // namespace kvz
