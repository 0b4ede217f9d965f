#pragma once
// What switching income kinds off would take from a declaration: the lists of a
// kind switched off are emptied, and without any income kind the deductions are
// no longer saved. The conditions screen asks before it does that.
#include <cstdint>
#include <string>
#include <vector>

namespace kvz {

class mTDeclaration;

// The income kinds a declaration type can hold: a non-resident has no foreign or
// business income, and the expected-income form holds none of the kinds.
uint8_t IncomeKindsAllowedBy(int declarationKind);

// One line per kind that holds entered data and would lose it if the
// declaration's income kinds became `newKinds`; empty when nothing would be lost.
std::vector<std::string> EnteredDataLostBy(const mTDeclaration& declaration, uint8_t newKinds);

// The question: `lead`, the lines, and whether to go on.
std::string DataLossQuestion(const std::string& lead, const std::vector<std::string>& lines);

}  // namespace kvz
