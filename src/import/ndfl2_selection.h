#pragma once
// Which of the taxpayer's certificates count: an agent's later correction replaces
// the earlier certificate of the same number in full, an annulling one (99) removes
// it, and a report that the tax could not be withheld (Признак 2) repeats income
// the agent's ordinary certificate already holds, so it is shown and never added.
#include <vector>

#include "import/ndfl2_certificate.h"

namespace kvz {

enum class Ndfl2Fate { Take, Superseded, Annulled, NotWithheld };

// The fate of each certificate, in the order given.
std::vector<Ndfl2Fate> CertificateFates(const std::vector<const Ndfl2Certificate*>& certificates);

// Why a certificate of this fate is not added; empty for Take.
const char* FateReason(Ndfl2Fate fate);

}  // namespace kvz
