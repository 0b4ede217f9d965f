#pragma once
// The findings of the declaration check as the command-line tool prints them.
#include <string>

#include <nlohmann/json.hpp>

#include "checks/declaration_check.h"

namespace kvz {

// The text the window shows when the check finds nothing.
inline constexpr const char* kCheckPassedText = "Проверка декларации завершена успешно";

// kCheckPassedText, a line break and the declaration's result ("К возврату:
// 156 000 руб."), as the window and the command-line tool say it after a passing check.
std::string CheckPassedText(const mTDeclaration& declaration);

// One line a finding: "раздел 2, поле 1 (Сведения о декларанте): Не введена фамилия";
// kCheckPassedText and a line break when there is none.
std::string FindingsText(const CheckFindings& findings);

// {"passed": bool, "findings": [{"section", "sectionTitle", "field", "message"}, …]}.
nlohmann::ordered_json FindingsJson(const CheckFindings& findings);

}  // namespace kvz
