#pragma once
// A certificate's monthly lines as the income lines of a 13 % source, with the
// names and deduction percentages the window takes from the income dictionary; and
// the codes that dictionary does not know, which are kept as they stand and named.
#include <string>
#include <vector>

#include "import/ndfl2_certificate.h"
#include "model/thirteen_percent.h"

namespace kvz {

// One line per income; a second deduction tied to the same income becomes a line of
// its own with no income, so that no deduction is lost. The values the window derives
// from the codes are derived as the window derives them; a line whose figures the
// derivation refuses (a deduction the dictionary does not offer with that income, an
// amount other than the one the code gives) is kept as the agent wrote it, and the
// refusal goes to warnings.
std::vector<mTSourseIncome> ModelLines(const std::vector<Ndfl2Line>& lines, bool resident,
                                       std::vector<std::string>& warnings);

// "код дохода 2002 (месяц 03) неизвестен справочнику 2015 года …", each code once.
std::vector<std::string> UnknownCodeWarnings(const std::vector<Ndfl2Line>& lines);

}  // namespace kvz
