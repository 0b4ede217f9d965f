#pragma once
// The one pick list of the program: a modal list of codes and names with a row
// marked in advance. A double click or Enter takes the highlighted row, Escape
// leaves without a choice. Inspections, countries, regions, document types and
// income and deduction codes are all chosen with it, each through its CodePicker.
#include <QDialog>
#include <QString>

#include <memory>
#include <string>

#include "model/code_picker.h"

class QHBoxLayout;
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
    std::string SelectedCode() const { return Picker_.SelectedCode(); }
    std::string SelectedName() const { return Picker_.SelectedName(); }

    QTreeWidget* List() const { return List_; }

protected:
    // A further button beside "Да" and "Нет", for the dialogs that have one.
    QPushButton* AddExtraButton(const QString& text);

private:
    void OnCurrentChanged(QTreeWidgetItem* item);
    void ShowFocusedRow();

    std::unique_ptr<CodePicker> Owned_;
    CodePicker& Picker_;
    QTreeWidget* List_;
    QHBoxLayout* Buttons_;
};

}  // namespace kvz
