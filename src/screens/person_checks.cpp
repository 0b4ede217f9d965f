#include "screens/person_checks.h"

#include "checks/check_text.h"
#include "checks/inn_check.h"
#include "model/declaration.h"
#include "screens/screen_check_run.h"

namespace kvz {

namespace {

constexpr const char* kCaption = "Сведения о декларанте";

// Documents issued from the age of 14: military cards, their temporary
// replacement, the passport and the serviceman's card.
bool IssuedFromFourteen(uint16_t code) { return code == 7 || code == 8 || code == 21 || code == 24; }

bool OktmoLengthWrong(const std::string& oktmo) {
    const std::size_t length = TrimmedLength(oktmo);
    return length != 8 && length != 11;
}

}  // namespace

bool IssuedBeforeFourteenthBirthday(DateTime birth, DateTime issued) {
    int year = 0, month = 0, day = 0;
    DecodeDate(birth, year, month, day);
    if (month == 2 && day == 29) day = 28;
    DateTime fourteenth = 0;
    // A birth date so far off that it has no 14th birthday is no date to accept.
    if (!TryEncodeDate(year + 14, month, day, fourteenth)) return true;
    return fourteenth > issued;
}

uint32_t ValidatePersonNaim(const mTDeclaration& declaration, uint16_t docTypeCode, CheckDialog* dialog) {
    const mTPersonInformation& p = declaration.Person;
    const uint16_t inn = InnCheck(p.PersonInn, kInnPerson);
    const bool document = p.DocTypeCode != 0;
    ScreenCheckRun run(dialog, kCaption);
    run.Check(IsBlank(p.Surname), "Не введена фамилия", 1);
    run.Check(IsBlank(p.FirstName), "Не введено имя", 2);
    run.Check(inn == kInnNotTwelve, "Длинна ИНН должна быть равна 12 цифрам", 4);
    run.Check(inn == kInnWrong, "Номер ИНН введен неверно", 4);
    run.Check(inn == kInnEmpty, "Не указан ИНН", 4);
    run.Check(inn != kInnValid && IsBlank(p.BirthPlace), "Не указано место рождения", 9);
    run.Check(inn != kInnValid && !document, "Не указан документ, удостоверяющий личность", 5);
    run.Check(document && IsBlank(p.DocSeriesNumber), "Не указаны серия и номер документа, удостоверяющего личность",
              6);
    if (document && p.DocIssueDate < p.BirthDate)
        run.Check(true, "Дата выдачи документа не может быть меньше даты рождения", 7);
    else if (document && IssuedFromFourteen(docTypeCode))
        run.Check(IssuedBeforeFourteenthBirthday(p.BirthDate, p.DocIssueDate),
                  "Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет", 7);
    run.Check(document && IsBlank(p.DocIssuedBy), "Не указано, кем выдан документ, удостоверяющий личность", 8);
    run.Check(declaration.DeclarationKind == kDecl4Ndfl && OktmoLengthWrong(p.ResidenceOktmo),
              "Не введен код ОКТМО(8 или 11 символов)", 10);
    return run.Result();
}

uint32_t ValidatePersonAddress(const mTDeclaration& declaration, CheckDialog* dialog) {
    const mTPersonInformation& p = declaration.Person;
    ScreenCheckRun run(dialog, kCaption);
    run.Check(p.RegionCode == 0, "Не указан регион постоянного местожительства", 2);
    run.Check(IsBlank(p.Locality) && IsBlank(p.Street),
              "Не указан населенный пункт (село, поселок) или улица (проспект, переулок)", 5);
    run.Check(declaration.DeclarationKind != kDecl4Ndfl && !IsBlank(p.ResidenceOktmo) &&
                  OktmoLengthWrong(p.ResidenceOktmo),
              "Код ОКТМО должен содержать 8 или 11 символов", 4);
    return run.Result();
}

}  // namespace kvz
