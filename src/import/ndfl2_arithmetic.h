#pragma once
// The sums that hold in a correct certificate, checked per rate. A certificate that
// breaks them is still taken as the agent wrote it; each broken sum is a warning
// that names both figures, so the user can ask the agent instead of trusting either.
#include <string>
#include <vector>

#include "import/ndfl2_certificate.h"

namespace kvz {

std::vector<std::string> ArithmeticWarnings(const Ndfl2RateBlock& block);

}  // namespace kvz
