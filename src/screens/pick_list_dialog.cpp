#include "screens/pick_list_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kvz {

TPickListDialog::TPickListDialog(const PickListCaptions& captions, std::unique_ptr<CodePicker> picker,
                                 QWidget* parent)
    : TPickListDialog(captions, *picker, parent) {
    Owned_ = std::move(picker);
}

TPickListDialog::TPickListDialog(const PickListCaptions& captions, CodePicker& picker, QWidget* parent)
    : QDialog(parent), Picker_(picker) {
    setWindowTitle(captions.Title);
    resize(640, 480);

    List_ = new QTreeWidget(this);
    List_->setObjectName(QStringLiteral("lvPickList"));
    List_->setColumnCount(2);
    List_->setHeaderLabels({captions.CodeColumn, captions.NameColumn});
    List_->setRootIsDecorated(false);
    List_->setUniformRowHeights(true);
    List_->setSelectionMode(QAbstractItemView::SingleSelection);
    List_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    List_->header()->setStretchLastSection(true);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(Picker_.RowCount()));
    for (std::size_t row = 0; row < Picker_.RowCount(); ++row)
        items.append(new QTreeWidgetItem(
            {QString::fromStdString(Picker_.RowCode(row)), QString::fromStdString(Picker_.RowName(row))}));
    List_->addTopLevelItems(items);
    ShowFocusedRow();

    auto* ok = new QPushButton(QStringLiteral("Да"), this);
    ok->setObjectName(QStringLiteral("fbOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Нет"), this);
    cancel->setObjectName(QStringLiteral("fbCancel"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(List_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(List_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item, QTreeWidgetItem*) { OnCurrentChanged(item); });

    Buttons_ = new QHBoxLayout;
    Buttons_->addStretch(1);
    Buttons_->addWidget(ok);
    Buttons_->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List_, 1);
    layout->addLayout(Buttons_);
    List_->setFocus();
}

QPushButton* TPickListDialog::AddExtraButton(const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    Buttons_->insertWidget(0, button);
    return button;
}

void TPickListDialog::Preselect(const std::string& code) {
    Picker_.Preselect(code);
    ShowFocusedRow();
}

void TPickListDialog::ShowFocusedRow() {
    if (const auto row = Picker_.FocusedRow()) {
        QTreeWidgetItem* item = List_->topLevelItem(static_cast<int>(*row));
        const QSignalBlocker quiet(List_);
        List_->setCurrentItem(item);
        item->setSelected(true);
        List_->scrollToItem(item, QAbstractItemView::PositionAtCenter);
    } else {
        const QSignalBlocker quiet(List_);
        List_->setCurrentItem(nullptr);
        List_->clearSelection();
    }
}

void TPickListDialog::OnCurrentChanged(QTreeWidgetItem* item) {
    if (item == nullptr) return;
    Picker_.SelectRow(static_cast<std::size_t>(List_->indexOfTopLevelItem(item)));
}

}  // namespace kvz
