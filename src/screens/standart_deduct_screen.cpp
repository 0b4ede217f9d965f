#include "screens/standart_deduct_screen.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "model/declaration.h"
#include "screens/form_builder.h"
#include "screens/standart_deduct_dialogs.h"

namespace kvz {

namespace {

const char* const kShortMonths[12] = {"Янв.", "Фев.", "Март", "Апр.", "Май", "Июнь",
                                      "Июль", "Авг.", "Сент.", "Окт.", "Нояб.", "Дек."};
constexpr int kCountLength = 2;
constexpr int kAmountWhole = 12;
constexpr int kAmountFraction = 2;

// A choice shows a stored value only when it is one of its buttons.
FieldAccess<uint8_t> CodeChoiceOf(int32_t& field, std::initializer_list<int32_t> codes,
                                  std::function<bool()> storable) {
    const std::vector<int32_t> known(codes);
    return FieldAccess<uint8_t>([&field, known] {
                                    return std::find(known.begin(), known.end(), field) != known.end()
                                               ? static_cast<uint8_t>(field)
                                               : uint8_t{0};
                                },
                                [&field](const uint8_t& v) { field = v; })
        .When(std::move(storable));
}

// Written only while `storable` holds; typed meanwhile, it waits on the screen.
template <class T>
FieldAccess<T> StoredWhen(T& field, std::function<bool()> storable) {
    return FieldAccess<T>(field).When(std::move(storable));
}

}  // namespace

TfrFrameStandartDeduct::TfrFrameStandartDeduct(mTDeclaration& declaration, const ScreenResources& resources,
                                               QWidget* parent)
    : TThinkingFrame(declaration, resources, parent) {
    mTStandartDeduct& s = Declaration().Standard;
    const auto granted = [this] { return Granted(); };
    TFormBuilder form(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form.Group(QStringLiteral("Стандартные налоговые вычеты (коды 104-105,114-125)")));
    chbGranted_ = form.Check(QStringLiteral("Предоставить стандартные вычеты"), "chbGranted");
    Binder().BindCheck(chbGranted_, "Granted", s.Granted);
    connect(chbGranted_, &QCheckBox::toggled, this, &TThinkingFrame::ApplyRules);

    auto* body = new QWidget;
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    AddRule([this, body] { body->setEnabled(Granted()); });
    layout->addWidget(body, 1);

    auto* codes = new QHBoxLayout;
    bodyLayout->addLayout(codes);
    codes->addWidget(form.Group(QStringLiteral("Вычеты на себя")));
    QButtonGroup* self = form.Choice(
        "SelfCode",
        CodeChoiceOf(s.SelfCode, {mTStandartDeduct::kSelf105, mTStandartDeduct::kSelf104, mTStandartDeduct::kSelfNone,
                                  mTStandartDeduct::kSelfChanged},
                     granted),
        {{mTStandartDeduct::kSelf105, QStringLiteral("Код 105 - 3000 в месяц")},
         {mTStandartDeduct::kSelf104, QStringLiteral("Код 104 - 500 в месяц")},
         {mTStandartDeduct::kSelfNone, QStringLiteral("Нет ни 104, ни 105 вычета")},
         {mTStandartDeduct::kSelfChanged, QStringLiteral("Код менялся")}},
        Qt::Vertical);
    SelfCodes_ = {self, mTStandartDeduct::kSelfChanged};
    KeepChoiceBefore(SelfCodes_);
    connect(self->button(mTStandartDeduct::kSelfChanged), &QAbstractButton::clicked, this,
            &TfrFrameStandartDeduct::EditSelfCodes);
    codes->addWidget(form.Group(QStringLiteral("Вычеты на детей")));
    QButtonGroup* child = form.Choice(
        "ChildStatus",
        CodeChoiceOf(s.ChildStatus,
                     {mTStandartDeduct::kChildOrdinary, mTStandartDeduct::kChildSingleParent,
                      mTStandartDeduct::kChildChanged},
                     granted),
        {{mTStandartDeduct::kChildOrdinary, QStringLiteral("Вычет на ребенка (детей)")},
         {mTStandartDeduct::kChildSingleParent, QStringLiteral("Вычет на ребенка (детей) одинокому родителю")},
         {mTStandartDeduct::kChildChanged, QStringLiteral("Статус менялся")}},
        Qt::Vertical);
    ChildStatus_ = {child, mTStandartDeduct::kChildChanged};
    KeepChoiceBefore(ChildStatus_);
    connect(child->button(mTStandartDeduct::kChildChanged), &QAbstractButton::clicked, this,
            &TfrFrameStandartDeduct::EditChildStatus);

    auto* months = new QGroupBox(QStringLiteral("По месяцам"));
    auto* grid = new QGridLayout(months);
    for (int m = 0; m < 12; ++m) grid->addWidget(new QLabel(QString::fromUtf8(kShortMonths[m])), 0, m + 1);
    AddChildrenBlock(grid, 1,
                     {"Children", "Количество детей в году не изменялось и составило", "Количество детей в этом месяце",
                      s.ChildrenConstant, s.ChildrenCount, s.ChildrenByMonth});
    AddChildrenBlock(grid, 3,
                     {"Disabled", "Количество детей инвалидов в году не изменялось и составило",
                      "Количество детей инвалидов I и II групп в этом месяце", s.DisabledConstant, s.DisabledCount,
                      s.DisabledByMonth});
    AddChildrenBlock(grid, 5,
                     {"Third", "Количество детей, начиная с 3-го не изменялось и составило",
                      "Количество детей в этом месяце, считая с 3-го", s.ThirdConstant, s.ThirdCount,
                      s.ThirdByMonth});
    AddBusinessRows(grid, 7);
    bodyLayout->addWidget(months);
    bodyLayout->addStretch(1);
    FillForm();
}

bool TfrFrameStandartDeduct::Granted() const { return chbGranted_->isChecked(); }

void TfrFrameStandartDeduct::AddChildrenBlock(QGridLayout* grid, int row, const ChildrenBlock& b) {
    const QString name = QString::fromLatin1(b.name);
    auto* constant = new QCheckBox(QString::fromUtf8(b.constantText));
    Binder().BindCheck(constant, (name + "Constant").toLatin1().constData(),
                       StoredWhen<bool>(b.constant, [this] { return Granted(); }));
    connect(constant, &QCheckBox::toggled, this, &TThinkingFrame::ApplyRules);
    auto* count = new TMaskedEdit(edtDigital, kCountLength);
    Binder().BindInteger(count, (name + "Count").toLatin1().constData(),
                         StoredWhen<int32_t>(b.count, [this, constant] { return Granted() && constant->isChecked(); }));
    auto* line = new QHBoxLayout;
    line->addWidget(constant);
    line->addWidget(count);
    line->addStretch(1);
    grid->addLayout(line, row, 0, 1, 13);
    grid->addWidget(new QLabel(QStringLiteral("или по месяцам")), row + 1, 0);
    std::vector<QWidget*> monthEdits;
    for (int m = 0; m < 12; ++m) {
        auto* edit = new TMaskedEdit(edtDigital, kCountLength);
        edit->setToolTip(QString::fromUtf8(b.monthHint));
        const QByteArray editName = (name + "ByMonth" + QString::number(m + 1)).toLatin1();
        Binder().BindInteger(edit, editName.constData(),
                             StoredWhen<int32_t>(b.byMonth[static_cast<std::size_t>(m)],
                                                 [this, constant] { return Granted() && !constant->isChecked(); }));
        grid->addWidget(edit, row + 1, m + 1);
        monthEdits.push_back(edit);
    }
    AddRule([constant, count, monthEdits] {
        count->setEnabled(constant->isChecked());
        for (QWidget* w : monthEdits) w->setEnabled(!constant->isChecked());
    });
}

void TfrFrameStandartDeduct::AddBusinessRows(QGridLayout* grid, int row) {
    mTStandartDeduct& s = Declaration().Standard;
    grid->addWidget(new QLabel(QStringLiteral("Доходы/расходы помесячно для предпринимателей и лиц с частной практикой")),
                    row, 0, 1, 13);
    grid->addWidget(new QLabel(QStringLiteral("Доходы")), row + 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Расходы")), row + 2, 0);
    const auto granted = [this] { return Granted(); };
    for (int m = 0; m < 12; ++m) {
        const std::size_t i = static_cast<std::size_t>(m);
        auto* income = new TMaskedEdit(edtCurrency, kAmountWhole, kAmountFraction);
        Binder().BindMoney(income, QStringLiteral("BusinessIncome%1").arg(m + 1).toLatin1().constData(),
                           StoredWhen<Money>(s.BusinessIncomeByMonth[i], granted));
        auto* expense = new TMaskedEdit(edtCurrency, kAmountWhole, kAmountFraction);
        Binder().BindMoney(expense, QStringLiteral("BusinessExpense%1").arg(m + 1).toLatin1().constData(),
                           StoredWhen<Money>(s.BusinessExpenseByMonth[i], granted));
        chbMonths_[i] = new QCheckBox(QString::fromUtf8(kShortMonths[m]));
        Binder().BindCheck(chbMonths_[i], QStringLiteral("BusinessMonth%1").arg(m + 1).toLatin1().constData(),
                           StoredWhen<bool>(s.BusinessMonthChecked[i], granted));
        grid->addWidget(income, row + 1, m + 1);
        grid->addWidget(expense, row + 2, m + 1);
        grid->addWidget(chbMonths_[i], row + 3, m + 1);
    }
}

bool TfrFrameStandartDeduct::StoreOwn() {
    mTStandartDeduct& s = Declaration().Standard;
    if (!s.Granted) return false;
    const bool monthly =
        std::any_of(chbMonths_.begin(), chbMonths_.end(), [](const QCheckBox* box) { return box->isChecked(); });
    if (monthly == s.MonthlyBusiness) return false;
    s.MonthlyBusiness = monthly;
    return true;
}

void TfrFrameStandartDeduct::EditSelfCodes() {
    mTStandartDeduct& s = Declaration().Standard;
    TfmDif dialog(s.MonthlySelfCodes, window());
    if (!TakeMonths(dialog, s.MonthlySelfCodesGiven, s.MonthlySelfCodes, &mTStandartDeduct::SetMonthlySelfCodes))
        RestoreChoiceBefore(SelfCodes_);
}

void TfrFrameStandartDeduct::EditChildStatus() {
    mTStandartDeduct& s = Declaration().Standard;
    TfmDif2 dialog(s.MonthlyChildStatus, window());
    if (!TakeMonths(dialog, s.MonthlyChildStatusGiven, s.MonthlyChildStatus, &mTStandartDeduct::SetMonthlyChildStatus))
        RestoreChoiceBefore(ChildStatus_);
}

bool TfrFrameStandartDeduct::TakeMonths(TMonthChoiceDialog& dialog, bool given, const MonthValues& current,
                                        void (mTStandartDeduct::*set)(int, int32_t)) {
    if (dialog.exec() != QDialog::Accepted) return false;
    const MonthValues values = dialog.Values();
    // A list never given is written even when the dialog's first choices were kept.
    if (given && values == current) return true;
    mTStandartDeduct& s = Declaration().Standard;
    for (int m = 1; m <= 12; ++m) (s.*set)(m, values[static_cast<std::size_t>(m - 1)]);
    emit documentModified();
    return true;
}

// The choice is remembered as the button is pressed, before it changes: by mouse,
// by key or by click(), which all press it first.
void TfrFrameStandartDeduct::KeepChoiceBefore(MonthlyChoice& choice) {
    connect(choice.group->button(choice.changedId), &QAbstractButton::pressed, this,
            [&choice] { choice.before = choice.group->checkedId(); });
}

// "Нет" in the months dialog: the choice goes back to what it was (to none when
// none was chosen), so that no monthly code stands without its months.
void TfrFrameStandartDeduct::RestoreChoiceBefore(const MonthlyChoice& choice) {
    if (choice.before == choice.changedId) return;
    if (QAbstractButton* before = choice.group->button(choice.before)) {
        before->setChecked(true);
        return;
    }
    choice.group->setExclusive(false);
    choice.group->button(choice.changedId)->setChecked(false);
    choice.group->setExclusive(true);
}

}  // namespace kvz
