#pragma once
// The list of payment sources over the lines of the source chosen in it, with a
// row of totals under the lines: the one shape of the screens of income by source
// (13 %, non-residents, partnerships). The screen declares the columns, dialogs
// and totals; the table keeps the three parts in step: choosing a source shows its
// lines, and a changed line shows again the source's row and the totals.
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include "screens/item_list_editor.h"

class QLabel;

namespace kvz {

class TLinesTable : public QWidget {
    Q_OBJECT
public:
    // A total of the chosen source (its 0-based row) under the lines.
    struct Total {
        QString title;
        std::function<QString(int source)> text;
    };
    // The lines of the source at a row.
    using LinesOf = std::function<std::unique_ptr<ItemListSource>(int source)>;

    // The lists are named "lvSources" and "lvLines".
    TLinesTable(std::unique_ptr<ItemListSource> sources, LinesOf lines, const std::vector<Total>& totals,
                const TItemListEditor::AskYesNo& askYesNo, QWidget* parent = nullptr);

    TItemListEditor* Sources() const { return Sources_; }
    TItemListEditor* Lines() const { return Lines_; }

signals:
    // The user changed a source or a line.
    void changed();

private:
    void ShowSource(int row);
    void ShowTotals();

    LinesOf LinesOf_;
    std::vector<Total> Totals_;
    std::vector<QLabel*> TotalLabels_;
    TItemListEditor* Sources_;
    TItemListEditor* Lines_;
};

}  // namespace kvz
