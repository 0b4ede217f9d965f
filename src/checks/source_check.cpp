#include "checks/source_check.h"

#include "checks/check_text.h"
#include "checks/inn_check.h"

namespace kvz {

namespace {

int LastAnswer = kCheckAnswerNone;

namespace text {
constexpr const char* kNoName = "Не заполненно поле \"Наименование источника выплаты\"";
constexpr const char* kBadOktmo =
    "Код ОКТМО введен некорректно(должно быть 8 или 11 симв.)(При продаже имущества физ.лицу - не нужен)";
constexpr const char* kNoOktmo = "Не введен код ОКТМО(8 или 11 симв.)(При продаже имущества физ.лицу - не нужен)";
constexpr const char* kNoOktmoStrict = "Не введен код ОКТМО(8 или 11 симв.)";
constexpr const char* kInnNotTenOrTwelve = "Длинна ИНН должна быть равна 10 или 12 цифрам";
constexpr const char* kInnNotTen = "Длинна ИНН должна быть равна 10 цифрам";
constexpr const char* kInnWrong = "Номер ИНН введен неверно";
constexpr const char* kNoKpp = "Отсутствует КПП";
constexpr const char* kKppNotNine = "Длинна КПП должна быть равна 9 цифрам";
constexpr const char* kKppWrong = "Некорректный КПП";
constexpr const char* kEnterInn = "Введите ИНН";
constexpr const char* kInnNotOrganization = "Длинна ИНН для юрлиц должна быть равна 10 цифрам";
}  // namespace text

const char* KppMessage(uint16_t status) {
    switch (status) {
    case kKppEmpty: return text::kNoKpp;
    case kKppNotNine: return text::kKppNotNine;
    default: return text::kKppWrong;
    }
}

// One run of a source check: the messages share one dialog, whose "Пропустить"
// once disabled stays so, and the run ends at the first "Исправить" or
// "Пропустить все".
class SourceCheckRun {
public:
    SourceCheckRun(CheckDialog& dialog, const std::string& title, bool allowSkip)
        : Dialog_(dialog), Title_(title) {
        Buttons_.skip = allowSkip;
        Buttons_.skipAll = false;
        LastAnswer = kCheckAnswerNone;
    }

    bool GoesOn() const { return LastAnswer != kCheckAnswerFix && LastAnswer != kCheckAnswerSkipAll; }

    void Show(const char* message, int field, bool forbidSkip) {
        if (forbidSkip) Buttons_.skip = false;
        LastAnswer = Dialog_.Ask(Title_, message, Buttons_);
        Result_ = LastAnswer == kCheckAnswerFix ? field : kSourceAccepted;
    }

    int Result() const { return Result_; }

private:
    CheckDialog& Dialog_;
    const std::string& Title_;
    CheckButtons Buttons_;
    int Result_ = kSourceAccepted;
};

}  // namespace

int LastCheckAnswer() { return LastAnswer; }
void SetLastCheckAnswer(int answer) { LastAnswer = answer; }

int SourceCheck(CheckDialog& dialog, const std::string& title, const std::string& name, bool allowSkip,
                const std::string& oktmo, const std::string& kpp, const std::string& inn) {
    SourceCheckRun run(dialog, title, allowSkip);
    if (IsBlank(name)) run.Show(text::kNoName, kSourceFieldName, true);
    if (run.GoesOn() && !IsBlank(oktmo) && !OktmoLengthValid(oktmo))
        run.Show(text::kBadOktmo, kSourceFieldOktmo, true);
    if (run.GoesOn() && IsBlank(oktmo)) run.Show(text::kNoOktmo, kSourceFieldOktmo, false);
    if (run.GoesOn()) {
        const uint16_t s = InnCheck(inn, kInnAnyLength);
        if (s == kInnNotTenOrTwelve) run.Show(text::kInnNotTenOrTwelve, kSourceFieldInn, true);
        if (s == kInnWrong) run.Show(text::kInnWrong, kSourceFieldInn, true);
    }
    if (run.GoesOn()) {
        // The КПП belongs to an organisation, whose ИНН has 10 digits.
        const std::size_t innLength = TrimmedLength(inn);
        if (innLength == 10) {
            const uint16_t k = KppCheck(kpp);
            if (k != kKppValid) run.Show(KppMessage(k), kSourceFieldKpp, true);
        } else if (!IsBlank(kpp)) {
            run.Show(innLength == 0 ? text::kEnterInn : text::kInnNotOrganization, kSourceFieldInn, true);
        }
    }
    return run.Result();
}

int StrictSourceCheck(CheckDialog& dialog, const std::string& title, const std::string& name,
                      const std::string& oktmo, const std::string& kpp, const std::string& inn) {
    SourceCheckRun run(dialog, title, false);
    if (IsBlank(name)) run.Show(text::kNoName, kSourceFieldName, true);
    if (run.GoesOn() && !OktmoLengthValid(oktmo)) run.Show(text::kNoOktmoStrict, kSourceFieldOktmo, true);
    if (run.GoesOn()) {
        const uint16_t s = InnCheck(inn, kInnOrganization);
        if (s == kInnNotTen) run.Show(text::kInnNotTen, kSourceFieldInn, true);
        if (s == kInnWrong) run.Show(text::kInnWrong, kSourceFieldInn, true);
    }
    if (run.GoesOn()) {
        const uint16_t k = KppCheck(kpp);
        if (k != kKppValid) run.Show(KppMessage(k), kSourceFieldKpp, true);
    }
    if (run.GoesOn()) {
        const std::size_t innLength = TrimmedLength(inn);
        if (innLength == 0)
            run.Show(text::kEnterInn, kSourceFieldInn, true);
        else if (innLength != 10)
            run.Show(text::kInnNotOrganization, kSourceFieldInn, true);
    }
    return run.Result();
}

}  // namespace kvz
