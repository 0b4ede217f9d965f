#include "screens/paged_frame.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QVBoxLayout>

#include "checks/section.h"
#include "screens/screen_widgets.h"

namespace kvz {

TPagedFrame::TPagedFrame(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TThinkingFrame(declaration, resources, parent),
      Buttons_(new QButtonGroup(this)),
      Layout_(new QVBoxLayout(this)),
      Body_(new QVBoxLayout) {
    Layout_->setContentsMargins(0, 0, 0, 0);
    connect(Buttons_, &QButtonGroup::idClicked, this, [this](int id) { ShowPage(PageOfButton_.at(id)); });
}

TPagedFrame::~TPagedFrame() = default;

void TPagedFrame::AddPageButton(QAbstractButton* button, int page) {
    const int id = static_cast<int>(PageOfButton_.size());
    button->setCheckable(true);
    Buttons_->addButton(button, id);
    PageOfButton_[id] = page;
}

void TPagedFrame::PlaceButtons(QLayout* buttons) {
    Layout_->addLayout(buttons);
    Layout_->addLayout(Body_, 1);
}

bool TPagedFrame::Store() { return !Current_ || Current_->Store(); }

uint32_t TPagedFrame::Validate() { return Current_ ? Current_->Validate() : 0; }

bool TPagedFrame::ShowPage(int page) {
    if (Current_ && page == Shown_) {
        PressButtonOf(page);
        return true;
    }
    if (Current_) {
        if (!Current_->Store()) {
            PressButtonOf(Shown_);
            return false;
        }
        if (const uint32_t field = Current_->Validate(); field != 0) {
            PressButtonOf(Shown_);
            Current_->FocusField(kNoPage, static_cast<int>(field));
            return false;
        }
    }
    Open(page);
    return true;
}

void TPagedFrame::JumpToPage(int page) {
    if (!Current_ || page != Shown_) Open(page);
    PressButtonOf(page);
}

void TPagedFrame::Open(int page) {
    std::unique_ptr<TThinkingFrame> screen = CreatePage(page);
    connect(screen.get(), &TThinkingFrame::documentModified, this, &TThinkingFrame::documentModified);
    std::unique_ptr<TThinkingFrame> old = std::exchange(Current_, std::move(screen));
    if (old) {
        ReleaseFocus(old.get());
        Body_->removeWidget(old.get());
    }
    old.reset();
    Body_->addWidget(Current_.get());
    Shown_ = page;
    PressButtonOf(page);
}

// The first button that is not hidden shows the page (a hidden one stands for it
// only when no other does).
void TPagedFrame::PressButtonOf(int page) {
    QAbstractButton* chosen = nullptr;
    for (const auto& [id, shown] : PageOfButton_) {
        QAbstractButton* button = Buttons_->button(id);
        if (shown != page) continue;
        if (!chosen || (chosen->isHidden() && !button->isHidden())) chosen = button;
    }
    if (chosen) chosen->setChecked(true);
}

}  // namespace kvz
