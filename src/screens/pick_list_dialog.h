#pragma once
// The one pick list of the program: a modal list of codes and names with a row
// marked in advance. A double click or Enter takes the highlighted row, Escape
// leaves without a choice. Inspections, countries, regions, document types and
// income and deduction codes are all chosen with it, each through its CodePicker.
// Typing narrows the list to the rows whose code begins with the text or whose
// name holds its words; the arrow keys move within what is left. A name too long
// for its column shows whole in the row's tooltip.
#include <QDialog>
#include <QString>

#include <memory>
#include <string>

#include "model/code_picker.h"
#include "model/pick_list_filter.h"

class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kvz {

struct PickListCaptions {
    QString Title;
    QString CodeColumn;
    QString NameColumn;
};

class TPickListDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the picker's rows with its marked row; the picker must outlive the dialog.
    TPickListDialog(const PickListCaptions& captions, CodePicker& picker, QWidget* parent);
    TPickListDialog(const PickListCaptions& captions, std::unique_ptr<CodePicker> picker, QWidget* parent);

    // Marks the first row with `code` (see the picker for a code no row has).
    void Preselect(const std::string& code);
    // Chooses the row of a code the user typed beside the field; false when no
    // row has it.
    bool TakeTyped(const std::string& typed) { return SelectTypedCode(Picker_, typed); }
    std::string SelectedCode() const { return Picker_.SelectedCode(); }
    std::string SelectedName() const { return Picker_.SelectedName(); }

    QTreeWidget* List() const { return List_; }
    QLineEdit* Filter() const { return Filter_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // A further button beside "Да" and "Нет", for the dialogs that have one.
    QPushButton* AddExtraButton(const QString& text);

private:
    void OnCurrentChanged(QTreeWidgetItem* item);
    void ShowFocusedRow();
    // Hides the rows that do not match; the highlight moves to the first row left
    // when its row was hidden. With no row left "Да" cannot be chosen.
    void ApplyFilter(const QString& typed);

    std::unique_ptr<CodePicker> Owned_;
    CodePicker& Picker_;
    PickListFilter Search_;
    QLineEdit* Filter_;
    QTreeWidget* List_;
    QPushButton* Ok_;
    QHBoxLayout* Buttons_;
};

}  // namespace kvz
