#pragma once
// Which help page each screen and dialog opens on F1. A screen or dialog is named
// by its objectName or by its class name. A dialog that is not
// listed takes the page of the screen it was opened from.
#include <string>
#include <string_view>

namespace kvz {

// Pages are relative to the program's folder.
inline constexpr const char* kHelpStartPage = "help/runprogramm.htm";
// What the user is told when a help page is not beside the program.
inline constexpr const char* kHelpMissing = "Не найден файл справки Kvrz2015.chm";

// The page of the screen or dialog so named; "" for a name without one.
std::string HelpPageOf(std::string_view name);

}  // namespace kvz
