#pragma once
// Ties the editors of a screen to the fields of the declaration. Each screen
// declares its fields once; the binder fills the editors (without counting that as
// an edit), writes back on Store only what the user actually changed, and reports
// every edit through documentModified().
//
// Fields of the item a list-and-detail screen shows (a source, an object, an
// activity) are bound apart from the section's own: showing another item refills
// only the item's editors, so nothing typed into the section's is lost.
//
// What the user typed is never dropped: a binding that may not write now (its
// field is switched off) writes nothing, keeps what is shown and writes it once it
// may; a value the field cannot take is reported, and stays shown.
//
// An editor's objectName is the field's name, so that anything looking for the
// editor of a field finds it by that name.
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
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

// Whose field a binding reaches: the section's (the declaration's own) or the
// item shown by a list-and-detail screen.
enum class FieldScope { Section, Item };

// How a binding reaches its field: directly, or through the model's own setter.
template <class T>
struct FieldAccess {
    FieldAccess(T& field) : Get([&field] { return field; }), Set([&field](const T& v) { field = v; }) {}
    FieldAccess(std::function<T()> get, std::function<void(const T&)> set, FieldScope scope = FieldScope::Section)
        : Get(std::move(get)), Set(std::move(set)), Scope(scope) {}

    // The field is written only while `writable` holds; until then what the user
    // typed stays shown and waits.
    FieldAccess When(std::function<bool()> writable) const {
        FieldAccess gated = *this;
        gated.Writable = std::move(writable);
        return gated;
    }

    std::function<T()> Get;
    std::function<void(const T&)> Set;
    FieldScope Scope = FieldScope::Section;
    std::function<bool()> Writable;  // none: always
};

// What one Store did.
struct StoreResult {
    bool changed = false;  // a field was written
    // A typed value the field could not take (it stays shown); the first such editor.
    bool failed = false;
    QObject* failedEditor = nullptr;
};

class TFieldBinder : public QObject {
    Q_OBJECT
public:
    // `root` is the screen; "enabled" below means enabled within it, whatever the
    // state of the window around it.
    explicit TFieldBinder(QWidget* root);

    // Text fields keep the declaration's text; `onlyWhenEnabled` writes the field
    // only while its editor is enabled.
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
    // tells whether that changed anything (an exception: the value was not taken).
    void BindCustom(QObject* editor, FieldScope scope, std::function<void()> fill, std::function<bool()> store);

    // Shows the declaration's values; sends no documentModified().
    void Fill();
    // Shows the values of another item in the item's editors only.
    void FillItem();
    // Writes back the editors the user changed since Fill or the last Store whose
    // value differs from the field's. No exception leaves it: a value the field
    // refuses is reported in the result and stays shown as an edit still to write.
    StoreResult Store();
    bool Loading() const { return Loading_; }

    // The bound editors (a button group for a choice), in the order bound.
    std::vector<QObject*> Editors(FieldScope scope) const;

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
    enum class Outcome { Unchanged, Written, Waiting, Refused };
    struct Binding {
        QObject* Editor;
        FieldScope Scope;
        std::function<void()> Fill;
        std::function<Outcome()> Store;
    };
    template <class S, class T>
    void BindState(QObject* editor, FieldAccess<T> field, std::function<S()> state, std::function<void(const T&)> show,
                   std::function<std::optional<T>(const S&)> read);
    void OnEdited();
    void FillWhere(const std::function<bool(const Binding&)>& which);

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
