#include "screens/standart_deduct_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

#include "screens/dialog_parts.h"
#include "screens/screen_widgets.h"

namespace kvz {

TMonthChoiceDialog::TMonthChoiceDialog(const QString& heading, const QStringList& choices, const Months& values,
                                       QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Комбинация стандартных вычетов"));
    auto* grid = new QGridLayout(this);
    int row = 0;
    if (!heading.isEmpty()) grid->addWidget(new QLabel(heading), row++, 0, 1, 4);
    for (int m = 0; m < 12; ++m) {
        auto* box = new QComboBox;
        box->setObjectName(QStringLiteral("cbMonth%1").arg(m + 1));
        box->addItems(choices);
        const int32_t value = values[static_cast<std::size_t>(m)];
        box->setCurrentIndex(value >= 0 && value < choices.size() ? value : 0);
        Months_[static_cast<std::size_t>(m)] = box;
        // Two columns of six months.
        grid->addWidget(new QLabel(MonthName(m + 1) + QLatin1Char(':')), row + m % 6, (m / 6) * 2);
        grid->addWidget(box, row + m % 6, (m / 6) * 2 + 1);
    }
    QDialogButtonBox* buttons = YesNoButtons(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    grid->addWidget(buttons, row + 6, 0, 1, 4);
}

TMonthChoiceDialog::Months TMonthChoiceDialog::Values() const {
    Months values{};
    for (std::size_t m = 0; m < values.size(); ++m) values[m] = Months_[m]->currentIndex();
    return values;
}

TfmDif::TfmDif(const Months& selfCodes, QWidget* parent)
    : TMonthChoiceDialog(QString(), {QStringLiteral("----"), QStringLiteral("104"), QStringLiteral("105")}, selfCodes,
                         parent) {}

TfmDif2::TfmDif2(const Months& childStatus, QWidget* parent)
    : TMonthChoiceDialog(QStringLiteral("В этом месяце был статус единственного родителя (опекуна)"),
                         {QStringLiteral("да"), QStringLiteral("нет")}, childStatus, parent) {}

}  // namespace kvz
