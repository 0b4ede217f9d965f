#pragma once
// A list of the model's items with "Добавить", "Удалить" and "Изменить": Enter or
// a double click edits the current item, Delete deletes it and Insert adds one.
// An item that holds data is deleted only after a Yes/No question that names it;
// an empty item goes without a question.
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "screens/item_list_source.h"

class QPushButton;
class QTreeWidget;

namespace kvz {

// The buttons' own texts for a list, e.g. "Добавить договор"; an empty text keeps
// the generic one.
// Where the buttons stand: in a row under the list, or one above the other, beside
// the list or under it (long captions, narrow lists), so the screen keeps its width.
enum class ItemButtonPlace { Row, ColumnBeside, ColumnBelow };

struct ItemButtonTexts {
    QString add, edit, remove;
    ItemButtonPlace place = ItemButtonPlace::Row;
};
// The buttons of the lists of payment sources and of their income lines.
ItemButtonTexts PaymentSourceButtons(ItemButtonPlace place = ItemButtonPlace::Row);
ItemButtonTexts IncomeLineButtons();

class TItemListEditor : public QWidget {
    Q_OBJECT
public:
    using AskYesNo = std::function<bool(const std::string& question)>;

    // `name` is the objectName of the list view. Without `askYesNo` nothing that
    // holds data is deleted.
    TItemListEditor(const QString& name, std::unique_ptr<ItemListSource> source, AskYesNo askYesNo,
                    ItemButtonTexts texts = {}, QWidget* parent = nullptr);
    ~TItemListEditor() override;

    // Shows another list (or none), e.g. the lines of another source.
    void SetSource(std::unique_ptr<ItemListSource> source);
    void SetButtonTexts(const ItemButtonTexts& texts);
    // Shows the list again after the model changed elsewhere; keeps the current row.
    void Refresh();
    int CurrentRow() const;
    void SetCurrentRow(int row);
    // Makes the 1-based row (as the checks count items) current, scrolls to it and
    // gives the list the focus.
    void FocusRow(int row);
    QTreeWidget* List() const { return List_; }

    void AddItem();
    void EditItem();
    void DeleteItem();
    // A button of the screen's own beside the editor's; it can be pressed while an
    // item is chosen.
    QPushButton* AddItemButton(const QString& text, const QString& name);

signals:
    // The user added, changed or deleted an item.
    void changed();
    void currentRowChanged(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowButtons();
    void FitColumns();

    std::unique_ptr<ItemListSource> Source_;
    AskYesNo AskYesNo_;
    QTreeWidget* List_;
    QPushButton* fbAdd_;
    QPushButton* fbEdit_;
    QPushButton* fbDelete_;
    std::vector<QPushButton*> ItemButtons_;
};

}  // namespace kvz
