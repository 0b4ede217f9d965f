#include "checks/schema_places.h"

#include <initializer_list>
#include <utility>
#include <vector>

#include "checks/declaration_check.h"

namespace kvz {

namespace {

constexpr SchemaRow kNone = SchemaRow::None;
constexpr SchemaRow kAt = SchemaRow::Position;

#define NPFL3 "Документ/СвНП/НПФЛ3"
#define NPFL4 "Документ/СвНП/НПФЛ"
#define ADDRESS NPFL3 "/СвАдрРФ/АдрРФ"
#define PERSON1 NPFL3 "/СведФЛ1"
#define PERSON2 NPFL3 "/СведФЛ2"
#define SHEETS "Документ/НДФЛ3"
#define SOURCE SHEETS "/ДоходИстРФ"
#define FOREIGN SHEETS "/ДоходИстИно/РасчДохНалИно"
#define ACTIVITY SHEETS "/ДоходПредпр/РасчВидДеят"
#define OBJECT SHEETS "/ИмущНалВычНов/РасчИмущВыч/СвОбъектРасх"
#define CONTRACT SHEETS "/ВычСоцИнв219/РасчПенсВзнос/РасчПСВВыч/СведДогНПО"

// An attribute (or "" for the element) and its name in the user's words.
struct Named {
    const char* Attribute;
    const char* Name;
};

// Where the places of one element are entered; they differ only in their names.
struct EnteredAt {
    const char* Element;
    uint16_t Section;
    int Field;
    SchemaRow Row = kNone;
    const char* RowElement = "";
    const char* RowWord = "";
};

class PlaceTable {
public:
    PlaceTable& Add(const EnteredAt& at, std::initializer_list<Named> names) {
        for (const Named& n : names)
            Places_.push_back(
                {at.Element, n.Attribute, at.Section, at.Field, at.Row, at.RowElement, at.RowWord, n.Name});
        return *this;
    }
    const std::vector<SchemaPlace>& Places() const { return Places_; }

private:
    std::vector<SchemaPlace> Places_;
};

// Values the calculation alone writes (totals, sheets, payment lines) have no field
// of their own: they fall to the entry of their sheet.
PlaceTable MakePlaces() {
    constexpr uint16_t kConditions = kCheckSectionConditions, kPerson = kCheckSectionPerson,
                       kAddress = kCheckSectionAddress, kDeductions = kCheckSectionDeductions;
    const EnteredAt source{SOURCE, kCheckSectionThirteen, 0, SchemaRow::IncomeSource, "", "Источник выплаты"};
    const EnteredAt foreign{FOREIGN, kCheckSectionForeign, 0, SchemaRow::ForeignIncome, "", "Доход в валюте"};
    const EnteredAt activity{ACTIVITY, kCheckSectionBusiness, 0, kAt, "РасчВидДеят", "Вид деятельности"};
    const EnteredAt object{OBJECT, kDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх", "Объект"};
    const EnteredAt contract{CONTRACT, kDeductions, kCheckFieldSocialDeductions, kAt, "СведДогНПО", "Договор"};
    auto inside = [](EnteredAt at, const char* element) {
        at.Element = element;
        return at;
    };
    PlaceTable t;
    t.Add({"Документ", kConditions, kCheckFieldInspection}, {{"", "Номер инспекции"}})
        .Add({"Документ", kConditions, kCheckFieldCorrectionNumber}, {{"НомКорр", "Номер корректировки"}})
        .Add({"Документ/Подписант", kConditions, kCheckFieldRepresentativeName}, {{"", "ФИО представителя"}})
        .Add({"Документ/Подписант/СвПред", kConditions, kCheckFieldRepresentativeDocument},
             {{"", "Документ, подтверждающий полномочия представителя"}})
        .Add({"Документ/Подписант/СвПред", kConditions, kCheckFieldRepresentativeOrganization},
             {{"НаимОрг", "Организация - представитель"}});

    t.Add({"Документ/СвНП", kPerson, kCheckFieldSurname}, {{"", "Сведения о декларанте"}})
        .Add({NPFL3, kAddress, kCheckFieldPhone}, {{"Тлф", "Контактный телефон"}})
        .Add({NPFL3, kAddress, kCheckFieldForeignAddress}, {{"АдрИно", "Адрес за пределами РФ"}})
        .Add({NPFL3 "/СвАдрРФ", kAddress, kCheckFieldRegion}, {{"", "Адрес в Российской Федерации"}})
        .Add({NPFL4, kPerson, kCheckFieldPhone}, {{"Тлф", "Контактный телефон"}});
    // The taxpayer's name in 3-НДФЛ and in 4-НДФЛ.
    for (const char* name : {NPFL3 "/ФИОФЛ", NPFL4 "/ФИО"})
        t.Add({name, kPerson, kCheckFieldSurname}, {{"", "Фамилия"}})
            .Add({name, kPerson, kCheckFieldFirstName}, {{"Имя", "Имя"}})
            .Add({name, kPerson, kCheckFieldPatronymic}, {{"Отчество", "Отчество"}});
    const struct {
        const char* attribute;
        int field;
        const char* name;
    } address[] = {
        {"Индекс", kCheckFieldPostIndex, "Почтовый индекс"}, {"КодРегион", kCheckFieldRegion, "Регион"},
        {"Район", kCheckFieldDistrict, "Район"},             {"Город", kCheckFieldCity, "Город"},
        {"НаселПункт", kCheckFieldLocality, "Населенный пункт"}, {"Улица", kCheckFieldStreet, "Улица"},
        {"Дом", kCheckFieldHouse, "Дом"},                    {"Корпус", kCheckFieldBuilding, "Корпус"},
        {"Кварт", kCheckFieldFlat, "Квартира"},
    };
    for (const auto& a : address) t.Add({ADDRESS, kAddress, a.field}, {{a.attribute, a.name}});
    t.Add({PERSON1, kPerson, kCheckFieldPersonInn}, {{"", "ИНН"}})
        .Add({PERSON2, kPerson, kCheckFieldDocType}, {{"", "Документ, удостоверяющий личность"}});
    // The two forms of the taxpayer's data, with and without the ИНН, share their fields.
    for (const auto& [person, document] :
         {std::pair{PERSON1, PERSON1 "/УдЛичн"}, std::pair{PERSON2, PERSON2 "/УдЛичн"}}) {
        t.Add({person, kPerson, kCheckFieldBirthDate}, {{"ДатаРожд", "Дата рождения"}})
            .Add({person, kPerson, kCheckFieldBirthPlace}, {{"МестоРожд", "Место рождения"}})
            .Add({person, kPerson, kCheckFieldCitizenshipCode}, {{"ОКСМ", "Код страны"}})
            .Add({document, kPerson, kCheckFieldDocType}, {{"", "Вид документа"}})
            .Add({document, kPerson, kCheckFieldDocSeriesNumber}, {{"СерНомДок", "Серия и номер документа"}})
            .Add({document, kPerson, kCheckFieldDocIssueDate}, {{"ДатаДок", "Дата выдачи документа"}})
            .Add({document, kPerson, kCheckFieldDocIssuedBy}, {{"ВыдДок", "Кем выдан документ"}});
    }

    t.Add({SHEETS, kCheckSectionNone, 1}, {{"", "Расчет декларации"}})
        .Add({SHEETS "/СумНалПу", kAddress, kCheckFieldAddressOktmo}, {{"ОКТМО", "ОКТМО по месту жительства"}})
        .Add(source, {{"", "Источник выплаты"},
                      {"ОКТМО", "ОКТМО"},
                      {"Доход", "Сумма дохода"},
                      {"НалУдерж", "Сумма удержанного налога"}})
        .Add(inside(source, SOURCE "/ИстЮЛ"), {{"", "Наименование"}, {"ИННЮЛ", "ИНН"}, {"КПП", "КПП"}})
        .Add(inside(source, SOURCE "/ИстФЛИн"), {{"", "Наименование"}, {"ИННФЛ", "ИНН"}});

    t.Add({SHEETS "/ДоходИстИно", kCheckSectionForeign, 1}, {{"", "Доходы в валюте"}})
        .Add(foreign, {{"", "Доход в валюте"},
                       {"ОКСМ", "Код страны"},
                       {"НаимИстДох", "Наименование источника выплаты"},
                       {"КодВалют", "Код валюты"},
                       {"ДатаДох", "Дата получения дохода"},
                       {"КурсВалютДох", "Курс валюты на дату получения дохода"},
                       {"ДоходИноВал", "Сумма дохода в валюте"},
                       {"ДатаУплНал", "Дата уплаты налога"},
                       {"КурсВалютНал", "Курс валюты на дату уплаты налога"},
                       {"НалУплИноВал", "Сумма налога в валюте"}});

    t.Add({SHEETS "/ДоходПредпр", kCheckSectionBusiness, 1}, {{"", "Доходы от предпринимательской деятельности"}})
        .Add(activity, {{"", "Доходы и расходы"}, {"ВидДеят", "Вид деятельности"}, {"ОКВЭД", "Код ОКВЭД"}})
        .Add({SHEETS "/ДоходПредпр/СведКФХ", kCheckSectionBusiness, 1},
             {{"ГодРегКФХ", "Дата регистрации крестьянского (фермерского) хозяйства"}})
        .Add({SHEETS "/ДоходПредпр/НБКор105.3", kCheckSectionBusiness, 1},
             {{"НБКорСам", "Скорректированная налоговая база"}, {"НалКорСам", "Скорректированная сумма налога"}});

    t.Add({SHEETS "/ИмущНалВычНов", kDeductions, kCheckFieldPropertyDeduction}, {{"", "Имущественный налоговый вычет"}})
        .Add(object, {{"", "Данные объекта"},
                      {"КодНаимОб", "Наименование объекта"},
                      {"ВидСобствОб", "Вид собственности"},
                      {"ПризнакНП", "Признак налогоплательщика"},
                      {"ДатаРегЖил", "Дата регистрации права собственности на жилой дом, квартиру, комнату"},
                      {"ДатаАкт", "Дата акта о передаче квартиры, комнаты или доли в них"},
                      {"ДатаРегЗем", "Дата регистрации права собственности на земельный участок"},
                      {"ДатаЗаявВыч", "Дата заявления о распределении имущественного вычета"},
                      {"ДолСобств", "Доля"},
                      {"ГодНачИспВыч", "Год начала использования вычета"},
                      {"СумРасхФакт", "Стоимость объекта (доли)"},
                      {"СумФактУплПроц", "Проценты по кредитам за все годы"}})
        .Add(inside(object, OBJECT "/АдрОбъект"), {{"", "Адрес объекта"},
                                                   {"Индекс", "Почтовый индекс"},
                                                   {"КодРегион", "Код субъекта РФ"},
                                                   {"Дом", "Дом"},
                                                   {"Корпус", "Корпус"},
                                                   {"Кварт", "Квартира"}});

    t.Add({SHEETS "/ВычСтандСоц", kDeductions, kCheckFieldSocialDeductions}, {{"", "Социальные налоговые вычеты"}})
        .Add({SHEETS "/ВычСтандСоц/РасчВычСтанд", kDeductions, kCheckFieldStandardDeductions},
             {{"", "Стандартные налоговые вычеты"}})
        .Add({SHEETS "/ВычСоцИнв219", kDeductions, kCheckFieldSocialDeductions}, {{"", "Социальные налоговые вычеты"}})
        .Add(contract, {{"", "Договор"}, {"ДатаДогНПО", "Дата договора"}, {"НомДогНПО", "Номер договора"}})
        .Add(inside(contract, CONTRACT "/СведИст"),
             {{"", "Наименование организации"}, {"ИННЮЛ", "ИНН организации"}, {"КПП", "КПП организации"}})
        .Add({SHEETS "/ВычСоцИнв219/РасчИнвВыч", kDeductions, kCheckFieldLossesAndInvestment},
             {{"", "Инвестиционный вычет"}})
        .Add({SHEETS "/ДохОперЦБ/УбытПредПер", kDeductions, kCheckFieldLossesAndInvestment},
             {{"", "Убытки прошлых налоговых периодов"}})
        .Add({SHEETS "/ДохИвестТов", kCheckSectionInvestTov, 1}, {{"", "Инвестиционные товарищества"}});
    return t;
}

#undef NPFL3
#undef NPFL4
#undef ADDRESS
#undef PERSON1
#undef PERSON2
#undef SHEETS
#undef SOURCE
#undef FOREIGN
#undef ACTIVITY
#undef OBJECT
#undef CONTRACT

const SchemaPlace* Lookup(std::string_view element, std::string_view attribute) {
    static const PlaceTable table = MakePlaces();
    for (const SchemaPlace& place : table.Places())
        if (element == place.Element && attribute == place.Attribute) return &place;
    return nullptr;
}

}  // namespace

const SchemaPlace* FindSchemaPlace(std::string_view elementPath, std::string_view attribute) {
    if (const SchemaPlace* own = Lookup(elementPath, attribute); own && !attribute.empty()) return own;
    for (std::string_view path = elementPath; !path.empty();) {
        if (const SchemaPlace* place = Lookup(path, "")) return place;
        const std::size_t slash = path.rfind('/');
        path = slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
    }
    return nullptr;
}

}  // namespace kvz
