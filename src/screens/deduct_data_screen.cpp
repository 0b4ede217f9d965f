#include "screens/deduct_data_screen.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/section.h"
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
    : TThinkingFrame(declaration, resources, parent), Buttons_(new QButtonGroup(this)), Body_(new QVBoxLayout) {
    // Two rows of two: the long captions keep the section within a small screen.
    auto* buttons = new QGridLayout;
    int place = 0;
    for (const PageButton& b : kPageButtons) {
        auto* button = new QPushButton(QString::fromUtf8(b.text));
        button->setObjectName(QString::fromLatin1(b.name));
        button->setCheckable(true);
        button->setToolTip(button->text());
        Buttons_->addButton(button, b.page);
        buttons->addWidget(button, place / 2, place % 2);
        ++place;
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addLayout(Body_, 1);
    connect(Buttons_, &QButtonGroup::idClicked, this, [this](int page) { ShowPage(page); });
    ShowPage(kPageStandard);
}

TfrFrameDeductData::~TfrFrameDeductData() = default;

void TfrFrameDeductData::Store() {
    if (Current_) Current_->Store();
}

uint32_t TfrFrameDeductData::Validate() { return Current_ ? Current_->Validate() : 0; }

void TfrFrameDeductData::FocusField(int, int field) {
    const int page = DeductionPageOf(field);
    if (Buttons_->button(page) == nullptr) return;
    // The property page is focused on the object the check named; the others on their first field.
    if (ShowPage(page)) Current_->FocusField(kNoPage, page == kPageProperty ? DeductionRowOf(field) : 1);
}

bool TfrFrameDeductData::ShowPage(int page) {
    if (Current_ && page == Shown_) return true;
    if (Current_) {
        Current_->Store();
        if (const uint32_t field = Current_->Validate(); field != 0) {
            Buttons_->button(Shown_)->setChecked(true);
            Current_->FocusField(kNoPage, static_cast<int>(field));
            return false;
        }
    }
    std::unique_ptr<TThinkingFrame> screen = CreatePage(page);
    connect(screen.get(), &TThinkingFrame::documentModified, this, &TThinkingFrame::documentModified);
    std::unique_ptr<TThinkingFrame> old = std::exchange(Current_, std::move(screen));
    if (old) Body_->removeWidget(old.get());
    old.reset();
    Body_->addWidget(Current_.get());
    Shown_ = page;
    Buttons_->button(page)->setChecked(true);
    return true;
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
