#include "app/help_pages.h"

namespace kvz {

namespace {

constexpr const char* kConditions = "help/conditions.htm";
constexpr const char* kTaxpayer = "help/taxpayer.htm";
constexpr const char* kRussianIncome = "help/russian_income.htm";
constexpr const char* kInspections = "help/EditSOUN.htm";

constexpr ScreenHelpPage kPages[] = {
    {"TfrInitialData", kConditions},
    {"TfrPersonData", kTaxpayer},
    {"TfrPersonNaim", kTaxpayer},
    {"TfrPersonAddress", kTaxpayer},
    {"TfrRussianIncome", kRussianIncome},
    {"TfrThirteenPercent", kRussianIncome},
    {"TTfrThirteenPercentNR", kRussianIncome},
    {"TfrNinePercent", kRussianIncome},
    {"TfrThirtyPercent", kRussianIncome},
    {"TfrThirtyFivePercent", kRussianIncome},
    {"TfrCurrency", "help/currency.htm"},
    {"TfrBusinessNew", "help/business.htm"},
    {"TfrInvestTov", "help/investtov.htm"},
    // The deductions screen has no page of its own: the page shown inside it has.
    {"TfrFrameStandartDeduct", "help/deduct_standard.htm"},
    {"TfrFramePensDeduct", "help/deduct_social.htm"},
    {"TfrMultyConstructionDeduct", "help/deduct_property.htm"},
    {"TfrCB", "help/deduct_losses.htm"},
    // The inspection directory is explained where its updating is.
    {"TfmInputInspectionNumber", kInspections},
    {"TfmLoadSoun", kInspections},
};

}  // namespace

std::span<const ScreenHelpPage> ScreenHelpPages() { return kPages; }

std::string HelpPageOf(std::string_view name) {
    for (const ScreenHelpPage& p : kPages)
        if (name == p.name) return p.page;
    return {};
}

}  // namespace kvz
