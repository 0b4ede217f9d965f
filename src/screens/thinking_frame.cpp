#include "screens/thinking_frame.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QMessageBox>

#include "storage/document_paths.h"
#include "checks/screen_check_run.h"
#include "screens/field_binder.h"

namespace kvz {

TThinkingFrame::TThinkingFrame(mTDeclaration& declaration, QWidget* parent)
    : TThinkingFrame(declaration, ScreenResources{}, parent) {}

TThinkingFrame::TThinkingFrame(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : QWidget(parent), Declaration_(declaration), Resources_(resources), Binder_(new TFieldBinder(this)) {
    connect(Binder_, &TFieldBinder::documentModified, this, &TThinkingFrame::documentModified);
}

bool TThinkingFrame::Store() {
    const StoreResult bound = Binder_->Store();
    bool own = false, ownFailed = false;
    try {
        own = StoreOwn();
    } catch (const std::exception&) {
        ownFailed = true;  // a value derived from what was typed is beyond what the model holds
    }
    if (own || bound.changed) emit documentModified();
    if (!bound.failed && !ownFailed) return true;
    ReportRefused(bound.failedEditor);
    return false;
}

void TThinkingFrame::ReportRefused(QObject* editor) {
    if (Resources_.showMessage) {
        Resources_.showMessage(kValueNotStored);
    } else {
        QMessageBox::warning(this, QString::fromUtf8(kProgramTitle), QString::fromUtf8(kValueNotStored));
    }
    if (auto* widget = qobject_cast<QWidget*>(editor)) widget->setFocus();
    else if (auto* group = qobject_cast<QButtonGroup*>(editor); group && group->checkedButton())
        group->checkedButton()->setFocus();
}

uint32_t TThinkingFrame::Validate() { return AskFindings(Resources_.checkDialog, Findings()); }

void TThinkingFrame::FocusField(int, int field) { Focus_.Go(field); }

void TThinkingFrame::AddRule(std::function<void()> rule) { Rules_.push_back(std::move(rule)); }

void TThinkingFrame::ApplyRules() {
    Binder_->WhileLoading([this] {
        for (const auto& rule : Rules_) rule();
    });
}

void TThinkingFrame::FillItem(const std::function<void()>& more) {
    Binder_->FillItem();
    Binder_->WhileLoading([&] {
        if (more) more();
    });
    ApplyRules();
}

void TThinkingFrame::FillForm(const std::function<void()>& more) {
    Filled_ = true;
    Binder_->Fill();
    Binder_->WhileLoading([&] {
        if (more) more();
    });
    ApplyRules();
}

}  // namespace kvz
