#include "screens/field_binder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QSpinBox>

#include <memory>

#include "screens/masked_edit.h"
#include "storage/errors.h"

namespace kvz {

namespace {

const QDate kDayZero(1899, 12, 30);

}  // namespace

QString MoneyScreenText(Money value) {
    if (value.IsZero()) return {};
    return QString::fromStdString(MoneyToText(value, ','));
}

Money MoneyFromScreenText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return Money();
    return MoneyFromText(trimmed.toStdString(), ',');
}

QDate DateOfDayCount(DateTime day) {
    // Decoding keeps day counts of damaged documents inside the calendar.
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(day, year, month, dayOfMonth);
    return QDate(year, month, dayOfMonth);
}

DateTime DayCountOfDate(const QDate& date) { return static_cast<DateTime>(kDayZero.daysTo(date)); }

TFieldBinder::TFieldBinder(QWidget* root) : QObject(root), Root_(root) {}

void TFieldBinder::OnEdited() {
    if (!Loading_) emit documentModified();
}

void TFieldBinder::WhileLoading(const std::function<void()>& fill) {
    const bool was = Loading_;
    Loading_ = true;
    fill();
    Loading_ = was;
}

void TFieldBinder::Fill() {
    WhileLoading([this] {
        for (auto& binding : Bindings_) binding.Fill();
    });
}

bool TFieldBinder::Store() {
    bool changed = false;
    for (auto& binding : Bindings_) changed = binding.Store() || changed;
    return changed;
}

void TFieldBinder::BindText(TCheckedLineEdit* edit, const char* name, FieldAccess<std::string> field,
                            bool onlyWhenEnabled) {
    edit->setObjectName(QString::fromLatin1(name));
    Watch(edit, &TCheckedLineEdit::changed);
    auto shown = std::make_shared<QString>();
    Add({[=] {
             edit->LoadText(QString::fromStdString(field.Get()));
             *shown = edit->text();
         },
         [=, root = Root_] {
             if (edit->text() == *shown) return false;
             if (onlyWhenEnabled && !edit->isEnabledTo(root)) return false;
             *shown = edit->text();
             const std::string value = edit->text().toStdString();
             if (value == field.Get()) return false;
             field.Set(value);
             return true;
         }});
}

void TFieldBinder::BindMoney(TMaskedEdit* edit, const char* name, FieldAccess<Money> field) {
    edit->setObjectName(QString::fromLatin1(name));
    Watch(edit, &TCheckedLineEdit::changed);
    auto shown = std::make_shared<QString>();
    Add({[=] {
             edit->LoadText(MoneyScreenText(field.Get()));
             *shown = edit->text();
         },
         [=] {
             if (edit->text() == *shown) return false;
             Money value;
             try {
                 value = MoneyFromScreenText(edit->text());
             } catch (const EConvertError&) {
                 return false;  // beyond any amount the document holds: the field keeps its value
             }
             *shown = edit->text();
             if (value == field.Get()) return false;
             field.Set(value);
             return true;
         }});
}

void TFieldBinder::BindInteger(TMaskedEdit* edit, const char* name, FieldAccess<int32_t> field) {
    edit->setObjectName(QString::fromLatin1(name));
    Watch(edit, &TCheckedLineEdit::changed);
    auto shown = std::make_shared<QString>();
    Add({[=] {
             edit->LoadText(QString::number(field.Get()));
             *shown = edit->text();
         },
         [=] {
             if (edit->text() == *shown) return false;
             bool ok = false;
             const int32_t value = edit->text().isEmpty() ? 0 : edit->text().toInt(&ok);
             // Digits beyond the range of the field are not a number it can keep.
             if (!edit->text().isEmpty() && !ok) return false;
             *shown = edit->text();
             if (value == field.Get()) return false;
             field.Set(value);
             return true;
         }});
}

void TFieldBinder::BindSpin(QSpinBox* spin, const char* name, FieldAccess<int32_t> field) {
    spin->setObjectName(QString::fromLatin1(name));
    Watch(spin, &QSpinBox::valueChanged);
    auto shown = std::make_shared<int>();
    Add({[=] {
             spin->setValue(field.Get());
             *shown = spin->value();
         },
         [=] {
             if (spin->value() == *shown) return false;
             *shown = spin->value();
             if (spin->value() == field.Get()) return false;
             field.Set(spin->value());
             return true;
         }});
}

void TFieldBinder::BindCheck(QCheckBox* box, const char* name, FieldAccess<bool> field) {
    box->setObjectName(QString::fromLatin1(name));
    Watch(box, &QCheckBox::toggled);
    auto shown = std::make_shared<bool>();
    Add({[=] {
             box->setChecked(field.Get());
             *shown = box->isChecked();
         },
         [=] {
             if (box->isChecked() == *shown) return false;
             *shown = box->isChecked();
             if (box->isChecked() == field.Get()) return false;
             field.Set(box->isChecked());
             return true;
         }});
}

void TFieldBinder::BindDate(QDateEdit* edit, const char* name, FieldAccess<DateTime> field) {
    edit->setObjectName(QString::fromLatin1(name));
    Watch(edit, &QDateEdit::dateChanged);
    auto shown = std::make_shared<QDate>();
    Add({[=] {
             edit->setDate(DateOfDayCount(field.Get()));
             *shown = edit->date();
         },
         [=] {
             if (edit->date() == *shown) return false;
             *shown = edit->date();
             const DateTime value = DayCountOfDate(edit->date());
             if (value == field.Get()) return false;
             field.Set(value);
             return true;
         }});
}

void TFieldBinder::BindChoice(QButtonGroup* group, const char* name, FieldAccess<uint8_t> field) {
    group->setObjectName(QString::fromLatin1(name));
    connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) OnEdited();
    });
    auto shown = std::make_shared<int>();
    Add({[=] {
             if (QAbstractButton* button = group->button(field.Get())) {
                 button->setChecked(true);
             } else if (QAbstractButton* checked = group->checkedButton()) {
                 // A value with no button of its own shows no choice.
                 group->setExclusive(false);
                 checked->setChecked(false);
                 group->setExclusive(true);
             }
             *shown = group->checkedId();
         },
         [=] {
             const int id = group->checkedId();
             if (id == *shown || id < 0) return false;
             *shown = id;
             if (id == field.Get()) return false;
             field.Set(static_cast<uint8_t>(id));
             return true;
         }});
}

}  // namespace kvz
