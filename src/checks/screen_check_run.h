#pragma once
// How a screen shows the findings of its section: one by one in the check dialog,
// while the user has answered neither "Исправить" nor "Пропустить все".
#include <cstdint>

#include "checks/check_dialog.h"
#include "checks/section_checks.h"

namespace kvz {

// The field of the finding answered "Исправить", or 0. Without a dialog the first
// finding counts as answered "Исправить", so that nothing wrong passes unseen.
uint32_t AskFindings(CheckDialog* dialog, const CheckFindings& findings);

}  // namespace kvz
