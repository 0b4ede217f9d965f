#include "screens/item_list_editor.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kvz {

namespace {

QPushButton* NewButton(const QString& text, const QString& name, QLayout* layout) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

}  // namespace

TItemListEditor::TItemListEditor(const QString& name, std::unique_ptr<ItemListSource> source, AskYesNo askYesNo,
                                 ItemButtonTexts texts, QWidget* parent)
    : QWidget(parent), AskYesNo_(std::move(askYesNo)), List_(new QTreeWidget) {
    List_->setObjectName(name);
    List_->setRootIsDecorated(false);
    List_->setUniformRowHeights(true);
    List_->setSelectionMode(QAbstractItemView::SingleSelection);
    List_->header()->setStretchLastSection(true);
    List_->installEventFilter(this);
    connect(List_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        List_->setCurrentItem(item);
        EditItem();
    });
    connect(List_, &QTreeWidget::currentItemChanged, this, [this] {
        ShowButtons();
        emit currentRowChanged(CurrentRow());
    });

    const bool column = texts.place != ItemButtonPlace::Row;
    auto* buttons = column ? static_cast<QBoxLayout*>(new QVBoxLayout) : new QHBoxLayout;
    buttons->setObjectName(QStringLiteral("ButtonRow"));
    fbAdd_ = NewButton(QString(), QStringLiteral("fbAdd"), buttons);
    fbDelete_ = NewButton(QString(), QStringLiteral("fbDelete"), buttons);
    fbEdit_ = NewButton(QString(), QStringLiteral("fbEdit"), buttons);
    SetButtonTexts(texts);
    buttons->addStretch(1);
    connect(fbAdd_, &QPushButton::clicked, this, &TItemListEditor::AddItem);
    connect(fbEdit_, &QPushButton::clicked, this, &TItemListEditor::EditItem);
    connect(fbDelete_, &QPushButton::clicked, this, &TItemListEditor::DeleteItem);
    ItemButtons_ = {fbEdit_, fbDelete_};

    auto* layout = texts.place == ItemButtonPlace::ColumnBeside ? static_cast<QBoxLayout*>(new QHBoxLayout(this))
                                                                 : new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(List_, 1);
    layout->addLayout(buttons);
    SetSource(std::move(source));
}

TItemListEditor::~TItemListEditor() = default;

void TItemListEditor::SetSource(std::unique_ptr<ItemListSource> source) {
    Source_ = std::move(source);
    List_->setHeaderLabels(Source_ ? Source_->Titles() : QStringList());
    Refresh();
    SetCurrentRow(0);
}

void TItemListEditor::SetButtonTexts(const ItemButtonTexts& texts) {
    const auto or_generic = [](const QString& text, const char* generic) {
        return text.isEmpty() ? QString::fromUtf8(generic) : text;
    };
    fbAdd_->setText(or_generic(texts.add, "Добавить"));
    fbEdit_->setText(or_generic(texts.edit, "Изменить"));
    fbDelete_->setText(or_generic(texts.remove, "Удалить"));
}

void TItemListEditor::Refresh() {
    const int current = CurrentRow();
    {
        const QSignalBlocker quiet(List_);
        List_->clear();
        for (int row = 0; Source_ && row < Source_->Count(); ++row)
            List_->addTopLevelItem(new QTreeWidgetItem(Source_->Texts(row)));
        SetCurrentRow(std::min(current, List_->topLevelItemCount() - 1));
    }
    FitColumns();
    ShowButtons();
    if (CurrentRow() != current) emit currentRowChanged(CurrentRow());
}

// Every column but the last, which takes the rest, is widened to show its title and
// its texts whole; it never narrows, so that the columns do not jump while editing.
void TItemListEditor::FitColumns() {
    for (int column = 0; column + 1 < List_->columnCount(); ++column) {
        const int before = List_->columnWidth(column);
        List_->resizeColumnToContents(column);
        if (List_->columnWidth(column) < before) List_->setColumnWidth(column, before);
    }
}

int TItemListEditor::CurrentRow() const {
    QTreeWidgetItem* item = List_->currentItem();
    return item ? List_->indexOfTopLevelItem(item) : -1;
}

void TItemListEditor::SetCurrentRow(int row) {
    QTreeWidgetItem* item = row >= 0 ? List_->topLevelItem(row) : nullptr;
    List_->setCurrentItem(item);
    if (item) item->setSelected(true);
}

void TItemListEditor::FocusRow(int row) {
    SetCurrentRow(row - 1);
    if (QTreeWidgetItem* item = List_->currentItem()) List_->scrollToItem(item);
    // A disabled list cannot take the focus; the row is marked all the same.
    List_->setFocus();
}

void TItemListEditor::ShowButtons() {
    fbAdd_->setEnabled(Source_ != nullptr);
    for (QPushButton* button : ItemButtons_) button->setEnabled(CurrentRow() >= 0);
}

QPushButton* TItemListEditor::AddItemButton(const QString& text, const QString& name) {
    auto* row = findChild<QBoxLayout*>(QStringLiteral("ButtonRow"));
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->insertWidget(row->count() - 1, button);  // before the stretch
    ItemButtons_.push_back(button);
    ShowButtons();
    return button;
}

void TItemListEditor::AddItem() {
    if (!Source_ || !Source_->Add(window())) return;
    Refresh();
    SetCurrentRow(Source_->Count() - 1);
    emit changed();
}

void TItemListEditor::EditItem() {
    const int row = CurrentRow();
    if (row < 0 || !Source_->Edit(row, window())) return;
    Refresh();
    emit changed();
}

void TItemListEditor::DeleteItem() {
    const int row = CurrentRow();
    if (row < 0) return;
    if (Source_->HoldsData(row)) {
        const QString name = Source_->Name(row).trimmed();
        const std::string question =
            name.isEmpty() ? "Удалить выбранную запись?" : "Удалить запись \"" + name.toStdString() + "\"?";
        if (!AskYesNo_ || !AskYesNo_(question)) return;
    }
    Source_->Delete(row);
    Refresh();
    // The item before the deleted one is chosen (the first when the first went).
    {
        const QSignalBlocker quiet(List_);
        SetCurrentRow(std::max(row - 1, 0));
    }
    ShowButtons();
    emit changed();
    // Another item now stands chosen (or none): whoever follows the row looks again.
    emit currentRowChanged(CurrentRow());
}

bool TItemListEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                EditItem();
                return true;
            case Qt::Key_Delete:
                DeleteItem();
                return true;
            case Qt::Key_Insert:
                AddItem();
                return true;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

ItemButtonTexts PaymentSourceButtons(ItemButtonPlace place) {
    return {QStringLiteral("Добавить источник выплат"), QStringLiteral("Редактировать источник выплат"),
            QStringLiteral("Удалить источник выплат"), place};
}

ItemButtonTexts IncomeLineButtons() {
    return {QStringLiteral("Добавить доход"), QStringLiteral("Редактировать доход"), QStringLiteral("Удалить доход")};
}

}  // namespace kvz
