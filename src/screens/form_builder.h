#pragma once
// Declares a screen's form: one call per field makes the label, the editor, its
// place in the grid, its binding to the model field and its focus number, so that
// a screen reads as the list of its fields:
//
//     TFormBuilder form(*this);
//     layout->addWidget(form.Group(QStringLiteral("Ф.И.О.")));
//     form.Text(QStringLiteral("Фамилия"), "Surname", p.Surname, {edtChar, 60}, kCheckFieldSurname);
//     form.Date(QStringLiteral("Дата рождения"), "BirthDate", p.BirthDate).VisibleWhen(notExpected);
//
// The editor's objectName is the field's name. Rows go into the grid of the last
// Group or Grid (label in column 0, editor with what stands beside it in column 1).
// The rules run when the form is filled and whenever the screen calls ApplyRules.
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "screens/field_binder.h"
#include "screens/masked_edit.h"

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QSpinBox;
class QWidget;

namespace kvz {

class TCodeChoice;
class TMaskedDocEdit;
class TThinkingFrame;

// What a text editor lets the user type: its kind and largest length (0 = any).
struct TextMask {
    TEditTypeControlEnum type = edtNone;
    int length = 0;
    // Stored only while the editor is enabled (a representative's texts).
    bool onlyWhenEnabled = false;
};

// One radio button of a choice: the field's value and the text; the objectName is
// "rb" + the choice's name + the value unless given.
struct ChoiceItem {
    int id;
    QString text;
    QString name = {};
};

// The widgets of one row (label, editor, what stands beside it) and the rules
// that show, hide, enable and disable them.
class RowWidgets {
public:
    RowWidgets(TThinkingFrame& screen, QLabel* label, QWidget* editor, QHBoxLayout* cell);

    // The row is shown while `rule` holds.
    void VisibleWhen(std::function<bool()> rule);
    // The editor and what stands beside it can be used while `rule` holds.
    void EnabledWhen(std::function<bool()> rule);
    // A widget beside the editor (a "..." button, a name panel).
    void Beside(QWidget* widget, int stretch = 0);

    QLabel* Label() const { return Label_; }

private:
    TThinkingFrame* Screen_;
    QLabel* Label_;
    QHBoxLayout* Cell_;
    std::shared_ptr<std::vector<QWidget*>> Used_;  // editor and what stands beside it
};

// A row the builder made, with its editor.
template <class Editor>
class FormRow : public RowWidgets {
public:
    FormRow(RowWidgets widgets, Editor* editor) : RowWidgets(std::move(widgets)), editor(editor) {}
    operator Editor*() const { return editor; }
    Editor* operator->() const { return editor; }

    FormRow& VisibleWhen(std::function<bool()> rule) { return RowWidgets::VisibleWhen(std::move(rule)), *this; }
    FormRow& EnabledWhen(std::function<bool()> rule) { return RowWidgets::EnabledWhen(std::move(rule)), *this; }
    FormRow& Beside(QWidget* widget, int stretch = 0) { return RowWidgets::Beside(widget, stretch), *this; }

    Editor* editor;
};

class TFormBuilder {
public:
    explicit TFormBuilder(TThinkingFrame& screen);

    // A titled group with a grid of its own; the rows that follow go into it.
    QGroupBox* Group(const QString& title);
    // A bare grid for the rows that follow.
    QGridLayout* Grid();

    FormRow<TMaskedEdit> Text(const QString& label, const char* name, FieldAccess<std::string> field, TextMask mask,
                              int focus = 0);
    // An amount: twelve whole digits and two decimals.
    FormRow<TMaskedEdit> Amount(const QString& label, const char* name, FieldAccess<Money> field, int focus = 0);
    FormRow<QSpinBox> Spin(const QString& label, const char* name, FieldAccess<int32_t> field, int maximum,
                           int focus = 0);
    // A date that cannot lie after today.
    FormRow<QDateEdit> Date(const QString& label, const char* name, FieldAccess<DateTime> field, int focus = 0);
    // The series and number of an identity document.
    FormRow<TMaskedDocEdit> DocSeries(const QString& label, const char* name, FieldAccess<std::string> field,
                                      int focus = 0);
    // Radio buttons across the grid, bound to a field whose values are their ids.
    QButtonGroup* Choice(const char* name, FieldAccess<uint8_t> field, const std::vector<ChoiceItem>& items,
                         Qt::Orientation orientation = Qt::Horizontal);
    // The same without a binding, for a choice the screen handles itself.
    QButtonGroup* Radios(const char* name, const std::vector<ChoiceItem>& items,
                         Qt::Orientation orientation = Qt::Horizontal);
    // A check box across the grid.
    QCheckBox* Check(const QString& text, const QString& name);
    // A field chosen from a list of numbered codes; focusing it opens the list.
    FormRow<TCodeChoice> CodeChoice(const QString& label, TCodeChoice* choice, FieldAccess<uint16_t> code,
                                    FieldAccess<std::string> name, int focus);
    // Any editor in a labelled row; `focus` puts the focus on it.
    template <class Editor>
    FormRow<Editor> Row(const QString& label, Editor* editor, int focus = 0) {
        return FormRow<Editor>(AddRow(label, editor, focus), editor);
    }

private:
    RowWidgets AddRow(const QString& label, QWidget* editor, int focus);
    QBoxLayout* NewButtonLayout(Qt::Orientation orientation);

    TThinkingFrame& Screen_;
    QGridLayout* Grid_ = nullptr;
    int NextRow_ = 0;
};

}  // namespace kvz
