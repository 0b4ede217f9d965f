#include "screens/russian_income_dialogs.h"

#include <QCheckBox>
#include <QFormLayout>

#include "checks/source_check.h"
#include "screens/dialog_parts.h"
#include "screens/source_dialog.h"
#include "screens/thirteen_line_dialog.h"

namespace kvz {

namespace {

bool EditLine(mTSourseIncome& line, const ThirteenLineSetup& setup, const ScreenResources& resources,
              QWidget* parent) {
    TThirteenLineDialog dialog(setup, line, resources.checkDialog, parent);
    return TakeIfAccepted(dialog, line, &TThirteenLineDialog::Line);
}

}  // namespace

bool EditThirteenSource(mTThirteenPercent& source, bool resident, const ScreenResources& resources, QWidget* parent) {
    TSourceDialog dialog({QStringLiteral("TfmInput13SourseIncome"), QStringLiteral("Источник выплаты"),
                          QStringLiteral("Наименование источника выплаты"), kTitleThirteen, SourceCheckKind::Lenient},
                         source, resources.checkDialog, parent);
    QCheckBox* standard = nullptr;
    // Standard deductions are a resident's only.
    if (resident) {
        standard = new QCheckBox(QStringLiteral("Расчет стандартных вычетов вести по этому источнику"));
        standard->setObjectName(QStringLiteral("StandardDeductionsHere"));
        standard->setChecked(source.StandardDeductionsHere);
        dialog.Form()->addRow(standard);
    }
    dialog.AddButtons();
    if (!dialog.ExecInto(source)) return false;
    if (standard) source.StandardDeductionsHere = standard->isChecked();
    return true;
}

bool EditThirteenLine(mTSourseIncome& line, bool resident, const ScreenResources& resources, QWidget* parent) {
    return EditLine(line, {QStringLiteral("TfmInput13Income"), resident, ThirteenLineDialog::Common}, resources,
                    parent);
}

bool EditThirteenNRLine(mTSourseIncome& line, const ScreenResources& resources, QWidget* parent) {
    return EditLine(line, {QStringLiteral("TfmInput13NRIncome"), false, ThirteenLineDialog::Specialists}, resources,
                    parent);
}

}  // namespace kvz
