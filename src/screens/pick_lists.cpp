#include "screens/pick_lists.h"

#include <QPushButton>

#include "screens/document_types.h"
#include "screens/regions.h"

namespace kvz {

std::string TwoDigitCode(int code) {
    if (code == 0) code = 1;
    std::string text = std::to_string(code);
    return text.size() < 2 ? "0" + text : text;
}

TfmCodeList::TfmCodeList(const PickListCaptions& captions, const std::vector<DirectoryEntry>& rows,
                         int currentCode, QWidget* parent)
    : TPickListDialog(captions, rows, parent) {
    Preselect(TwoDigitCode(currentCode));
}

int TfmCodeList::SelectedCodeValue() const {
    bool ok = false;
    const int value = QString::fromStdString(SelectedCode()).toInt(&ok);
    return ok ? value : 0;
}

TfmDocType::TfmDocType(int currentCode, QWidget* parent)
    : TfmCodeList({QStringLiteral("Справочник видов документов"), QStringLiteral("Код"),
                   QStringLiteral("Наименование документа")},
                  DocumentTypeRows(), currentCode, parent) {}

TfmRegionName::TfmRegionName(int currentCode, QWidget* parent)
    : TfmCodeList({QStringLiteral("Справочник регионов"), QStringLiteral("Код"), QStringLiteral("Наименование региона")},
                  RegionRows(), currentCode, parent) {}

TfmGrazhd::TfmGrazhd(const InspectionDirectory& countries, QWidget* parent)
    : TPickListDialog({QStringLiteral("Справочник стран"), QStringLiteral("Код"),
                       QStringLiteral("Наименование государства")},
                      countries.Entries, parent) {}

TfmInputInspectionNumber::TfmInputInspectionNumber(const InspectionDirectory& inspections,
                                                   const std::function<void()>& showImport, QWidget* parent)
    : TPickListDialog({QStringLiteral("Справочник инспекций"), QStringLiteral("Код"),
                       QStringLiteral("Наименование инспекции")},
                      inspections.Entries, parent) {
    if (!showImport) return;
    QPushButton* import =
        AddExtraButton(QStringLiteral("Пролистал весь справочник, моя инспекция отсутствует..."));
    import->setObjectName(QStringLiteral("fbImportSoun"));
    connect(import, &QPushButton::clicked, this, [showImport] { showImport(); });
}

}  // namespace kvz
