#include "checks/field_rules.h"

#include <algorithm>
#include <initializer_list>
#include <mutex>
#include <optional>

#include "checks/check_text.h"
#include "checks/section_checks_deductions.h"
#include "model/pens.h"
#include "export/export_folder.h"
#include "export/export_texts.h"
#include "storage/dates.h"

namespace kvz {

namespace {

constexpr const char* kOnlyLetters = " может содержать только буквы, пробелы, дефисы, апострофы и точки";

// Code points of a UTF-8 text; nothing for a broken sequence.
std::optional<std::u32string> CodePoints(const std::string& text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int extra = byte < 0x80 ? 0 : (byte >> 5) == 0x6 ? 1 : (byte >> 4) == 0xE ? 2 : (byte >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= text.size() + (extra == 0 ? 1u : 0u))
            return std::nullopt;
        char32_t cp = extra == 0 ? byte : byte & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (next & 0x3F);
        }
        out.push_back(cp);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

// A code the file carries as typed: only digits, and as many as one of the lengths.
bool IsDigitCode(const std::string& text, std::initializer_list<std::size_t> lengths) {
    return std::find(lengths.begin(), lengths.end(), text.size()) != lengths.end() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsNameCharacter(char32_t c) {
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= U'А' && c <= U'я') || c == U'Ё' ||
           c == U'ё' || c == U' ' || c == U'-' || c == U'\'' || c == U'.';
}

class Rules {
public:
    Rules(const mTDeclaration& d, const InspectionDirectory* countries) : D_(d), Countries_(countries) {}

    CheckFindings Run() {
        const bool expectedIncome = D_.DeclarationKind == kDecl4Ndfl;
        if (expectedIncome && !IsDigitCode(D_.InspectionCode, {4}))
            Add(kCheckSectionConditions, kCheckFieldInspection, kCaptionConditions,
                "Номер инспекции \"" + D_.InspectionCode + "\" должен состоять из 4 цифр без пробелов");
        if (D_.ConfirmedBy != 0) Name(kCheckSectionConditions, kCheckFieldRepresentativeName, "ФИО представителя",
                                      D_.RepresentativeName, kCaptionConditions);
        const mTPersonInformation& p = D_.Person;
        Name(kCheckSectionPerson, kCheckFieldSurname, "Фамилия", p.Surname, kCaptionPerson);
        Name(kCheckSectionPerson, kCheckFieldFirstName, "Имя", p.FirstName, kCaptionPerson);
        Name(kCheckSectionPerson, kCheckFieldPatronymic, "Отчество", p.Patronymic, kCaptionPerson);
        if (expectedIncome) ExpectedIncomeCodes(p);
        if (Countries_) Citizenship(p);
        if ((D_.IncomeKinds & kIncomeForeign) && D_.DeclarationKind != kDecl4Ndfl) ForeignCountries();
        if (!expectedIncome) PensionContractKinds();
        if (StandardDeductionsBySourceMonths()) LineMonths();
        if (D_.DeclarationKind == kDecl3Ndfl && D_.IncomeKinds != 0 && D_.Construction.Granted) {
            PropertyObjects();
            FirstUseYears();
        }
        return std::move(Findings_);
    }

private:
    void Add(int section, int field, const char* caption, std::string message) {
        Findings_.push_back(CheckFinding{section, caption, field, std::move(message)});
    }

    void Name(int section, int field, const char* label, const std::string& text, const char* caption) {
        if (!IsPersonName(text)) Add(section, field, caption, std::string(label) + kOnlyLetters);
    }

    // No schema reads the 4-НДФЛ file before it is written, and it carries the
    // inspection number, the ИНН and the ОКТМО as typed (the first two in its name
    // too): a blank or a letter there would reach the tax office.
    // A blank one is asked for by the taxpayer's own check.
    void ExpectedIncomeCodes(const mTPersonInformation& p) {
        if (!IsBlank(p.PersonInn) && !IsDigitCode(p.PersonInn, {12}))
            Add(kCheckSectionPerson, kCheckFieldPersonInn, kCaptionPerson,
                "ИНН \"" + p.PersonInn + "\" должен состоять из 12 цифр без пробелов");
        if (!IsBlank(p.ResidenceOktmo) && !IsDigitCode(p.ResidenceOktmo, {8, 11}))
            Add(kCheckSectionPerson, kCheckFieldPersonOktmo, kCaptionPerson,
                "Код ОКТМО \"" + p.ResidenceOktmo + "\" должен состоять из 8 или 11 цифр без пробелов");
    }

    void Citizenship(const mTPersonInformation& p) {
        if (IsBlank(p.CitizenshipCode)) return;  // written as Russia's code
        const DirectoryEntry* country = FindCountry(*Countries_, p.CitizenshipCode);
        if (!country) {
            Add(kCheckSectionPerson, kCheckFieldCitizenshipCode, kCaptionPerson,
                "Код страны \"" + p.CitizenshipCode + "\" не найден в справочнике стран");
        } else if (!IsBlank(p.CitizenshipCountry) && TrimText(p.CitizenshipCountry) != country->Name) {
            Add(kCheckSectionPerson, kCheckFieldCitizenshipCode, kCaptionPerson,
                "Наименование страны \"" + p.CitizenshipCountry + "\" не соответствует коду " + p.CitizenshipCode +
                    " (" + country->Name + ")");
        }
    }

    // A blank code would reach the file as "000", a country that does not exist.
    void ForeignCountries() {
        for (int i = 0; i < D_.Foreign.Count(); ++i) {
            const std::string& code = D_.Foreign.Get(i).CountryCode;
            const std::string income = "Доход в валюте № " + std::to_string(i + 1) + ". ";
            if (IsBlank(code))
                Add(kCheckSectionForeign, i + 1, kCaptionForeign, income + "Не указан код страны");
            else if (Countries_ && !FindCountry(*Countries_, code))
                Add(kCheckSectionForeign, i + 1, kCaptionForeign,
                    income + "Код страны \"" + code + "\" не найден в справочнике стран");
        }
    }

    // The calculation passes over a contract of no known kind, and its contributions
    // would be left out of the file without a word.
    void PensionContractKinds() {
        const std::vector<mTPens>& contracts = D_.Social.PensionContracts;
        for (std::size_t i = 0; i < contracts.size(); ++i) {
            const mTPens& c = contracts[i];
            const bool known = c.ContractKind >= 1 && c.ContractKind <= mTPens::kKindExtraContributions;
            if (!known && !(c.Contribution.IsZero() && c.AgentDeduction.IsZero()))
                Add(kCheckSectionDeductions, kCheckFieldSocialDeductions, kCaptionSocial,
                    "Договор № " + std::to_string(i + 1) + ". Не выбран вид договора");
        }
    }

    // A resident's standard deductions counted month by month from the 13 % lines.
    bool StandardDeductionsBySourceMonths() const {
        return D_.DeclarationKind == kDecl3Ndfl && (D_.IncomeKinds & kIncomeRussian) && D_.Standard.Granted &&
               !D_.Standard.MonthlyBusiness;
    }

    // The line dialog gives every line of a resident a month; a line from elsewhere
    // without one (or past December) would drop out of the months, and the income limit
    // of the standard deductions would be counted without its income.
    void LineMonths() {
        for (int i = 0; i < D_.Thirteen.Count(); ++i) {
            const mTThirteenPercent& source = D_.Thirteen.Get(i);
            if (!source.StandardDeductionsHere) continue;
            int n = 0;
            for (const mTSourseIncome& line : source.Lines()) {
                ++n;
                if (line.Month >= 1 && line.Month <= 12) continue;
                const std::string place =
                    "Источник выплаты " + std::to_string(i + 1) + ", строка " + std::to_string(n) + ". ";
                Add(kCheckSectionThirteen, i + 1, kCaptionThirteen,
                    place + (line.Month == 0 ? "Не указан месяц получения дохода"
                                             : "Месяц получения дохода " + std::to_string(line.Month) +
                                                   " должен быть от 1 до 12"));
            }
        }
    }

    // The object dialog's own rules, for objects that did not come through it: an
    // object without its region or taxpayer sign would reach the file as region "00"
    // or as the owner.
    void PropertyObjects() {
        for (int i = 0; i < D_.Construction.ObjectCount(); ++i)
            for (const CheckFinding& f : ConstructionObjectFindings(D_.Construction.Object(i)))
                Findings_.push_back(CheckFinding{kCheckSectionDeductions, f.sectionTitle, PropertyObjectField(i + 1),
                                                 "Объект № " + std::to_string(i + 1) + ". " + f.message});
    }

    // The limits of the object dialog, for objects that did not come through it.
    void FirstUseYears() {
        const int count = D_.Construction.ObjectCount();
        for (int i = 0; i < count; ++i) {
            const std::string refusal = FirstUseYearRefusal(D_.Construction.Object(i), IsLaterObject(count, i));
            if (refusal.empty()) continue;
            Add(kCheckSectionDeductions, PropertyObjectField(i + 1), kCaptionProperty,
                "Объект № " + std::to_string(i + 1) + ". " + refusal);
            return;
        }
    }

    const mTDeclaration& D_;
    const InspectionDirectory* Countries_;
    CheckFindings Findings_;
};

}  // namespace

bool IsPersonName(const std::string& text) {
    const std::optional<std::u32string> points = CodePoints(text);
    return points && std::all_of(points->begin(), points->end(), IsNameCharacter);
}

const DirectoryEntry* FindCountry(const InspectionDirectory& countries, const std::string& code) {
    if (IsBlank(code)) return nullptr;
    const std::string padded = PadWithZeros(TrimText(code), 3);
    for (const DirectoryEntry& e : countries.Entries) {
        // Padding is on the left: a code whose last character differs cannot match,
        // which spares padding every code of the list on every lookup.
        std::size_t end = e.Code.size();
        while (end > 0 && static_cast<unsigned char>(e.Code[end - 1]) <= ' ') --end;
        if (end > 0 && e.Code[end - 1] != padded.back()) continue;
        if (PadWithZeros(TrimText(e.Code), 3) == padded) return &e;
    }
    return nullptr;
}

CheckFindings FieldRuleFindings(const mTDeclaration& declaration, const InspectionDirectory* countries) {
    return Rules(declaration, countries).Run();
}

const InspectionDirectory* ProgramCountryDirectory() {
    static std::once_flag once;
    static std::optional<InspectionDirectory> countries;
    std::call_once(once, [] {
        try {
            countries = ReadInspectionDirectory(ProgramDataFolder() + "Oksm.xml");
        } catch (const std::exception&) {
            countries.reset();  // without the file the codes are not looked up, as the screens do
        }
    });
    return countries ? &*countries : nullptr;
}

}  // namespace kvz
