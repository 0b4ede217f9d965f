#include "screens/russian_income_dialogs.h"

namespace kvz {

// Not built yet: every dialog reports a cancel, so nothing is changed.
bool EditThirteenSource(mTThirteenPercent&, bool, const ScreenResources&, QWidget*) { return false; }
bool EditThirteenLine(mTSourseIncome&, bool, const ScreenResources&, QWidget*) { return false; }
bool EditThirteenNRLine(mTSourseIncome&, const ScreenResources&, QWidget*) { return false; }
bool EditNineSource(mTThirtyPercent&, const ScreenResources&, QWidget*) { return false; }
bool EditDividendSource(mTThirtyPercent&, const ScreenResources&, QWidget*) { return false; }
bool EditThirtyFiveSource(mTThirtyFivePercent&, const ScreenResources&, QWidget*) { return false; }

}  // namespace kvz
