#include "screens/pens_deduct_screen.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/declaration.h"
#include "screens/form_builder.h"
#include "screens/item_list_editor.h"
#include "screens/pens_deduct_dialogs.h"

namespace kvz {

namespace {

QString ContractName(const mTPens& c) {
    if (c.ContractKind == mTPens::kKindExtraContributions)
        return QStringLiteral("Доп. страх. взносы на накопительную часть труд. пенс.");
    return QString::fromStdString(c.OrgName);
}

}  // namespace

TfrFramePensDeduct::TfrFramePensDeduct(mTDeclaration& declaration, const ScreenResources& resources, QWidget* parent)
    : TThinkingFrame(declaration, resources, parent) {
    mTSocialDeduct& s = Declaration().Social;
    TFormBuilder form(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form.Group(QStringLiteral("Социальные налоговые вычеты")));
    QCheckBox* granted = form.Check(QStringLiteral("Предоставить социальные налоговые вычеты"), "chbGranted");
    Binder().BindCheck(granted, "Granted", s.Granted);
    connect(granted, &QCheckBox::toggled, this, &TThinkingFrame::ApplyRules);
    const auto isGranted = [granted] { return granted->isChecked(); };

    QGroupBox* spent = form.Group(QStringLiteral("Суммы, затраченные на"));
    form.Amount(QStringLiteral("благотворительность"), "Charity", s.Charity, kCheckFieldSocialDeductions)
        .EnabledWhen(isGranted);
    form.Amount(QStringLiteral("свое обучение"), "OwnEducation", s.OwnEducation).EnabledWhen(isGranted);
    form.Amount(QStringLiteral("лечение"), "Treatment", s.Treatment).EnabledWhen(isGranted);
    form.Amount(QStringLiteral("дорогостоящее лечение"), "ExpensiveTreatment", s.ExpensiveTreatment)
        .EnabledWhen(isGranted);
    form.Amount(QStringLiteral("добровольное страхование"), "VoluntaryInsurance", s.VoluntaryInsurance)
        .EnabledWhen(isGranted);
    form.Amount(QStringLiteral("дополнительные страховые\nпенсионные взносы"), "ExtraPensionContributions",
                s.ExtraPensionContributions, kSocialFieldExtraPension)
        .EnabledWhen(isGranted);
    layout->addWidget(spent);

    auto* children = new QGroupBox(QStringLiteral("Суммы, уплаченные за обучение детей"));
    (new QVBoxLayout(children))->addWidget(ChildEducationList());
    auto* contracts =
        new QGroupBox(QStringLiteral("Договоры добровольного пенс. страхования и негосударственного пенс. обеспечения"));
    (new QVBoxLayout(contracts))->addWidget(PensionContractList());
    for (QGroupBox* box : {children, contracts}) {
        layout->addWidget(box, 1);
        AddRule([box, isGranted] { box->setEnabled(isGranted()); });
    }
    FillForm();
}

TItemListEditor* TfrFramePensDeduct::ChildEducationList() {
    mTSocialDeduct& s = Declaration().Social;
    ItemListOps<Money> ops{[&s] { return s.ChildEducationCount(); }, [&s](int i) { return s.ChildEducationGet(i); },
                           [&s](const Money& m) { s.ChildEducationAdd(m); },
                           [&s](int i, const Money& m) { s.ChildEducationSet(i, m); },
                           [&s](int i) { s.ChildEducationDelete(i); }};
    auto source = std::make_unique<ItemList<Money>>(
        std::move(ops),
        std::vector<ItemColumn<Money>>{{QStringLiteral("Суммы"), [](const Money& m) { return MoneyScreenText(m); }}},
        [](Money& m, QWidget* parent) { return EditChildEducation(m, parent); });
    auto* list = new TItemListEditor(QStringLiteral("lvChildEducation"), std::move(source), Resources().askYesNo,
                                     {QStringLiteral("Добавить очередную сумму, уплаченную за обучение"),
                                      QStringLiteral("Редактировать сумму, уплаченную за обучение детей"),
                                      QStringLiteral("Удалить сумму, уплаченную за обучение детей"),
                                      ItemButtonPlace::ColumnBeside});
    list->List()->setToolTip(QStringLiteral("Список сумм, уплаченных за всех детей"));
    connect(list, &TItemListEditor::changed, this, &TThinkingFrame::documentModified);
    return list;
}

TItemListEditor* TfrFramePensDeduct::PensionContractList() {
    mTSocialDeduct& s = Declaration().Social;
    ItemListOps<mTPens> ops{
        [&s] { return s.PensionContractCount(); }, [&s](int i) { return s.PensionContract(i); },
        [&s](const mTPens& c) { s.PensionContract(s.PensionContractAdd()) = c; },
        [&s](int i, const mTPens& c) { s.PensionContract(i) = c; }, [&s](int i) { s.PensionContractDelete(i); }};
    std::vector<ItemColumn<mTPens>> columns{
        {QStringLiteral("Организация или фонд"), ContractName},
        {QStringLiteral("Номер договора"), [](const mTPens& c) { return QString::fromStdString(c.ContractNumber); }},
        {QStringLiteral("Сумма взноса"), [](const mTPens& c) { return MoneyScreenText(c.Contribution); }}};
    CheckDialog* checks = Resources().checkDialog;
    auto source = std::make_unique<ItemList<mTPens>>(
        std::move(ops), std::move(columns),
        [checks](mTPens& c, QWidget* parent) { return EditPensionContract(c, checks, parent); });
    auto* list = new TItemListEditor(QStringLiteral("lvPensionContracts"), std::move(source), Resources().askYesNo,
                                     {QStringLiteral("Добавить договор"), QStringLiteral("Редактировать договор"),
                                      QStringLiteral("Удалить договор")});
    connect(list, &TItemListEditor::changed, this, &TThinkingFrame::documentModified);
    return list;
}

CheckFindings TfrFramePensDeduct::Findings() const { return SocialFindings(Declaration()); }

}  // namespace kvz
