#pragma once
// The requisites of a payment source (a tax agent, a fund, a partnership), checked
// when its dialog is accepted: each failure is shown in the check dialog, and the
// result names the field the user wants to correct.
#include <string>

#include "checks/check_dialog.h"

namespace kvz {

// Results of the source checks: 0 accepts; otherwise the field to focus.
enum SourceField : int {
    kSourceAccepted = 0,
    kSourceFieldName = 1,
    kSourceFieldInn = 2,
    kSourceFieldKpp = 3,
    kSourceFieldOktmo = 4,
};

// Pension contracts have no ОКТМО; their dialogs pass this text so that the ОКТМО
// rule of StrictSourceCheck holds.
inline constexpr const char* kPensionContractOktmo = "12345678901";

// Titles the dialogs pass.
inline constexpr const char* kTitleThirteen = "Доходы, облагаемые по ставке 13%";
inline constexpr const char* kTitleThirtyFive = "Доходы, облагаемые по ставке 35%";
inline constexpr const char* kTitleNine = "Доходы, облагаемые по ставке 9%";
inline constexpr const char* kTitleDividends = "Доходы в виде дивидендов";
inline constexpr const char* kTitleInvestTov = "Доходы от участия в инвестиционном товариществе";
inline constexpr const char* kTitlePensionContracts = "Пенсионные договоры";

// The answer to the last message a source check showed: 0 when none, else the
// dialog's result. Each run starts by setting it to 0; a dialog that goes on with
// messages of its own after a source check may record their answers too.
int LastCheckAnswer();
void SetLastCheckAnswer(int answer);

// For sources at 13 % and 35 % (allowSkip true) and partnerships (allowSkip false).
// "Пропустить все" is never offered; "Пропустить" only while allowSkip and until a
// message that forbids it.
int SourceCheck(CheckDialog& dialog, const std::string& title, const std::string& name, bool allowSkip,
                const std::string& oktmo, const std::string& kpp, const std::string& inn);

// For sources at 9 %, dividends and pension contracts: an organisation's 10-digit
// ИНН and a КПП are required, and no message can be skipped.
int StrictSourceCheck(CheckDialog& dialog, const std::string& title, const std::string& name,
                      const std::string& oktmo, const std::string& kpp, const std::string& inn);

}  // namespace kvz
