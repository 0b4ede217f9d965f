#pragma once
// Where a certificate's income at one rate goes in the declaration: the section a
// user would pick for that rate in the window, for a resident or a non-resident.
// A resident's dividends share the 13 % block with wages in the certificate and go
// to the dividend section, which the declaration taxes apart.
#include <string>
#include <vector>

#include "import/ndfl2_certificate.h"

namespace kvz {

enum class Ndfl2Section { Thirteen, ThirteenNR, Nine, ThirtyFive, Dividends };

// "13 %", "30 % (нерезидент)", "дивиденды 15 %" …
std::string SectionTitle(Ndfl2Section section, bool resident);

// The part of a block that lands in one section, with the figures its source gets.
struct Ndfl2Part {
    Ndfl2Section Section = Ndfl2Section::Thirteen;
    std::vector<Ndfl2Line> Lines;
    Money Income;   // sum of the lines
    Money Taxable;  // the lines less the deductions tied to them
    Money TaxComputed;
    Money TaxWithheld;
    bool operator==(const Ndfl2Part&) const = default;
};

struct Ndfl2Placement {
    std::vector<Ndfl2Part> Parts;      // empty when the block has no place
    std::vector<std::string> Warnings;  // each a sentence about this block
    std::string NoPlace;               // why the block has no place
};

Ndfl2Placement PlaceBlock(const Ndfl2RateBlock& block, bool resident);

}  // namespace kvz
