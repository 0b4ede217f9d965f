#include "screens/thinking_frame.h"

#include "checks/screen_check_run.h"
#include "screens/field_binder.h"

namespace kvz {

TThinkingFrame::TThinkingFrame(mTDeclaration& declaration, QWidget* parent)
    : TThinkingFrame(declaration, ScreenResources{}, parent) {}

TThinkingFrame::TThinkingFrame(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : QWidget(parent), Declaration_(declaration), Resources_(resources), Binder_(new TFieldBinder(this)) {
    connect(Binder_, &TFieldBinder::documentModified, this, &TThinkingFrame::documentModified);
}

void TThinkingFrame::Store() {
    const bool bound = Binder_->Store();
    if (StoreOwn() || bound) emit documentModified();
}

uint32_t TThinkingFrame::Validate() { return AskFindings(Resources_.checkDialog, Findings()); }

void TThinkingFrame::FocusField(int, int field) { Focus_.Go(field); }

void TThinkingFrame::AddRule(std::function<void()> rule) { Rules_.push_back(std::move(rule)); }

void TThinkingFrame::ApplyRules() {
    Binder_->WhileLoading([this] {
        for (const auto& rule : Rules_) rule();
    });
}

void TThinkingFrame::FillForm(const std::function<void()>& more) {
    Binder_->Fill();
    Binder_->WhileLoading([&] {
        if (more) more();
    });
    ApplyRules();
}

}  // namespace kvz
