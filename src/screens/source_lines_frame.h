#pragma once
// The shape of the screens of income by payment source with income lines (13 %,
// non-resident specialists, investment partnerships): the list of sources over the
// lines of the chosen source, its totals beside the screen's own groups. The screen
// declares its lists, dialogs and totals once; the frame keeps them in step:
// choosing a source stores the totals of the one before and shows its lines, and a
// changed line shows its total again.
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>
#include <utility>
#include <vector>

#include "model/item_list.h"
#include "screens/form_builder.h"
#include "screens/item_list_editor.h"
#include "screens/screen_widgets.h"
#include "screens/selected_item.h"
#include "screens/thinking_frame.h"

namespace kvz {

// Neither list can be made smaller than this by the splitter between them.
inline constexpr int kSourceSplitterMinimum = 265;

template <class Source, class Line>
struct SourceLinesShape {
    mTItemList<Source>& sources;
    QString sourcesTitle;  // the column of the source list
    QString sourcesHint;
    QString linesHint;
    std::vector<ItemColumn<Line>> lineColumns;
    ItemDialog<Source> sourceDialog;
    ItemDialog<Line> lineDialog;
    ItemHoldsData<Source> sourceHoldsData;
    QString totalLabel;  // the read-only income total of the source
    ItemButtonTexts sourceButtons;
    ItemButtonTexts lineButtons;
    // The line that "Повторить" adds after the chosen one; none: no such button.
    std::function<Line(const Line&)> repeated = {};
    // How the question before deleting a line names it; none: its first column.
    ItemName<Line> lineName = {};
};

template <class Source, class Line>
class TSourceLinesFrame : public TThinkingFrame {
public:
    TSourceLinesFrame(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent,
                      SourceLinesShape<Source, Line> shape)
        : TThinkingFrame(declaration, resources, parent), Shown_(shape.sources), Shape_(std::move(shape)) {
        auto sources = std::make_unique<ItemList<Source>>(
            Shown_.Ops(),
            std::vector<ItemColumn<Source>>{
                {Shape_.sourcesTitle, [](const Source& s) { return QString::fromStdString(s.SourceName); }}},
            Shape_.sourceDialog, Shape_.sourceHoldsData);
        lvSources_ = NewList(QStringLiteral("lvSources"), std::move(sources), Shape_.sourcesHint, Shape_.sourceButtons);
        connect(lvSources_, &TItemListEditor::changed, this, &TThinkingFrame::documentModified);
        connect(lvSources_, &TItemListEditor::currentRowChanged, this, [this](int row) { ShowSource(row); });
        lvLines_ = NewList(QStringLiteral("lvIncomes"), nullptr, Shape_.linesHint, Shape_.lineButtons);
        connect(lvLines_, &TItemListEditor::changed, this, [this] {
            ShowTotal();
            LinesChanged();
            emit documentModified();
        });
        if (Shape_.repeated) {
            connect(lvLines_->AddItemButton(QStringLiteral("Повторить доход"), QStringLiteral("fbRepeat")),
                    &QPushButton::clicked, this, [this] { RepeatLine(); });
        }

        auto* lower = new QWidget;
        auto* lowerLayout = new QVBoxLayout(lower);
        lowerLayout->setContentsMargins(0, 0, 0, 0);
        lowerLayout->addWidget(lvLines_, 1);
        auto* groups = new QHBoxLayout;
        lowerLayout->addLayout(groups);
        TFormBuilder form(*this);
        gbTotals_ = form.Group(QStringLiteral("Итоговые суммы по источнику выплат"));
        groups->addWidget(gbTotals_, 1);
        meIncomeTotal_ = NewChoicePanel(QStringLiteral("IncomeTotal"));
        form.Row(Shape_.totalLabel, meIncomeTotal_);
        form.Amount(QStringLiteral("Сумма налога удержанная "), "TaxWithheld", Shown_.Field(&Source::TaxWithheld));
        form.Amount(QStringLiteral("Облагаемая сумма дохода"), "TaxableAmount", Shown_.Field(&Source::TaxableAmount));
        form.Amount(QStringLiteral("Сумма налога исчисленная"), "TaxComputed", Shown_.Field(&Source::TaxComputed));
        Side_ = new QVBoxLayout;
        groups->addLayout(Side_, 1);

        Splitter_ = new QSplitter(Qt::Vertical);
        Splitter_->setObjectName(QStringLiteral("Splitter"));
        Splitter_->setChildrenCollapsible(false);
        Splitter_->addWidget(lvSources_);
        Splitter_->addWidget(lower);
        for (QWidget* side : {static_cast<QWidget*>(lvSources_), lower}) side->setMinimumHeight(kSourceSplitterMinimum);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(Splitter_);
    }

    // Selects the source of the 1-based row.
    void FocusField(int, int row) override {
        if (Shape_.sources.Count() > 0) lvSources_->FocusRow(row);
    }

    QSplitter* Splitter() const { return Splitter_; }
    TItemListEditor* SourceList() const { return lvSources_; }
    TItemListEditor* LineList() const { return lvLines_; }

protected:
    // Shows the first source; the screen calls it once its own groups are declared.
    void ShowFirstSource() { ShowSource(lvSources_->CurrentRow()); }
    // Where the screen puts its own groups, beside the totals.
    QVBoxLayout* Side() const { return Side_; }
    SelectedItem<Source>& Shown() { return Shown_; }
    // A line was added, changed or removed.
    virtual void LinesChanged() {}

private:
    TItemListEditor* NewList(const QString& name, std::unique_ptr<ItemListSource> source, const QString& hint,
                             const ItemButtonTexts& texts) {
        auto* list = new TItemListEditor(name, std::move(source), Resources().askYesNo, texts);
        list->List()->setToolTip(hint);
        return list;
    }

    void ShowSource(int row) {
        const bool shown = this->ShowItem(Shown_, row, gbTotals_, [this] {
            lvLines_->SetSource(
                Shown_.Chosen() ? LinesOf<Source, Line>(Shown_.Get(), Shape_.lineColumns, Shape_.lineDialog, Shape_.lineName)
                                  : nullptr);
            ShowTotal();
        });
        if (!shown) lvSources_->SetCurrentRow(Shown_.Row());
    }

    void ShowTotal() {
        const Money total = Shown_.Get().IncomeTotal;
        meIncomeTotal_->setText(Shown_.Chosen() ? AmountOr(total, QStringLiteral("0")) : QString());
    }

    void RepeatLine() {
        const int row = lvLines_->CurrentRow();
        if (!Shown_.Chosen() || row < 0) return;
        Source& source = Shown_.Get();
        source.AddLine(Shape_.repeated(source.Line(row)));
        lvLines_->Refresh();
        lvLines_->SetCurrentRow(source.LineCount() - 1);
        ShowTotal();
        LinesChanged();
        emit documentModified();
    }

    SelectedItem<Source> Shown_;
    SourceLinesShape<Source, Line> Shape_;
    QSplitter* Splitter_ = nullptr;
    TItemListEditor* lvSources_ = nullptr;
    TItemListEditor* lvLines_ = nullptr;
    QGroupBox* gbTotals_ = nullptr;
    QLineEdit* meIncomeTotal_ = nullptr;
    QVBoxLayout* Side_ = nullptr;
};

}  // namespace kvz
