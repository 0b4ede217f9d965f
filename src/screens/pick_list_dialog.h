#pragma once
// The one pick list of the program: a modal list of codes and names with a row
// marked in advance. A double click or Enter takes the highlighted row, Escape
// leaves without a choice. Inspections, countries, regions and document types
// are all chosen with it.
#include <QDialog>
#include <QString>

#include <string>
#include <vector>

#include "directory/inspection_picker.h"

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
    TPickListDialog(const PickListCaptions& captions, std::vector<DirectoryEntry> rows, QWidget* parent);

    // Remembers `code` as the choice and marks the first row with that code; a
    // code no row has marks nothing and is given back unchanged by "Да".
    void Preselect(const std::string& code);
    const std::string& SelectedCode() const { return Picker_.SelectedCode(); }
    const std::string& SelectedName() const { return Picker_.SelectedName(); }

    QTreeWidget* List() const { return List_; }

protected:
    // A further button beside "Да" and "Нет", for the dialogs that have one.
    QPushButton* AddExtraButton(const QString& text);

private:
    void OnCurrentChanged(QTreeWidgetItem* item);

    InspectionPicker Picker_;
    QTreeWidget* List_;
    QHBoxLayout* Buttons_;
};

}  // namespace kvz
