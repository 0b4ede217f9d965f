#pragma once
// A resident's declaration with every sheet of the form and its records set by hand
// (not computed), so that the whole tree of the 3-НДФЛ file can be checked at once.
#include <memory>

#include "calc/svod_sum.h"
#include "model/declaration.h"

namespace kvz::test {

// The declaration: a representative signs; 9 %, 13 %, dividend, partnership and
// 35 % sources; business with a farm; two housing objects; losses of earlier years.
std::unique_ptr<mTDeclaration> FullResidentDeclaration();
// Records in which every sheet has something to show.
void FillFullResidentRecords(kTSvodSum& sum);

}  // namespace kvz::test
