#include "screens/pick_lists.h"

#include <QPushButton>

#include "directory/document_types.h"
#include "directory/regions.h"
#include "model/deduction_code_picker.h"
#include "model/income_code_picker.h"
#include "screens/code_choice.h"

namespace kvz {

std::string TwoDigitCode(int code) {
    if (code == 0) code = 1;
    std::string text = std::to_string(code);
    return text.size() < 2 ? "0" + text : text;
}

TfmCodeList::TfmCodeList(const PickListCaptions& captions, const std::vector<DirectoryEntry>& rows, int currentCode,
                         QWidget* parent)
    : TPickListDialog(captions, std::make_unique<InspectionPicker>(rows), parent) {
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
    : TfmCodeList(
          {QStringLiteral("Справочник регионов"), QStringLiteral("Код"), QStringLiteral("Наименование региона")},
          RegionRows(), currentCode, parent) {}

TfmGrazhd::TfmGrazhd(const InspectionDirectory& countries, QWidget* parent)
    : TPickListDialog(
          {QStringLiteral("Справочник стран"), QStringLiteral("Код"), QStringLiteral("Наименование государства")},
          std::make_unique<InspectionPicker>(countries), parent) {}

TfmInputInspectionNumber::TfmInputInspectionNumber(const InspectionDirectory& inspections,
                                                   const std::function<void()>& showImport, QWidget* parent)
    : TPickListDialog(
          {QStringLiteral("Справочник инспекций"), QStringLiteral("Код"), QStringLiteral("Наименование инспекции")},
          std::make_unique<InspectionPicker>(inspections), parent) {
    if (!showImport) return;
    QPushButton* import = AddExtraButton(QStringLiteral("Пролистал весь справочник, моя инспекция отсутствует..."));
    import->setObjectName(QStringLiteral("fbImportSoun"));
    connect(import, &QPushButton::clicked, this, [showImport] { showImport(); });
}

TPickButton::DialogFactory InspectionList(const ScreenResources& resources) {
    if (resources.inspections == nullptr) return {};
    return [inspections = resources.inspections, showImport = resources.showInspectionImport](QWidget* parent) {
        return std::make_unique<TfmInputInspectionNumber>(*inspections, showImport, parent);
    };
}

TPickButton::DialogFactory CountryList(const ScreenResources& resources) {
    if (resources.countries == nullptr) return {};
    return
        [countries = resources.countries](QWidget* parent) { return std::make_unique<TfmGrazhd>(*countries, parent); };
}

TPickButton::DialogFactory IncomeCodeList(const IncomeDictionary& dictionary, std::string rateFilter) {
    return [&dictionary, rateFilter](QWidget* parent) {
        return std::make_unique<TPickListDialog>(
            PickListCaptions{QStringLiteral("Справочник видов доходов"), QStringLiteral("Код"),
                             QStringLiteral("Наименование дохода")},
            std::make_unique<IncomeCodePicker>(dictionary, false, "", rateFilter), parent);
    };
}

TPickButton::DialogFactory DeductionCodeList(const IncomeDictionary& dictionary, bool resident,
                                             std::function<std::string()> incomeCode) {
    return [&dictionary, resident, incomeCode](QWidget* parent) {
        return std::make_unique<TPickListDialog>(
            PickListCaptions{QStringLiteral("Справочник видов вычетов"), QStringLiteral("Код"),
                             QStringLiteral("Виды вычетов")},
            std::make_unique<DeductionCodePicker>(dictionary, resident, "", incomeCode()), parent);
    };
}

TPickButton::DialogFactory RegionList() {
    return [](QWidget* parent) { return std::make_unique<TfmRegionName>(0, parent); };
}

TCodeChoice* NewDocTypeChoice() {
    return new TCodeChoice(QStringLiteral("DocTypeName"), QStringLiteral("fbDocType"),
                           QStringLiteral("Справочник видов документов"),
                           [](int code, QWidget* parent) { return std::make_unique<TfmDocType>(code, parent); });
}

TCodeChoice* NewRegionChoice() {
    return new TCodeChoice(QStringLiteral("RegionName"), QStringLiteral("fbRegion"),
                           QStringLiteral("Справочник регионов"),
                           [](int code, QWidget* parent) { return std::make_unique<TfmRegionName>(code, parent); });
}

}  // namespace kvz
