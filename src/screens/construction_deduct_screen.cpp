#include "screens/construction_deduct_screen.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "calc/property_totals.h"
#include "model/declaration.h"
#include "screens/construction_object_dialog.h"
#include "screens/field_binder.h"
#include "screens/item_list_editor.h"
#include "screens/masked_edit.h"

namespace kvz {

namespace {

// The objects of the deduction; the dialog's limits depend on the object's place.
class ObjectList : public ItemListSource {
public:
    ObjectList(mTConstructionDeduct& section, CheckDialog* checks) : Section_(section), Checks_(checks) {}

    QStringList Titles() const override { return {QStringLiteral("Список объектов")}; }
    int Count() const override { return Section_.ObjectCount(); }
    QStringList Texts(int row) const override { return {ObjectCaption(Section_.Object(row))}; }
    bool HoldsData(int row) const override { return !(Section_.Object(row) == mTConstructionDeductObj()); }
    bool Add(QWidget* parent) override {
        mTConstructionDeductObj object = NewPropertyObject();
        if (!EditConstructionObject(object, IsLaterObject(Count(), -1), Checks_, parent)) return false;
        Section_.ObjectAdd(std::move(object));
        return true;
    }
    bool Edit(int row, QWidget* parent) override {
        mTConstructionDeductObj object = Section_.Object(row);
        if (!EditConstructionObject(object, IsLaterObject(Count(), row), Checks_, parent) ||
            object == Section_.Object(row))
            return false;
        Section_.Object(row) = std::move(object);
        return true;
    }
    void Delete(int row) override { Section_.ObjectDelete(row); }

private:
    mTConstructionDeduct& Section_;
    CheckDialog* Checks_;
};

QLabel* NewPanel(const char* name) {
    auto* panel = new QLabel;
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return panel;
}

}  // namespace

TfrMultyConstructionDeduct::TfrMultyConstructionDeduct(mTDeclaration& declaration, const ScreenResources& resources,
                                                       QWidget* parent)
    : TThinkingFrame(declaration, resources, parent) {
    mTConstructionDeduct& c = Declaration().Construction;
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Сведения об объектах"));
    auto* grid = new QGridLayout(group);
    auto* granted = Granted_ = new QCheckBox(QStringLiteral("Предоставить имущественный налоговый вычет"));
    Binder().BindCheck(granted, "Granted", c.Granted);
    connect(granted, &QCheckBox::toggled, this, &TThinkingFrame::ApplyRules);
    connect(granted, &QCheckBox::toggled, this, &TfrMultyConstructionDeduct::ShowTotals);
    grid->addWidget(granted, 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Общий размер вычета")), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Проценты по кредитам за все годы")), 1, 2);
    struct AmountRow {
        const char* label;
        const char* costName;
        Money& cost;
        const char* interestName;
        Money& interest;
    };
    const AmountRow rows[] = {
        {"Сумма, перешедшая с предыдущего года", "ConstrAmount1", c.ConstrAmount1, "ConstrAmount3", c.ConstrAmount3},
        {"Вычет по предыдущим годам по декларации ", "ConstrAmount5", c.ConstrAmount5, "ConstrAmount6",
         c.ConstrAmount6},
        {"Вычет у налогового агента в отчетном году ", "ConstrAmount7", c.ConstrAmount7, "ConstrAmount8",
         c.ConstrAmount8}};
    std::vector<QWidget*> used;
    int row = 2;
    for (const AmountRow& r : rows) {
        auto* label = new QLabel(QString::fromUtf8(r.label));
        grid->addWidget(label, row, 0);
        for (auto [name, field, column] : {std::tuple{r.costName, &r.cost, 1}, std::tuple{r.interestName, &r.interest, 2}}) {
            auto* edit = new TMaskedEdit(edtCurrency, 12, 2);
            Binder().BindMoney(edit, name, *field);
            if (row == 4) edit->setToolTip(QStringLiteral("т.е. у работодателя"));
            grid->addWidget(edit, row, column);
            used.push_back(edit);
        }
        ++row;
    }
    grid->addWidget(new QLabel(QStringLiteral("Общая стоимость всех объектов (с учетом ограничений вычета)")), row, 0);
    grid->addWidget(pnlCostTotal_ = NewPanel("pnlCostTotal"), row, 1);
    grid->addWidget(pnlInterestTotal_ = NewPanel("pnlInterestTotal"), row, 2);
    lblTotalsError_ = new QLabel;
    lblTotalsError_->setObjectName(QStringLiteral("lblTotalsError"));
    lblTotalsError_->setWordWrap(true);
    lblTotalsError_->hide();
    grid->addWidget(lblTotalsError_, row + 1, 0, 1, 3);
    layout->addWidget(group);

    lvObjects_ = new TItemListEditor(QStringLiteral("lvObjects"),
                                     std::make_unique<ObjectList>(c, Resources().checkDialog), Resources().askYesNo,
                                     {QStringLiteral("Добавить объект"), QStringLiteral("Редактировать объект"),
                                      QStringLiteral("Удалить объект")});
    lvObjects_->List()->setToolTip(QStringLiteral("Список объектов"));
    connect(lvObjects_, &TItemListEditor::changed, this, [this] {
        ShowTotals();
        emit documentModified();
    });
    layout->addWidget(lvObjects_, 1);
    used.push_back(lvObjects_);
    AddRule([granted, used] {
        for (QWidget* w : used) w->setEnabled(granted->isChecked());
    });
    FillForm([this] { ShowTotals(); });
}

void TfrMultyConstructionDeduct::FocusField(int, int row) {
    if (row < 1 || row > lvObjects_->List()->topLevelItemCount()) {
        Granted_->setFocus();
        return;
    }
    lvObjects_->FocusRow(row);
}

// The totals as the deduction takes them, for the objects and the box as shown:
// the declaration itself is only read.
void TfrMultyConstructionDeduct::ShowTotals() {
    mTConstructionDeduct shown = Declaration().Construction;
    shown.Granted = Granted_->isChecked();
    try {
        const PropertyTotals totals = PropertyTotalsOf(shown, Declaration().DeclarationKind);
        pnlCostTotal_->setText(QString::fromStdString(MoneyToText(totals.cost, ',')));
        pnlInterestTotal_->setText(QString::fromStdString(MoneyToText(totals.interest, ',')));
        lblTotalsError_->hide();
    } catch (const std::exception& e) {
        pnlCostTotal_->clear();
        pnlInterestTotal_->clear();
        lblTotalsError_->setText(QStringLiteral("Итоги по объектам не рассчитаны: ") + QString::fromUtf8(e.what()));
        lblTotalsError_->show();
    }
}

}  // namespace kvz
