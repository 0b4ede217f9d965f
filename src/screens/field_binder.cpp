#include "screens/field_binder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QSpinBox>

#include <memory>
#include <optional>

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

void TFieldBinder::FillWhere(const std::function<bool(const Binding&)>& which) {
    WhileLoading([&] {
        for (auto& binding : Bindings_)
            if (which(binding)) binding.Fill();
    });
}

void TFieldBinder::Fill() {
    FillWhere([](const Binding&) { return true; });
}

void TFieldBinder::FillItem() {
    FillWhere([](const Binding& binding) { return binding.Scope == FieldScope::Item; });
}

StoreResult TFieldBinder::Store() {
    StoreResult result;
    for (auto& binding : Bindings_) {
        Outcome outcome = Outcome::Refused;
        try {
            outcome = binding.Store();
        } catch (const std::exception&) {
            // The model refused the value (beyond its range, a sum that overflows):
            // the editor keeps it and the screen says so.
        }
        if (outcome == Outcome::Written) result.changed = true;
        if (outcome == Outcome::Refused && !result.failed) {
            result.failed = true;
            result.failedEditor = binding.Editor;
        }
    }
    return result;
}

std::vector<QObject*> TFieldBinder::Editors(FieldScope scope) const {
    std::vector<QObject*> editors;
    for (const auto& binding : Bindings_)
        if (binding.Scope == scope && binding.Editor) editors.push_back(binding.Editor);
    return editors;
}

void TFieldBinder::BindCustom(QObject* editor, FieldScope scope, std::function<void()> fill,
                              std::function<bool()> store) {
    Bindings_.push_back({editor, scope, std::move(fill), [store = std::move(store)] {
                             return store() ? Outcome::Written : Outcome::Unchanged;
                         }});
}

// Binds an editor whose state S (its text, number, date or choice) shows a value T
// of the field. Only a state that differs from the one last filled or stored is the
// user's edit. An edit the field may not take now waits; one that is no value of
// the field (`read` gives nothing), or that the field does not keep as given, is
// refused; either way the editor keeps it and it stays an edit still to write.
template <class S, class T>
void TFieldBinder::BindState(QObject* editor, FieldAccess<T> field, std::function<S()> state,
                             std::function<void(const T&)> show, std::function<std::optional<T>(const S&)> read) {
    auto shown = std::make_shared<S>();
    Bindings_.push_back({editor, field.Scope,
                         [=] {
                             show(field.Get());
                             *shown = state();
                         },
                         [=] {
                             const S now = state();
                             if (now == *shown) return Outcome::Unchanged;
                             if (field.Writable && !field.Writable()) return Outcome::Waiting;
                             const std::optional<T> value = read(now);
                             if (!value) return Outcome::Refused;
                             if (*value == field.Get()) {
                                 *shown = now;
                                 return Outcome::Unchanged;
                             }
                             field.Set(*value);
                             if (!(field.Get() == *value)) return Outcome::Refused;
                             *shown = now;
                             return Outcome::Written;
                         }});
}

namespace {

template <class T>
std::optional<T> Same(const T& value) {
    return value;
}

}  // namespace

void TFieldBinder::BindText(TCheckedLineEdit* edit, const char* name, FieldAccess<std::string> field,
                            bool onlyWhenEnabled) {
    edit->setObjectName(QString::fromLatin1(name));
    Watch(edit, &TCheckedLineEdit::changed);
    if (onlyWhenEnabled) field = field.When([edit, root = Root_] { return edit->isEnabledTo(root); });
    BindState<QString, std::string>(
        edit, std::move(field), [edit] { return edit->text(); },
        [edit](const std::string& v) { edit->LoadText(QString::fromStdString(v)); },
        [](const QString& text) { return std::optional<std::string>(text.toStdString()); });
}

void TFieldBinder::BindMoney(TMaskedEdit* edit, const char* name, FieldAccess<Money> field) {
    edit->setObjectName(QString::fromLatin1(name));
    Watch(edit, &TCheckedLineEdit::changed);
    BindState<QString, Money>(
        edit, std::move(field), [edit] { return edit->text(); },
        [edit](const Money& v) { edit->LoadText(MoneyScreenText(v)); },
        [](const QString& text) -> std::optional<Money> {
            try {
                return MoneyFromScreenText(text);
            } catch (const EConvertError&) {
                return std::nullopt;  // beyond any amount the document holds: refused, and still shown
            }
        });
}

void TFieldBinder::BindInteger(TMaskedEdit* edit, const char* name, FieldAccess<int32_t> field) {
    edit->setObjectName(QString::fromLatin1(name));
    Watch(edit, &TCheckedLineEdit::changed);
    BindState<QString, int32_t>(
        edit, std::move(field), [edit] { return edit->text(); },
        [edit](const int32_t& v) { edit->LoadText(QString::number(v)); },
        [](const QString& text) -> std::optional<int32_t> {
            if (text.isEmpty()) return 0;
            bool ok = false;
            const int32_t value = text.toInt(&ok);
            // Digits beyond the range of the field are not a number it can keep.
            if (!ok) return std::nullopt;
            return value;
        });
}

void TFieldBinder::BindSpin(QSpinBox* spin, const char* name, FieldAccess<int32_t> field) {
    spin->setObjectName(QString::fromLatin1(name));
    Watch(spin, &QSpinBox::valueChanged);
    BindState<int, int32_t>(
        spin, std::move(field), [spin] { return spin->value(); }, [spin](const int32_t& v) { spin->setValue(v); },
        Same<int32_t>);
}

void TFieldBinder::BindCheck(QCheckBox* box, const char* name, FieldAccess<bool> field) {
    box->setObjectName(QString::fromLatin1(name));
    Watch(box, &QCheckBox::toggled);
    BindState<bool, bool>(
        box, std::move(field), [box] { return box->isChecked(); }, [box](const bool& v) { box->setChecked(v); },
        Same<bool>);
}

void TFieldBinder::BindDate(QDateEdit* edit, const char* name, FieldAccess<DateTime> field) {
    edit->setObjectName(QString::fromLatin1(name));
    Watch(edit, &QDateEdit::dateChanged);
    BindState<QDate, DateTime>(
        edit, std::move(field), [edit] { return edit->date(); },
        [edit](const DateTime& v) { edit->setDate(DateOfDayCount(v)); },
        [](const QDate& date) { return std::optional<DateTime>(DayCountOfDate(date)); });
}

void TFieldBinder::BindChoice(QButtonGroup* group, const char* name, FieldAccess<uint8_t> field) {
    group->setObjectName(QString::fromLatin1(name));
    connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) OnEdited();
    });
    BindState<int, uint8_t>(
        group, std::move(field), [group] { return group->checkedId(); },
        [group](const uint8_t& v) {
            if (QAbstractButton* button = group->button(v)) {
                button->setChecked(true);
            } else if (QAbstractButton* checked = group->checkedButton()) {
                // A value with no button of its own shows no choice.
                group->setExclusive(false);
                checked->setChecked(false);
                group->setExclusive(true);
            }
        },
        [](const int& id) -> std::optional<uint8_t> {
            if (id < 0) return std::nullopt;
            return static_cast<uint8_t>(id);
        });
}

}  // namespace kvz
