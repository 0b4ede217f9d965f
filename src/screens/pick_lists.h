#pragma once
// The named pick lists of the screens, all made of the one pick-list dialog.
#include <functional>
#include <string>

#include "directory/inspection_directory.h"
#include "directory/inspection_picker.h"
#include "model/income_dictionary.h"
#include "screens/pick_button.h"
#include "screens/pick_list_dialog.h"
#include "screens/screen_resources.h"

namespace kvz {

class TCodeChoice;

// Two-digit code of a stored numeric code, as the lists show it; the lists open
// at "01" for a code that was never chosen (0).
std::string TwoDigitCode(int code);

// Code lists of fixed rows: on "Да" the chosen row gives its code as a number.
class TfmCodeList : public TPickListDialog {
    Q_OBJECT
public:
    TfmCodeList(const PickListCaptions& captions, const std::vector<DirectoryEntry>& rows, int currentCode,
                QWidget* parent);
    int SelectedCodeValue() const;
};

class TfmDocType : public TfmCodeList {
    Q_OBJECT
public:
    TfmDocType(int currentCode, QWidget* parent);
};

class TfmRegionName : public TfmCodeList {
    Q_OBJECT
public:
    TfmRegionName(int currentCode, QWidget* parent);
};

// Countries of "Oksm.xml".
class TfmGrazhd : public TPickListDialog {
    Q_OBJECT
public:
    TfmGrazhd(const InspectionDirectory& countries, QWidget* parent);
};

// Inspections of "InspectionNumbers.xml"; the third button offers the import of
// the classifier when the window gives a way to open it.
class TfmInputInspectionNumber : public TPickListDialog {
    Q_OBJECT
public:
    TfmInputInspectionNumber(const InspectionDirectory& inspections, const std::function<void()>& showImport,
                             QWidget* parent);
};

// The lists of the pick buttons; none when the directory file was missing.
TPickButton::DialogFactory InspectionList(const ScreenResources& resources);
TPickButton::DialogFactory CountryList(const ScreenResources& resources);
// "Справочник видов доходов": the incomes of the tax group rateFilter, every income
// when it is empty. The dictionary must outlive the button.
TPickButton::DialogFactory IncomeCodeList(const IncomeDictionary& dictionary, std::string rateFilter);
// "Справочник видов вычетов": the deductions of the income that incomeCode gives
// when the list opens (a non-resident's only when not resident).
TPickButton::DialogFactory DeductionCodeList(const IncomeDictionary& dictionary, bool resident,
                                             std::function<std::string()> incomeCode);
// The region list for a field that holds the code as its text.
TPickButton::DialogFactory RegionList();

// The taxpayer's document type and region: the panel with the chosen name
// ("DocTypeName", "RegionName") and the "..." button ("fbDocType", "fbRegion").
TCodeChoice* NewDocTypeChoice();
TCodeChoice* NewRegionChoice();

}  // namespace kvz
