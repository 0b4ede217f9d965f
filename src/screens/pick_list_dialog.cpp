#include "screens/pick_list_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kvz {

namespace {

// The keys that move within the list while the search field has the focus.
bool MovesInList(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
}

// A key that types a character (no command key held).
bool TypesText(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    return !key.text().isEmpty() && key.text().at(0).isPrint();
}

}  // namespace

TPickListDialog::TPickListDialog(const PickListCaptions& captions, std::unique_ptr<CodePicker> picker,
                                 QWidget* parent)
    : TPickListDialog(captions, *picker, parent) {
    Owned_ = std::move(picker);
}

TPickListDialog::TPickListDialog(const PickListCaptions& captions, CodePicker& picker, QWidget* parent)
    : QDialog(parent), Picker_(picker), Search_(picker) {
    setWindowTitle(captions.Title);
    resize(640, 480);

    Filter_ = new QLineEdit(this);
    Filter_->setObjectName(QStringLiteral("edFilter"));
    Filter_->setPlaceholderText(QStringLiteral("Код или часть наименования"));
    Filter_->setClearButtonEnabled(true);
    Filter_->installEventFilter(this);
    auto* filterLabel = new QLabel(QStringLiteral("&Поиск:"), this);
    filterLabel->setBuddy(Filter_);

    List_ = new QTreeWidget(this);
    List_->setObjectName(QStringLiteral("lvPickList"));
    List_->setColumnCount(2);
    List_->setHeaderLabels({captions.CodeColumn, captions.NameColumn});
    List_->setRootIsDecorated(false);
    List_->setUniformRowHeights(true);
    List_->setSelectionMode(QAbstractItemView::SingleSelection);
    List_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    List_->header()->setStretchLastSection(true);
    List_->installEventFilter(this);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(Picker_.RowCount()));
    for (std::size_t row = 0; row < Picker_.RowCount(); ++row) {
        const QString code = QString::fromStdString(Picker_.RowCode(row));
        const QString name = QString::fromStdString(Picker_.RowName(row));
        auto* item = new QTreeWidgetItem({code, name});
        item->setToolTip(0, name);
        item->setToolTip(1, name);
        items.append(item);
    }
    List_->addTopLevelItems(items);
    ShowFocusedRow();

    Ok_ = new QPushButton(QStringLiteral("Да"), this);
    Ok_->setObjectName(QStringLiteral("fbOk"));
    Ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Нет"), this);
    cancel->setObjectName(QStringLiteral("fbCancel"));
    connect(Ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(List_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(List_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item, QTreeWidgetItem*) { OnCurrentChanged(item); });
    connect(Filter_, &QLineEdit::textChanged, this, &TPickListDialog::ApplyFilter);

    auto* search = new QHBoxLayout;
    search->addWidget(filterLabel);
    search->addWidget(Filter_, 1);
    Buttons_ = new QHBoxLayout;
    Buttons_->addStretch(1);
    Buttons_->addWidget(Ok_);
    Buttons_->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
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

void TPickListDialog::ApplyFilter(const QString& typed) {
    const std::vector<std::size_t> rows = Search_.Matching(typed.toStdString());
    std::vector<bool> shown(Picker_.RowCount(), false);
    for (std::size_t row : rows) shown[row] = true;
    List_->setUpdatesEnabled(false);
    for (std::size_t row = 0; row < shown.size(); ++row) {
        QTreeWidgetItem* item = List_->topLevelItem(static_cast<int>(row));
        if (item->isHidden() == shown[row]) item->setHidden(!shown[row]);
    }
    List_->setUpdatesEnabled(true);
    QTreeWidgetItem* current = List_->currentItem();
    if ((current == nullptr || current->isHidden()) && !rows.empty()) {
        current = List_->topLevelItem(static_cast<int>(rows.front()));
        List_->setCurrentItem(current);
        current->setSelected(true);
    }
    if (current && !current->isHidden()) List_->scrollToItem(current);
    // A highlight hidden by the filter is not what Enter would seem to take.
    Ok_->setEnabled(!rows.empty() || typed.trimmed().isEmpty());
}

bool TPickListDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == Filter_ && MovesInList(key->key())) {
        QApplication::sendEvent(List_, event);
        return true;
    }
    if (watched == List_ && TypesText(*key)) {
        // Typing in the list searches, as typing in the search field does.
        Filter_->setFocus();
        QApplication::sendEvent(Filter_, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kvz
