#include "app/help_pages.h"

#include <vector>

namespace kvz {

std::string HelpPageOf(std::string_view name) {
    // Each page with the screens and dialogs it explains. The deductions screen has
    // no page of its own: the page shown inside it has.
    static const struct {
        const char* page;
        std::vector<std::string_view> names;
    } kPages[] = {
        {"help/conditions.htm", {"TfrInitialData"}},
        {"help/taxpayer.htm", {"TfrPersonData", "TfrPersonNaim", "TfrPersonAddress"}},
        {"help/russian_income.htm",
         {"TfrRussianIncome", "TfrThirteenPercent", "TTfrThirteenPercentNR", "TfrNinePercent", "TfrThirtyPercent",
          "TfrThirtyFivePercent"}},
        {"help/currency.htm", {"TfrCurrency"}},
        {"help/business.htm", {"TfrBusinessNew"}},
        {"help/investtov.htm", {"TfrInvestTov"}},
        {"help/deduct_standard.htm", {"TfrFrameStandartDeduct"}},
        {"help/deduct_social.htm", {"TfrFramePensDeduct"}},
        {"help/deduct_property.htm", {"TfrMultyConstructionDeduct"}},
        {"help/deduct_losses.htm", {"TfrCB"}},
        {"help/result_panel.htm", {"ResultPanel"}},
        // The inspection directory is explained where its updating is.
        {"help/EditSOUN.htm", {"TfmInputInspectionNumber", "TfmLoadSoun"}},
        {"help/import_2ndfl.htm", {"TfmNdfl2Import"}},
    };
    for (const auto& p : kPages)
        for (std::string_view own : p.names)
            if (own == name) return p.page;
    return {};
}

}  // namespace kvz
