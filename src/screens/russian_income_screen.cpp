#include "screens/russian_income_screen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include <span>

#include "checks/section.h"
#include "model/declaration.h"
#include "screens/rate_source_screens.h"
#include "screens/screen_widgets.h"
#include "screens/thirteen_percent_screen.h"

namespace kvz {

namespace {

struct GroupButton {
    const char* name;
    const char* badge;  // the picture's caption
    const char* hint;
    int group;
    bool hidden;
};

// In the order they stand; the 30 % and 15 % buttons show the 35 % screen and are
// hidden, as their rates have no screen of their own.
const GroupButton kResidentButtons[] = {
    {"fbThirteen", "13%",
     "Доходы, облагаемые по ставке 13% (КРОМЕ ДИВИДЕНДОВ), полученные от налоговых агентов или иных источников "
     "выплаты, в т.ч. от физических лиц",
     kGroupThirteen, false},
    {"fbNine", "9%", "Доходы, облагаемые по ставке 9% (НЕ дивиденды)", kGroupNine, false},
    {"fbThirtyFive", "35%", "Доходы, облагаемые по ставке 35%", kGroupThirtyFive, false},
    {"fbThirty", "30%", "Доходы, облагаемые по ставке 30%", kGroupThirtyFive, true},
    {"fbFifteen", "15%", "Доходы, облагаемые по ставке 15%", kGroupThirtyFive, true},
    {"fbThirteenNR", "ВКС", "Доходы нерезидентов, высококвалифицированных специалистов", kGroupThirteenNR, true},
    {"fbDividends", "Див.", "Дивиденды", kGroupDividends, false},
};

// A non-resident's first button has the 30 % picture, the second the 15 % one and
// the dividends; the 35 % and dividend buttons go and the specialists' comes.
const GroupButton kNonResidentButtons[] = {
    {"fbThirteen", "30%", "Доходы нерезидента", kGroupThirteen, false},
    {"fbNine", "15%", "Дивиденды", kGroupDividends, false},
    {"fbThirtyFive", "35%", "Доходы, облагаемые по ставке 35%", kGroupThirtyFive, true},
    {"fbThirty", "30%", "Доходы, облагаемые по ставке 30%", kGroupThirtyFive, true},
    {"fbFifteen", "15%", "Доходы, облагаемые по ставке 15%", kGroupThirtyFive, true},
    {"fbThirteenNR", "ВКС", "Доходы нерезидентов, высококвалифицированных специалистов", kGroupThirteenNR, false},
    {"fbDividends", "Див.", "Дивиденды", kGroupDividends, true},
};

std::span<const GroupButton> ButtonsOf(bool resident) {
    if (resident) return kResidentButtons;
    return kNonResidentButtons;
}

QToolButton* NewGroupButton(const GroupButton& b) {
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(b.name));
    button->setIcon(BadgePicture(QString::fromUtf8(b.badge), 40));
    button->setIconSize(QSize(40, 40));
    button->setToolTip(QString::fromUtf8(b.hint));
    button->setAccessibleName(QString::fromUtf8(b.hint));
    button->setAutoRaise(true);
    button->setHidden(b.hidden);
    return button;
}

}  // namespace

TfrRussianIncome::TfrRussianIncome(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TPagedFrame(declaration, resources, parent),
      Resident_(declaration.DeclarationKind != kDecl3NdflNonResident),
      lblGroup_(new QLabel) {
    setObjectName(QStringLiteral("TfrRussianIncome"));
    auto* buttons = new QHBoxLayout;
    for (const GroupButton& b : ButtonsOf(Resident_)) {
        QToolButton* button = NewGroupButton(b);
        AddPageButton(button, b.group);
        buttons->addWidget(button);
    }
    lblGroup_->setObjectName(QStringLiteral("lblGroup"));
    lblGroup_->setWordWrap(true);
    buttons->addWidget(lblGroup_, 1);
    PlaceButtons(buttons);
    JumpToPage(kGroupThirteen);
}

void TfrRussianIncome::FocusField(int group, int row) {
    if (group < kGroupThirteen || group > kGroupNine) return;
    JumpToPage(group);
    PageScreen()->FocusField(kNoPage, row);
}

std::unique_ptr<TThinkingFrame> TfrRussianIncome::CreatePage(int group) {
    for (const GroupButton& b : ButtonsOf(Resident_))
        if (b.group == group && !b.hidden) lblGroup_->setText(QString::fromUtf8(b.hint));
    mTDeclaration& d = Declaration();
    switch (group) {
        case kGroupDividends: return std::make_unique<TfrThirtyPercent>(d, Resources(), this);
        case kGroupThirtyFive: return std::make_unique<TfrThirtyFivePercent>(d, Resources(), this);
        case kGroupThirteenNR: return std::make_unique<TTfrThirteenPercentNR>(d, Resources(), this);
        case kGroupNine: return std::make_unique<TfrNinePercent>(d, Resources(), this);
        default: return std::make_unique<TfrThirteenPercent>(d, Resources(), this);
    }
}

}  // namespace kvz
