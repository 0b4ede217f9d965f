#include "screens/section_screen_factory.h"

#include "screens/business_screen.h"
#include "screens/currency_screen.h"
#include "screens/deduct_data_screen.h"
#include "screens/initial_data_screen.h"
#include "screens/invest_tov_screen.h"
#include "screens/person_data_screen.h"
#include "screens/russian_income_screen.h"

namespace kvz {

namespace {

using ScreenMaker = std::unique_ptr<TThinkingFrame> (*)(mTDeclaration&, const ScreenResources&, QWidget*);

template <class Screen>
std::unique_ptr<TThinkingFrame> Make(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent) {
    return std::make_unique<Screen>(declaration, resources, parent);
}

struct SectionScreen {
    Section section;
    ScreenMaker make;
};

constexpr SectionScreen kSectionScreens[] = {
    {Section::Conditions, Make<TfrInitialData>},       {Section::Taxpayer, Make<TfrPersonData>},
    {Section::RussianIncome, Make<TfrRussianIncome>}, {Section::ForeignIncome, Make<TfrCurrency>},
    {Section::Business, Make<TfrBusinessNew>},         {Section::Deductions, Make<TfrFrameDeductData>},
    {Section::InvestTov, Make<TfrInvestTov>},
};

}  // namespace

std::unique_ptr<TThinkingFrame> CreateSectionScreen(Section section, mTDeclaration& declaration,
                                                    const ScreenResources& resources, QWidget* parent) {
    for (const SectionScreen& s : kSectionScreens)
        if (s.section == section) return s.make(declaration, resources, parent);
    return nullptr;
}

}  // namespace kvz
