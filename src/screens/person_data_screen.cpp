#include "screens/person_data_screen.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "checks/section.h"
#include "model/declaration.h"
#include "screens/person_address_page.h"
#include "screens/person_naim_page.h"

namespace kvz {

namespace {

QPushButton* NewPageButton(const QString& text, const QString& name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setCheckable(true);
    return button;
}

}  // namespace

TfrPersonData::TfrPersonData(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TThinkingFrame(declaration, parent), Resources_(resources), PageButtons_(new QButtonGroup(this)) {
    QPushButton* name = NewPageButton(QStringLiteral("Сведения о ФИО и документе, удостоверяющем личность"),
                                      QStringLiteral("fbPersonName"));
    QPushButton* address = NewPageButton(QStringLiteral("Сведения о месте жительства"), QStringLiteral("fbPersonAddress"));
    address->setVisible(declaration.DeclarationKind != kDecl4Ndfl);
    PageButtons_->addButton(name, kPageName);
    PageButtons_->addButton(address, kPageAddress);
    connect(PageButtons_, &QButtonGroup::idClicked, this, &TfrPersonData::OnPageClicked);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(name);
    buttons->addWidget(address);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    PageArea_ = new QVBoxLayout;
    layout->addLayout(PageArea_, 1);
    ShowPage(kPageName);
}

TfrPersonData::~TfrPersonData() = default;

void TfrPersonData::ShowPage(int page) {
    std::unique_ptr<TThinkingFrame> next;
    if (page == kPageAddress)
        next = std::make_unique<TfrPersonAddress>(Declaration(), Resources_, this);
    else
        next = std::make_unique<TfrPersonNaim>(Declaration(), Resources_, this);
    connect(next.get(), &TThinkingFrame::documentModified, this, &TThinkingFrame::documentModified);
    PageArea_->addWidget(next.get());
    Page_ = std::move(next);
    CurrentPage_ = page;
    PageButtons_->button(page)->setChecked(true);
}

void TfrPersonData::OnPageClicked(int page) {
    if (page == CurrentPage_) return;
    if (!Page_->Store()) {
        PageButtons_->button(CurrentPage_)->setChecked(true);
        return;
    }
    if (const uint32_t row = Page_->Validate(); row != 0) {
        PageButtons_->button(CurrentPage_)->setChecked(true);
        Page_->FocusField(kNoPage, static_cast<int>(row));
        return;
    }
    ShowPage(page);
}

bool TfrPersonData::Store() { return Page_->Store(); }

uint32_t TfrPersonData::Validate() { return Page_->Validate(); }

void TfrPersonData::FocusField(int page, int field) {
    if (page == kPageName || page == kPageAddress) {
        if (page != CurrentPage_) ShowPage(page);
    }
    Page_->FocusField(kNoPage, field);
}

}  // namespace kvz
