#include "screens/section_screen_factory.h"

#include "screens/deduct_data_screen.h"
#include "screens/business_screen.h"
#include "screens/currency_screen.h"
#include "screens/initial_data_screen.h"
#include "screens/invest_tov_screen.h"
#include "screens/not_available_screen.h"
#include "screens/person_data_screen.h"

namespace kvz {

namespace {

QString SectionTitle(Section section) {
    switch (section) {
        case Section::Conditions:
            return QStringLiteral("Задание условий");
        case Section::Taxpayer:
            return QStringLiteral("Сведения о декларанте");
        case Section::RussianIncome:
            return QStringLiteral("Доходы, полученные в РФ");
        case Section::ForeignIncome:
            return QStringLiteral("Доходы за пределами РФ");
        case Section::Business:
            return QStringLiteral("Предприниматели");
        case Section::Deductions:
            return QStringLiteral("Вычеты");
        case Section::InvestTov:
            return QStringLiteral("Инвест. товарищества");
    }
    return {};
}

}  // namespace

std::unique_ptr<TThinkingFrame> CreateSectionScreen(Section section, mTDeclaration& declaration,
                                                    const ScreenResources& resources, QWidget* parent) {
    switch (section) {
        case Section::Conditions:
            return std::make_unique<TfrInitialData>(declaration, resources, parent);
        case Section::Taxpayer:
            return std::make_unique<TfrPersonData>(declaration, resources, parent);
        case Section::Deductions:
            return std::make_unique<TfrFrameDeductData>(declaration, resources, parent);
        case Section::ForeignIncome:
            return std::make_unique<TfrCurrency>(declaration, resources, parent);
        case Section::Business:
            return std::make_unique<TfrBusinessNew>(declaration, resources, parent);
        case Section::InvestTov:
            return std::make_unique<TfrInvestTov>(declaration, resources, parent);
        default:
            break;
    }
    return std::make_unique<TfrNotAvailable>(SectionTitle(section), declaration, parent);
}

}  // namespace kvz
