#pragma once
// The dialogs of the Russian income screens: the payment sources at 13 %, 9 %,
// 35 % and of dividends, and the income lines of the 13 % sources of residents and
// of non-resident specialists. Each edits a copy and writes the record only when the
// user accepts: false means the user cancelled and the record is untouched, true that
// the record now holds what the dialog showed.
#include "model/thirteen_percent.h"
#include "model/thirty_five_percent.h"
#include "model/thirty_percent.h"
#include "screens/screen_resources.h"

class QWidget;

namespace kvz {

// "Источник выплаты" of a 13 % source (TfmInput13SourseIncome). The check box
// "Расчет стандартных вычетов вести по этому источнику" is offered to a resident only.
// A name left blank creates nothing: false for a new source, the old name kept for an
// edited one.
bool EditThirteenSource(mTThirteenPercent& source, bool resident, const ScreenResources& resources, QWidget* parent);
// "Сведения о доходе" (TfmInput13Income): a resident picks among the 13 % incomes
// and gives the month; a non-resident picks among all incomes without a month.
bool EditThirteenLine(mTSourseIncome& line, bool resident, const ScreenResources& resources, QWidget* parent);
// The income line of a non-resident highly qualified specialist (TfmInput13NRIncome).
bool EditThirteenNRLine(mTSourseIncome& line, const ScreenResources& resources, QWidget* parent);
// A 9 % source (TfmInput9SourseIncome), income code 1011.
bool EditNineSource(mTThirtyPercent& source, const ScreenResources& resources, QWidget* parent);
// A dividend source (TfmInput30SourseIncome), income code 1010.
bool EditDividendSource(mTThirtyPercent& source, const ScreenResources& resources, QWidget* parent);
// A 35 % source with its income and deduction (TfmInput35SourseIncome).
bool EditThirtyFiveSource(mTThirtyFivePercent& source, const ScreenResources& resources, QWidget* parent);

}  // namespace kvz
