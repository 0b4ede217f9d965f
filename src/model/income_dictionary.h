#pragma once
// The income and deduction code dictionary compiled into the program: every income
// code the declaration offers, its tax group, and the deductions (expenses) that may
// go with it. The deduction codes of an income are the entries listed under it, so
// there is no separate deduction dictionary.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "storage/message_error.h"
#include "storage/money.h"

namespace kvz {

// The dictionary's bytes are not a well-formed dictionary.
using EIncomeDictionaryError = MessageError<struct IncomeDictionaryErrorTag>;

// One deduction that may go with an income, and how its amount is found.
struct DeductionEntry {
    std::string Code;    // "0" is the entry that grants no deduction
    std::string Name;
    std::string Stav;    // percentage of the income as text; " " when not a percentage
    int Percent = 0;     // Stav as a number, 0 when blank
    bool Visible = false;     // the amount field is shown
    bool Enabled = false;     // the user types the amount; otherwise it is computed
    bool Equivalent = false;  // the amount is the income, up to MaxSum
    Money MaxSum;             // ceiling of the amount; zero for none

    bool operator==(const DeductionEntry&) const = default;
};

struct IncomeEntry {
    std::string Stav;  // tax group as text: "13", "35", "9", "14", "99"
    std::string Code;
    std::string Name;
    bool NRez13 = false;    // a non-resident may have it taxed at 13 %
    bool SaleDate = false;  // a sale of property or securities
    std::vector<DeductionEntry> Deductions;

    bool operator==(const IncomeEntry&) const = default;
};

// The code that grants no deduction; it ends every non-empty deduction list.
inline constexpr std::string_view kNoDeductionCode = "0";

class IncomeDictionary {
public:
    // Parses the dictionary from its XML bytes (encoding as declared in the document).
    // Throws EIncomeDictionaryError on anything that is not a well-formed dictionary.
    static IncomeDictionary Parse(std::string_view xml);
    // The bytes compiled into the program, exactly as they are in data/IncomeDict.xml.
    static std::string_view EmbeddedBytes();
    // A fresh dictionary parsed from the compiled-in bytes.
    static IncomeDictionary LoadEmbedded();

    const std::vector<IncomeEntry>& Incomes() const { return incomes_; }
    // The first income with this code, or nullptr.
    const IncomeEntry* FindIncome(std::string_view code) const;
    // All incomes when rateFilter is empty; otherwise those whose tax group is
    // rateFilter, and when nonResidentOnly those a non-resident may have at 13 %.
    std::vector<const IncomeEntry*> IncomesFor(std::string_view rateFilter, bool nonResidentOnly) const;
    // The deductions offered with an income, in dictionary order; a non-resident gets
    // only those the law allows him. Empty for an unknown income code.
    std::vector<const DeductionEntry*> DeductionsFor(std::string_view incomeCode, bool resident) const;

private:
    std::vector<IncomeEntry> incomes_;
};

// Whether a non-resident may have this deduction: securities expenses (codes "20…"),
// the gift and aid deductions ("5…") and the entry that grants none.
bool DeductionAllowedForNonResident(std::string_view deductionCode);

// Whether a non-resident may have a deduction with this income at all: securities
// operations and the gifts, aid and prizes that are free up to a limit.
bool NonResidentMayDeduct(int32_t incomeCode);

// Incomes from operations with securities and derivatives (1530 … 1541, 9537, 9538),
// whose expenses are not bounded by the income and may be nil.
bool IsSecuritiesOperationIncome(int32_t incomeCode);

// A rate or percentage text as a number: 0 when blank, otherwise its decimal digits.
// Throws EConvertError for any other text.
int RateNumber(std::string_view text);

}  // namespace kvz
