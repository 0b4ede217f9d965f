#include "screens/lines_table.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kvz {

TLinesTable::TLinesTable(std::unique_ptr<ItemListSource> sources, LinesOf lines, const std::vector<Total>& totals,
                         const TItemListEditor::AskYesNo& askYesNo, QWidget* parent)
    : QWidget(parent), LinesOf_(std::move(lines)), Totals_(totals) {
    Sources_ = new TItemListEditor(QStringLiteral("lvSources"), std::move(sources), askYesNo);
    Lines_ = new TItemListEditor(QStringLiteral("lvLines"), nullptr, askYesNo);
    auto* totalsRow = new QHBoxLayout;
    totalsRow->addWidget(new QLabel(QStringLiteral("Итого:")));
    for (const Total& total : Totals_) {
        totalsRow->addWidget(new QLabel(total.title));
        auto* value = new QLabel;
        value->setObjectName(QStringLiteral("lblTotal%1").arg(TotalLabels_.size()));
        totalsRow->addWidget(value);
        TotalLabels_.push_back(value);
    }
    totalsRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Sources_, 1);
    layout->addWidget(Lines_, 1);
    layout->addLayout(totalsRow);

    connect(Sources_, &TItemListEditor::currentRowChanged, this, &TLinesTable::ShowSource);
    connect(Sources_, &TItemListEditor::changed, this, [this] {
        ShowSource(Sources_->CurrentRow());
        emit changed();
    });
    connect(Lines_, &TItemListEditor::changed, this, [this] {
        Sources_->Refresh();
        ShowTotals();
        emit changed();
    });
    ShowSource(Sources_->CurrentRow());
}

void TLinesTable::ShowSource(int row) {
    Lines_->SetSource(row >= 0 ? LinesOf_(row) : nullptr);
    ShowTotals();
}

void TLinesTable::ShowTotals() {
    const int source = Sources_->CurrentRow();
    for (std::size_t i = 0; i < Totals_.size(); ++i)
        TotalLabels_[i]->setText(source >= 0 ? Totals_[i].text(source) : QString());
}

}  // namespace kvz
