#pragma once
// The dialog "Доход" of a foreign payment source: its name and its country.
#include "screens/screen_resources.h"

class QWidget;

namespace kvz {

class mTCurrencyIncome;

inline constexpr const char* kCaptionIncomeSource = "Источник дохода";
inline constexpr const char* kNoCountryCode = "Не выбран код страны";

// Edits the source's name and country; false when the user cancelled. "Да" wants
// a name and a country code: without the code it says so and opens the country list.
bool EditCurrencySource(mTCurrencyIncome& income, const ScreenResources& resources, QWidget* parent);

}  // namespace kvz
