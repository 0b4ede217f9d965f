#include "screens/form_builder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "screens/code_choice.h"
#include "screens/masked_doc_edit.h"
#include "screens/pick_button.h"
#include "screens/screen_widgets.h"
#include "screens/thinking_frame.h"

namespace kvz {

namespace {

constexpr int kAmountWholeLength = 12;
constexpr int kAmountFractionLength = 2;

}  // namespace

RowWidgets::RowWidgets(TThinkingFrame& screen, QLabel* label, QWidget* editor, QHBoxLayout* cell)
    : Screen_(&screen), Label_(label), Cell_(cell), Used_(std::make_shared<std::vector<QWidget*>>(1, editor)) {}

void RowWidgets::VisibleWhen(std::function<bool()> rule) {
    Screen_->AddRule([label = Label_, used = Used_, rule = std::move(rule)] {
        const bool visible = rule();
        if (label) label->setVisible(visible);
        for (QWidget* w : *used) w->setVisible(visible);
    });
}

void RowWidgets::EnabledWhen(std::function<bool()> rule) {
    // The label greys with its editor, so that the row reads as one.
    Screen_->AddRule([label = Label_, used = Used_, rule = std::move(rule)] {
        const bool enabled = rule();
        if (label) label->setEnabled(enabled);
        for (QWidget* w : *used) w->setEnabled(enabled);
    });
}

void RowWidgets::Beside(QWidget* widget, int stretch) {
    Cell_->insertWidget(Cell_->count() - 1, widget, stretch);  // before the row's closing stretch
    Used_->push_back(widget);
}

TFormBuilder::TFormBuilder(TThinkingFrame& screen) : Screen_(screen) {}

QGroupBox* TFormBuilder::Group(const QString& title) {
    auto* box = new QGroupBox(title);
    Grid_ = new QGridLayout(box);
    Grid_->setColumnStretch(1, 1);
    NextRow_ = 0;
    return box;
}

QGridLayout* TFormBuilder::Grid() {
    Grid_ = new QGridLayout;
    Grid_->setColumnStretch(1, 1);
    NextRow_ = 0;
    return Grid_;
}

RowWidgets TFormBuilder::AddRow(const QString& label, QWidget* editor, int focus) {
    auto* title = label.isEmpty() ? nullptr : new QLabel(label);
    auto* cell = new QHBoxLayout;
    cell->addWidget(editor, 1);
    // Takes only what widgets of limited width leave over, so that a short editor
    // stays at the start of its row instead of floating in the middle.
    cell->addStretch(0);
    if (title) Grid_->addWidget(title, NextRow_, 0);
    Grid_->addLayout(cell, NextRow_++, 1);
    if (focus != 0) Screen_.RegisterFocus(focus, editor);
    return RowWidgets(Screen_, title, editor, cell);
}

FormRow<TMaskedEdit> TFormBuilder::Text(const QString& label, const char* name, FieldAccess<std::string> field,
                                        TextMask mask, int focus) {
    auto* edit = new TMaskedEdit(mask.type, mask.length);
    Screen_.Binder().BindText(edit, name, std::move(field), mask.onlyWhenEnabled);
    return Row(label, edit, focus);
}

FormRow<TMaskedEdit> TFormBuilder::Amount(const QString& label, const char* name, FieldAccess<Money> field, int focus) {
    auto* edit = new TMaskedEdit(edtCurrency, kAmountWholeLength, kAmountFractionLength);
    Screen_.Binder().BindMoney(edit, name, std::move(field));
    return Row(label, edit, focus);
}

FormRow<QSpinBox> TFormBuilder::Spin(const QString& label, const char* name, FieldAccess<int32_t> field, int maximum,
                                     int focus) {
    auto* spin = new QSpinBox;
    spin->setRange(0, maximum);
    spin->setMaximumWidth(80);
    Screen_.Binder().BindSpin(spin, name, std::move(field));
    auto row = Row(label, spin, focus);
    row.Beside(new QWidget, 1);  // keeps the box narrow
    return row;
}

FormRow<QDateEdit> TFormBuilder::Date(const QString& label, const char* name, FieldAccess<DateTime> field, int focus) {
    QDateEdit* edit = NewPastDateEdit();
    Screen_.Binder().BindDate(edit, name, std::move(field));
    auto row = Row(label, edit, focus);
    row.Beside(new QWidget, 1);
    return row;
}

FormRow<TMaskedDocEdit> TFormBuilder::DocSeries(const QString& label, const char* name, FieldAccess<std::string> field,
                                                int focus) {
    auto* edit = new TMaskedDocEdit;
    Screen_.Binder().BindText(edit, name, std::move(field));
    return Row(label, edit, focus);
}

FormRow<TCodeChoice> TFormBuilder::CodeChoice(const QString& label, TCodeChoice* choice, FieldAccess<uint16_t> code,
                                              FieldAccess<std::string> name, int focus) {
    choice->Bind(Screen_.Binder(), std::move(code), std::move(name));
    auto row = Row(label, choice);
    Screen_.RegisterFocus(focus, choice->Button(), choice->Button());
    return row;
}

QBoxLayout* TFormBuilder::NewButtonLayout(Qt::Orientation orientation) {
    QBoxLayout* layout = orientation == Qt::Horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout)
                                                       : static_cast<QBoxLayout*>(new QVBoxLayout);
    Grid_->addLayout(layout, NextRow_++, 0, 1, 2);
    return layout;
}

QButtonGroup* TFormBuilder::Radios(const char* name, const std::vector<ChoiceItem>& items,
                                   Qt::Orientation orientation) {
    auto* group = new QButtonGroup(&Screen_);
    group->setObjectName(QString::fromLatin1(name));
    QBoxLayout* layout = NewButtonLayout(orientation);
    for (const ChoiceItem& item : items) {
        auto* button = new QRadioButton(item.text);
        button->setObjectName(item.name.isEmpty() ? QStringLiteral("rb%1%2").arg(QString::fromLatin1(name)).arg(item.id)
                                                  : item.name);
        group->addButton(button, item.id);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return group;
}

QButtonGroup* TFormBuilder::Choice(const char* name, FieldAccess<uint8_t> field, const std::vector<ChoiceItem>& items,
                                   Qt::Orientation orientation) {
    QButtonGroup* group = Radios(name, items, orientation);
    Screen_.Binder().BindChoice(group, name, std::move(field));
    return group;
}

QCheckBox* TFormBuilder::Check(const QString& text, const QString& name) {
    auto* box = new QCheckBox(text);
    box->setObjectName(name);
    Grid_->addWidget(box, NextRow_++, 0, 1, 2);
    return box;
}

}  // namespace kvz
