#include "screens/source_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>

#include "checks/check_text.h"
#include "checks/source_check.h"
#include "screens/dialog_parts.h"
#include "screens/masked_edit.h"

namespace kvz {

namespace {
enum Requisite { kName, kInn, kKpp, kOktmo };
}

TSourceDialog::TSourceDialog(const SourceDialogSetup& setup, const mTSourseIncomeInfo& source, CheckDialog* checks,
                             QWidget* parent)
    : QDialog(parent), Setup_(setup), Checks_(checks) {
    setObjectName(setup.objectName);
    setWindowTitle(setup.title);
    Form_ = new QFormLayout(this);
    const char* names[] = {"SourceName", "Inn", "Kpp", "Oktmo"};
    const QString labels[] = {setup.nameLabel, QStringLiteral("ИНН"), QStringLiteral("КПП"), QStringLiteral("ОКТМО")};
    const std::string* values[] = {&source.SourceName, &source.Inn, &source.Kpp, &source.Oktmo};
    const int lengths[] = {160, 12, 9, 11};
    for (int field : {kName, kInn, kKpp, kOktmo}) {
        Fields_[field] = NewNamedEdit(names[field], field == kName ? edtNone : edtDigital, lengths[field]);
        Fields_[field]->LoadText(QString::fromStdString(*values[field]));
        Form_->addRow(labels[field], Fields_[field]);
    }
    Fields_[kName]->setMinimumWidth(360);
}

void TSourceDialog::AddButtons() {
    QDialogButtonBox* buttons = YesNoButtons(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TSourceDialog::OnYes);
    Form_->addRow(buttons);
}

std::string TSourceDialog::Text(int field) const { return Fields_[field]->text().trimmed().toStdString(); }

void TSourceDialog::OnYes() {
    CheckDialog& checks = ChecksOrFix(Checks_);
    const std::string& title = Setup_.checkTitle;
    const int field = Setup_.check == SourceCheckKind::Strict
                          ? StrictSourceCheck(checks, title, Text(kName), Text(kOktmo), Text(kKpp), Text(kInn))
                          : SourceCheck(checks, title, Text(kName), Setup_.check == SourceCheckKind::Lenient,
                                        Text(kOktmo), Text(kKpp), Text(kInn));
    if (field != kSourceAccepted) {
        Fields_[field - kSourceFieldName]->setFocus();
        return;
    }
    if (OwnChecks_ && !OwnChecks_(checks)) return;
    accept();
}

bool TSourceDialog::ExecInto(mTSourseIncomeInfo& source) {
    // A source without a name is not one: a new one stays uncreated, an existing
    // one keeps everything it had.
    if (exec() != QDialog::Accepted || IsBlank(Text(kName))) return false;
    source.SourceName = Text(kName);
    source.Inn = Text(kInn);
    source.Kpp = Text(kKpp);
    source.Oktmo = Text(kOktmo);
    return true;
}

}  // namespace kvz
