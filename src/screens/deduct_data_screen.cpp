#include "screens/deduct_data_screen.h"

#include <algorithm>

#include <QGridLayout>
#include <QPushButton>

#include "checks/section.h"
#include "screens/cb_screen.h"
#include "screens/construction_deduct_screen.h"
#include "screens/pens_deduct_screen.h"
#include "screens/standart_deduct_screen.h"

namespace kvz {

namespace {

struct PageButton {
    int page;
    const char* name;
    const char* text;
};

constexpr PageButton kPageButtons[] = {
    {TfrFrameDeductData::kPageStandard, "fbStandartDeduct", "Стандартные налоговые вычеты"},
    {TfrFrameDeductData::kPageSocial, "fbPensDeduct", "Социальные налоговые вычеты"},
    {TfrFrameDeductData::kPageProperty, "fbConstructionDeduct", "Имущественный налоговый вычет на строительство"},
    {TfrFrameDeductData::kPageLosses, "fbCB",
     "Убытки прошлых налоговых периодов по операциям с ЦБ и инвестиционный вычет"},
};

}  // namespace

TfrFrameDeductData::TfrFrameDeductData(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TPagedFrame(declaration, resources, parent) {
    // Two rows of two: the long captions keep the section within a small screen.
    auto* buttons = new QGridLayout;
    int place = 0;
    for (const PageButton& b : kPageButtons) {
        auto* button = new QPushButton(QString::fromUtf8(b.text));
        button->setObjectName(QString::fromLatin1(b.name));
        button->setToolTip(button->text());
        AddPageButton(button, b.page);
        buttons->addWidget(button, place / 2, place % 2);
        ++place;
    }
    PlaceButtons(buttons);
    ShowPage(kPageStandard);
}

void TfrFrameDeductData::FocusField(int, int field) {
    const int page = DeductionPageOf(field);
    const bool known = std::any_of(std::begin(kPageButtons), std::end(kPageButtons),
                                   [page](const PageButton& b) { return b.page == page; });
    // The property page is focused on the object the check named, the social page on
    // the field it named (its numbers are the check's), the others on their first field.
    const int focus = page == kPageProperty ? DeductionRowOf(field) : page == kPageSocial ? field : 1;
    if (known && ShowPage(page)) PageScreen()->FocusField(kNoPage, focus);
}

std::unique_ptr<TThinkingFrame> TfrFrameDeductData::CreatePage(int page) {
    switch (page) {
        case kPageSocial: return std::make_unique<TfrFramePensDeduct>(Declaration(), Resources(), this);
        case kPageProperty: return std::make_unique<TfrMultyConstructionDeduct>(Declaration(), Resources(), this);
        case kPageLosses: return std::make_unique<TfrCB>(Declaration(), Resources(), this);
        default: return std::make_unique<TfrFrameStandartDeduct>(Declaration(), Resources(), this);
    }
}

}  // namespace kvz
