#pragma once
// The shape of the screens of income by payment source without income lines (9 %,
// dividends, 35 %): the list of sources and a read-only panel with the amounts of
// the one chosen. Everything is entered in the source's dialog, which checks it,
// so the screen stores nothing of its own and its check always passes.
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTreeWidget>

#include <functional>
#include <utility>
#include <vector>

#include "model/item_list.h"
#include "screens/item_list_editor.h"
#include "screens/screen_widgets.h"
#include "screens/selected_item.h"
#include "screens/thinking_frame.h"

namespace kvz {

template <class Source>
struct SourcePanelShape {
    // One row of the panel: its label, the objectName of its field and its text.
    struct Row {
        QString label;
        QString name;
        std::function<QString(const Source&)> text;
    };

    mTItemList<Source>& sources;
    ItemDialog<Source> dialog;
    ItemHoldsData<Source> holdsData;
    std::vector<Row> panel;
};

template <class Source>
class TSourcePanelFrame : public TThinkingFrame {
public:
    TSourcePanelFrame(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent,
                      SourcePanelShape<Source> shape)
        : TThinkingFrame(declaration, resources, parent), Shown_(shape.sources), Shape_(std::move(shape)) {
        auto sources = std::make_unique<ItemList<Source>>(
            Shown_.Ops(),
            std::vector<ItemColumn<Source>>{{QStringLiteral("Источники выплат"),
                                             [](const Source& s) { return QString::fromStdString(s.SourceName); }}},
            Shape_.dialog, Shape_.holdsData);
        lvSources_ = new TItemListEditor(QStringLiteral("lvSources"), std::move(sources), Resources().askYesNo);
        lvSources_->List()->setToolTip(QStringLiteral("Список источников выплат"));
        lvSources_->SetButtonTexts(PaymentSourceButtons());
        connect(lvSources_, &TItemListEditor::changed, this, [this] {
            ShowPanel();
            emit documentModified();
        });
        connect(lvSources_, &TItemListEditor::currentRowChanged, this, [this] { ShowPanel(); });

        auto* panel = new QGroupBox;
        auto* rows = new QFormLayout(panel);
        for (const auto& row : Shape_.panel) {
            QLineEdit* field = NewChoicePanel(row.name);
            rows->addRow(row.label, field);
            Fields_.push_back(field);
        }
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(lvSources_, 3);
        layout->addWidget(panel, 2, Qt::AlignTop);
        ShowPanel();
    }

    // Selects the source of the 1-based row.
    void FocusField(int, int row) override {
        if (Shape_.sources.Count() > 0) lvSources_->FocusRow(row);
    }

    TItemListEditor* SourceList() const { return lvSources_; }

private:
    void ShowPanel() {
        Shown_.Select(lvSources_->CurrentRow());
        for (std::size_t i = 0; i < Fields_.size(); ++i)
            Fields_[i]->setText(Shown_.Chosen() ? Shape_.panel[i].text(Shown_.Get()) : QString());
    }

    SelectedItem<Source> Shown_;
    SourcePanelShape<Source> Shape_;
    TItemListEditor* lvSources_ = nullptr;
    std::vector<QLineEdit*> Fields_;
};

}  // namespace kvz
