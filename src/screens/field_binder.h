#pragma once
// Ties the editors of a screen to the fields of the declaration. Each screen
// declares its fields once; the binder fills the editors (without counting that as
// an edit), writes back on Store only what the user actually changed, and reports
// every edit through documentModified().
//
// An editor's objectName is the field's name, so that anything looking for the
// editor of a field finds it by that name.
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "storage/dates.h"
#include "storage/money.h"

class QButtonGroup;
class QCheckBox;
class QDate;
class QDateEdit;
class QSpinBox;
class QWidget;

namespace kvz {

class TCheckedLineEdit;
class TMaskedEdit;

// How a binding reaches its field: directly, or through the model's own setter.
template <class T>
struct FieldAccess {
    FieldAccess(T& field) : Get([&field] { return field; }), Set([&field](const T& v) { field = v; }) {}
    FieldAccess(std::function<T()> get, std::function<void(const T&)> set) : Get(std::move(get)), Set(std::move(set)) {}
    std::function<T()> Get;
    std::function<void(const T&)> Set;
};

class TFieldBinder : public QObject {
    Q_OBJECT
public:
    // `root` is the screen; "enabled" below means enabled within it, whatever the
    // state of the window around it.
    explicit TFieldBinder(QWidget* root);

    // Text fields keep the declaration's text; `onlyWhenEnabled` leaves the field
    // alone on Store while its editor is disabled.
    void BindText(TCheckedLineEdit* edit, const char* name, FieldAccess<std::string> field,
                  bool onlyWhenEnabled = false);
    // Amounts with the decimal comma; an empty editor is 0, and 0 shows empty.
    void BindMoney(TMaskedEdit* edit, const char* name, FieldAccess<Money> field);
    // Whole numbers typed as digits; an empty editor is 0.
    void BindInteger(TMaskedEdit* edit, const char* name, FieldAccess<int32_t> field);
    void BindSpin(QSpinBox* spin, const char* name, FieldAccess<int32_t> field);
    void BindCheck(QCheckBox* box, const char* name, FieldAccess<bool> field);
    void BindDate(QDateEdit* edit, const char* name, FieldAccess<DateTime> field);
    // A group of radio buttons whose ids are the field's values.
    void BindChoice(QButtonGroup* group, const char* name, FieldAccess<uint8_t> field);
    // An editor of its own kind: `fill` shows the field, `store` writes it back and
    // tells whether that changed anything.
    void BindCustom(std::function<void()> fill, std::function<bool()> store) {
        Add({std::move(fill), std::move(store)});
    }

    // Shows the declaration's values; sends no documentModified().
    void Fill();
    // Writes back the editors the user changed since Fill or the last Store whose
    // value differs from the field's; true when anything was written.
    bool Store();
    bool Loading() const { return Loading_; }

    // Runs `fill` as a part of filling: editor changes inside it are no edits.
    void WhileLoading(const std::function<void()>& fill);
    // Connects an editor's change signal so that it counts as an edit.
    template <class Sender, class Signal>
    void Watch(Sender* sender, Signal signal) {
        connect(sender, signal, this, &TFieldBinder::OnEdited);
    }

signals:
    void documentModified();

private:
    // Each binding remembers the editor state of the last Fill or Store: only a
    // state that differs from it is the user's edit. A value the editor cannot
    // show exactly (an amount with more decimals than the field takes, a number
    // beyond a spin box) is thus never overwritten by what the editor shows.
    struct Binding {
        std::function<void()> Fill;
        std::function<bool()> Store;
    };
    void OnEdited();
    void Add(Binding binding) { Bindings_.push_back(std::move(binding)); }

    QWidget* Root_;
    std::vector<Binding> Bindings_;
    bool Loading_ = false;
};

// Text of an amount on the screens: decimal comma, shortest form, 0 as empty.
QString MoneyScreenText(Money value);
// An amount typed on a screen; empty (or blank) is 0. Throws EConvertError.
Money MoneyFromScreenText(const QString& text);
// The calendar date of a day count (its time of day dropped), and back.
QDate DateOfDayCount(DateTime day);
DateTime DayCountOfDate(const QDate& date);

}  // namespace kvz
