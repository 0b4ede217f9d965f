#pragma once
// What the section screens need from the main window: the directories read at
// start and the window's way of asking the user. The window owns everything
// pointed to here and keeps it alive while screens exist.
#include <functional>
#include <string>

#include "checks/check_dialog.h"
#include "directory/activity_classifier.h"
#include "directory/currency_rates.h"
#include "directory/inspection_directory.h"

namespace kvz {

// What a screen says when a typed value could not be written.
inline constexpr const char* kValueNotStored =
    "Введенное значение не может быть сохранено в декларации. Исправьте его.";

struct ScreenResources {
    // The parsed "InspectionNumbers.xml"; null when the file was missing, which
    // leaves the inspection picker button disabled.
    const InspectionDirectory* inspections = nullptr;
    // The parsed "Oksm.xml"; null when it was missing (the country button is disabled).
    const InspectionDirectory* countries = nullptr;
    // The parsed "Sp_OKVED2.xml"; null when it was missing or damaged (the activity
    // code is then typed).
    const ActivityClassifier* activities = nullptr;
    // The parsed "CurrencyRates.xml"; null when it was missing or damaged, which
    // leaves automatic rates unavailable and the currency picker disabled.
    const CurrencyRateTable* currencyRates = nullptr;
    // A Yes/No question with the caption "Кварзен 2015"; true for "Да".
    // When empty, screens take the answer that keeps the user's data ("Нет").
    std::function<bool(const std::string& text)> askYesNo;
    // A message with the caption "Кварзен 2015" and the button "OK" (a typed value
    // the declaration could not take). When empty, the screen shows a message box
    // of its own.
    std::function<void(const std::string& text)> showMessage;
    // The dialog that shows the screens' validation messages ("Исправить",
    // "Пропустить", "Пропустить все"). Required by Validate: without it a failed
    // check keeps the user on the screen as if "Исправить" had been chosen.
    CheckDialog* checkDialog = nullptr;
    // Opens the classifier import dialog from the inspection picker's third
    // button; when empty the button is hidden.
    std::function<void()> showInspectionImport;
};

}  // namespace kvz
