#pragma once
// The completeness check of the whole declaration, run before it is exported or
// printed and on the user's request. It walks the sections in a fixed order, shows
// what it finds in the check-all dialog and reports where the user wants to correct.
//
// Result: the section number in the low 16 bits and the field in the high 16 bits.
// The field is 0 when nothing was found, 0xFFFF when the user declined to correct
// (or the declaration could not be calculated), else the field or 1-based row to
// focus on the section's screen.
#include <cstdint>
#include <string>

#include "checks/check_dialog.h"
#include "checks/section_checks.h"

namespace kvz {

class mTDeclaration;
struct ExportSettings;

// Runs a fresh calculation of the declaration (which writes the values the
// calculation owns into its sources), then the checks, each message in the dialog.
uint32_t CheckDeclaration(mTDeclaration& declaration, CheckAllDialog& dialog);

// The check with every message answered "Отмена": every message the check reaches.
// Empty when the declaration passes.
CheckFindings CheckDeclarationForExport(mTDeclaration& declaration);

// The check and, when it passes, the export (ExportDeclaration's folder, mode, result
// and settings) of the very document the check built and held against the schema of
// settings: one build and one schema check serve both, and the document never
// outlives this call, so it always belongs to the declaration as checked. Returns the
// check's findings; when there are any, nothing is exported and result is untouched.
CheckFindings CheckAndExportDeclaration(const std::string& folder, mTDeclaration& declaration, int mode,
                                        std::string& result, const ExportSettings& settings);

}  // namespace kvz
