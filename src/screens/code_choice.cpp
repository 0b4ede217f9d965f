#include "screens/code_choice.h"

#include <QHBoxLayout>
#include <QLineEdit>

#include "screens/pick_button.h"
#include "screens/pick_lists.h"
#include "screens/screen_widgets.h"

namespace kvz {

TCodeChoice::TCodeChoice(const QString& panelName, const QString& buttonName, const QString& hint, ListFactory list)
    : Panel_(NewChoicePanel(panelName)) {
    Button_ = new TPickButton(
        buttonName, hint, [this, list](QWidget* parent) { return list(Code_, parent); },
        [this] { return TwoDigitCode(Code_); },
        [this](const std::string& code, const std::string& name) { Take(code, name); });
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel_, 1);
    layout->addWidget(Button_);
    Button_->TypedInto(Panel_);
    setFocusProxy(Button_);
}

bool TCodeChoice::Chosen() const { return !Panel_->text().isEmpty(); }

void TCodeChoice::Take(const std::string& code, const std::string& name) {
    const QString shown = QString::fromStdString(name);
    if (shown.isEmpty() || shown == Panel_->text()) return;
    Code_ = static_cast<uint16_t>(QString::fromStdString(code).toInt());
    Panel_->setText(shown);
    emit changed();
}

void TCodeChoice::Bind(TFieldBinder& binder, FieldAccess<uint16_t> code, FieldAccess<std::string> name) {
    binder.Watch(this, &TCodeChoice::changed);
    binder.BindCustom(
        this, code.Scope,
        [=, this] {
            Code_ = code.Get();
            Panel_->setText(QString::fromStdString(name.Get()));
        },
        [=, this] {
            const std::string shown = Panel_->text().toStdString();
            if (code.Get() == Code_ && name.Get() == shown) return false;
            code.Set(Code_);
            name.Set(shown);
            return true;
        });
}

}  // namespace kvz
