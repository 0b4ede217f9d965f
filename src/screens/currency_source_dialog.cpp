#include "screens/currency_source_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>

#include "checks/check_dialog.h"
#include "model/currency_income.h"
#include "screens/dialog_parts.h"
#include "screens/masked_edit.h"
#include "screens/pick_button.h"
#include "screens/pick_lists.h"

namespace kvz {

bool EditCurrencySource(mTCurrencyIncome& income, const ScreenResources& resources, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Доход"));
    auto* meName = new TMaskedEdit(edtNone, 160);
    meName->setObjectName(QStringLiteral("SourceName"));
    meName->setText(QString::fromStdString(income.SourceName));
    auto* meCountry = new TMaskedEdit(edtDigital, 3);
    meCountry->setObjectName(QStringLiteral("CountryCode"));
    meCountry->setText(QString::fromStdString(income.CountryCode));
    meCountry->setMaximumWidth(60);
    auto* fbCountry = new TPickButton(
        QStringLiteral("fbCountry"), QStringLiteral("Справочник стран"), CountryList(resources),
        [meCountry] { return meCountry->text().toStdString(); },
        [meCountry](const std::string& code, const std::string&) {
            const QString chosen = QString::fromStdString(code).trimmed();
            if (chosen != meCountry->text()) meCountry->setText(chosen);
        });

    fbCountry->TypedInto(meCountry);
    auto* country = new QHBoxLayout;
    country->addWidget(meCountry);
    country->addWidget(fbCountry);
    country->addStretch(1);
    QDialogButtonBox* buttons = YesNoButtons(&dialog);
    auto* layout = new QFormLayout(&dialog);
    layout->addRow(QStringLiteral("Наименование источника выплаты"), meName);
    layout->addRow(QStringLiteral("Код страны"), country);
    layout->addRow(buttons);
    meName->setMinimumWidth(360);

    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (meName->text().trimmed().isEmpty()) {
            meName->setFocus();
            return;
        }
        if (meCountry->text().trimmed().isEmpty()) {
            if (resources.checkDialog)
                resources.checkDialog->Ask(kCaptionIncomeSource, kNoCountryCode, CheckButtons{false, false});
            meCountry->setFocus();
            fbCountry->Pick();
            return;
        }
        dialog.accept();
    });
    if (dialog.exec() != QDialog::Accepted) return false;
    income.SourceName = meName->text().trimmed().toStdString();
    income.CountryCode = meCountry->text().trimmed().toStdString();
    return true;
}

}  // namespace kvz
