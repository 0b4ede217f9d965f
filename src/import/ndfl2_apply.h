#pragma once
// Carrying a planned import into the declaration: one payment source per agent
// (ИНН, КПП, ОКТМО) and section, a source already there with the same agent and
// section replaced with its lines and totals rather than doubled, the standard
// deductions set when their section is still empty. Importing the same certificates
// again leaves the document as it was.
#include <vector>

#include "import/ndfl2_plan.h"
#include "import/ndfl2_report.h"

namespace kvz {

class mTDeclaration;

// take: per item of the plan, whether the user wants it; empty takes every item
// that can be added. newDocument: the declaration was just made for this import, so
// its taxpayer and kind come from the certificates.
Ndfl2ImportReport ApplyNdfl2Plan(mTDeclaration& declaration, const Ndfl2Plan& plan, bool newDocument,
                                 const std::vector<bool>& take = {});

}  // namespace kvz
