#include "checks/schema_places.h"

#include <iterator>

#include "checks/declaration_check.h"

namespace kvz {

namespace {

constexpr SchemaRow kNone = SchemaRow::None;
constexpr SchemaRow kAt = SchemaRow::Position;
constexpr SchemaRow kSource = SchemaRow::IncomeSource;
constexpr SchemaRow kForeign = SchemaRow::ForeignIncome;

#define NPFL3 "Документ/СвНП/НПФЛ3"
#define ADDRESS NPFL3 "/СвАдрРФ/АдрРФ"
#define SHEETS "Документ/НДФЛ3"
#define OBJECT SHEETS "/ИмущНалВычНов/РасчИмущВыч/СвОбъектРасх"
#define CONTRACT SHEETS "/ВычСоцИнв219/РасчПенсВзнос/РасчПСВВыч/СведДогНПО"

// Values the calculation alone writes (totals, sheets, payment lines) have no field
// of their own: they fall to the entry of their sheet.
constexpr SchemaPlace kPlaces[] = {
    {"Документ", "", kCheckSectionConditions, kCheckFieldInspection, kNone, "", "", "Номер инспекции"},
    {"Документ", "НомКорр", kCheckSectionConditions, kCheckFieldCorrectionNumber, kNone, "", "", "Номер корректировки"},
    {"Документ/Подписант", "", kCheckSectionConditions, kCheckFieldRepresentativeName, kNone, "", "",
     "ФИО представителя"},
    {"Документ/Подписант/СвПред", "", kCheckSectionConditions, kCheckFieldRepresentativeDocument, kNone, "", "",
     "Документ, подтверждающий полномочия представителя"},
    {"Документ/Подписант/СвПред", "НаимОрг", kCheckSectionConditions, kCheckFieldRepresentativeOrganization, kNone,
     "", "", "Организация - представитель"},

    {"Документ/СвНП", "", kCheckSectionPerson, kCheckFieldSurname, kNone, "", "", "Сведения о декларанте"},
    {NPFL3, "Тлф", kCheckSectionAddress, kCheckFieldPhone, kNone, "", "", "Контактный телефон"},
    {NPFL3, "АдрИно", kCheckSectionAddress, kCheckFieldForeignAddress, kNone, "", "", "Адрес за пределами РФ"},
    {NPFL3 "/ФИОФЛ", "", kCheckSectionPerson, kCheckFieldSurname, kNone, "", "", "Фамилия"},
    {NPFL3 "/ФИОФЛ", "Имя", kCheckSectionPerson, kCheckFieldFirstName, kNone, "", "", "Имя"},
    {NPFL3 "/ФИОФЛ", "Отчество", kCheckSectionPerson, kCheckFieldPatronymic, kNone, "", "", "Отчество"},
    {NPFL3 "/СвАдрРФ", "", kCheckSectionAddress, kCheckFieldRegion, kNone, "", "", "Адрес в Российской Федерации"},
    {ADDRESS, "Индекс", kCheckSectionAddress, kCheckFieldPostIndex, kNone, "", "", "Почтовый индекс"},
    {ADDRESS, "КодРегион", kCheckSectionAddress, kCheckFieldRegion, kNone, "", "", "Регион"},
    {ADDRESS, "Район", kCheckSectionAddress, kCheckFieldDistrict, kNone, "", "", "Район"},
    {ADDRESS, "Город", kCheckSectionAddress, kCheckFieldCity, kNone, "", "", "Город"},
    {ADDRESS, "НаселПункт", kCheckSectionAddress, kCheckFieldLocality, kNone, "", "", "Населенный пункт"},
    {ADDRESS, "Улица", kCheckSectionAddress, kCheckFieldStreet, kNone, "", "", "Улица"},
    {ADDRESS, "Дом", kCheckSectionAddress, kCheckFieldHouse, kNone, "", "", "Дом"},
    {ADDRESS, "Корпус", kCheckSectionAddress, kCheckFieldBuilding, kNone, "", "", "Корпус"},
    {ADDRESS, "Кварт", kCheckSectionAddress, kCheckFieldFlat, kNone, "", "", "Квартира"},
    {NPFL3 "/СведФЛ1", "", kCheckSectionPerson, kCheckFieldPersonInn, kNone, "", "", "ИНН"},
    {NPFL3 "/СведФЛ2", "", kCheckSectionPerson, kCheckFieldDocType, kNone, "", "",
     "Документ, удостоверяющий личность"},
    {NPFL3 "/СведФЛ1", "ДатаРожд", kCheckSectionPerson, kCheckFieldBirthDate, kNone, "", "", "Дата рождения"},
    {NPFL3 "/СведФЛ2", "ДатаРожд", kCheckSectionPerson, kCheckFieldBirthDate, kNone, "", "", "Дата рождения"},
    {NPFL3 "/СведФЛ1", "МестоРожд", kCheckSectionPerson, kCheckFieldBirthPlace, kNone, "", "", "Место рождения"},
    {NPFL3 "/СведФЛ2", "МестоРожд", kCheckSectionPerson, kCheckFieldBirthPlace, kNone, "", "", "Место рождения"},
    {NPFL3 "/СведФЛ1", "ОКСМ", kCheckSectionPerson, kCheckFieldCitizenshipCode, kNone, "", "", "Код страны"},
    {NPFL3 "/СведФЛ2", "ОКСМ", kCheckSectionPerson, kCheckFieldCitizenshipCode, kNone, "", "", "Код страны"},
    {NPFL3 "/СведФЛ1/УдЛичн", "", kCheckSectionPerson, kCheckFieldDocType, kNone, "", "", "Вид документа"},
    {NPFL3 "/СведФЛ2/УдЛичн", "", kCheckSectionPerson, kCheckFieldDocType, kNone, "", "", "Вид документа"},
    {NPFL3 "/СведФЛ1/УдЛичн", "СерНомДок", kCheckSectionPerson, kCheckFieldDocSeriesNumber, kNone, "", "",
     "Серия и номер документа"},
    {NPFL3 "/СведФЛ2/УдЛичн", "СерНомДок", kCheckSectionPerson, kCheckFieldDocSeriesNumber, kNone, "", "",
     "Серия и номер документа"},
    {NPFL3 "/СведФЛ1/УдЛичн", "ДатаДок", kCheckSectionPerson, kCheckFieldDocIssueDate, kNone, "", "",
     "Дата выдачи документа"},
    {NPFL3 "/СведФЛ2/УдЛичн", "ДатаДок", kCheckSectionPerson, kCheckFieldDocIssueDate, kNone, "", "",
     "Дата выдачи документа"},
    {NPFL3 "/СведФЛ1/УдЛичн", "ВыдДок", kCheckSectionPerson, kCheckFieldDocIssuedBy, kNone, "", "",
     "Кем выдан документ"},
    {NPFL3 "/СведФЛ2/УдЛичн", "ВыдДок", kCheckSectionPerson, kCheckFieldDocIssuedBy, kNone, "", "",
     "Кем выдан документ"},

    {SHEETS, "", kCheckSectionNone, 1, kNone, "", "", "Расчет декларации"},
    {SHEETS "/СумНалПу", "ОКТМО", kCheckSectionAddress, kCheckFieldAddressOktmo, kNone, "", "",
     "ОКТМО по месту жительства"},
    {SHEETS "/ДоходИстРФ", "", kCheckSectionThirteen, 0, kSource, "", "Источник выплаты", "Источник выплаты"},
    {SHEETS "/ДоходИстРФ", "ОКТМО", kCheckSectionThirteen, 0, kSource, "", "Источник выплаты", "ОКТМО"},
    {SHEETS "/ДоходИстРФ", "Доход", kCheckSectionThirteen, 0, kSource, "", "Источник выплаты", "Сумма дохода"},
    {SHEETS "/ДоходИстРФ", "НалУдерж", kCheckSectionThirteen, 0, kSource, "", "Источник выплаты",
     "Сумма удержанного налога"},
    {SHEETS "/ДоходИстРФ/ИстЮЛ", "", kCheckSectionThirteen, 0, kSource, "", "Источник выплаты", "Наименование"},
    {SHEETS "/ДоходИстРФ/ИстЮЛ", "ИННЮЛ", kCheckSectionThirteen, 0, kSource, "", "Источник выплаты", "ИНН"},
    {SHEETS "/ДоходИстРФ/ИстЮЛ", "КПП", kCheckSectionThirteen, 0, kSource, "", "Источник выплаты", "КПП"},
    {SHEETS "/ДоходИстРФ/ИстФЛИн", "", kCheckSectionThirteen, 0, kSource, "", "Источник выплаты", "Наименование"},
    {SHEETS "/ДоходИстРФ/ИстФЛИн", "ИННФЛ", kCheckSectionThirteen, 0, kSource, "", "Источник выплаты", "ИНН"},

    {SHEETS "/ДоходИстИно", "", kCheckSectionForeign, 1, kNone, "", "", "Доходы в валюте"},
    {SHEETS "/ДоходИстИно/РасчДохНалИно", "", kCheckSectionForeign, 0, kForeign, "", "Доход в валюте",
     "Доход в валюте"},
    {SHEETS "/ДоходИстИно/РасчДохНалИно", "ОКСМ", kCheckSectionForeign, 0, kForeign, "", "Доход в валюте",
     "Код страны"},
    {SHEETS "/ДоходИстИно/РасчДохНалИно", "НаимИстДох", kCheckSectionForeign, 0, kForeign, "", "Доход в валюте",
     "Наименование источника выплаты"},
    {SHEETS "/ДоходИстИно/РасчДохНалИно", "КодВалют", kCheckSectionForeign, 0, kForeign, "", "Доход в валюте",
     "Код валюты"},
    {SHEETS "/ДоходИстИно/РасчДохНалИно", "ДатаДох", kCheckSectionForeign, 0, kForeign, "", "Доход в валюте",
     "Дата получения дохода"},
    {SHEETS "/ДоходИстИно/РасчДохНалИно", "КурсВалютДох", kCheckSectionForeign, 0, kForeign, "", "Доход в валюте",
     "Курс валюты на дату получения дохода"},
    {SHEETS "/ДоходИстИно/РасчДохНалИно", "ДоходИноВал", kCheckSectionForeign, 0, kForeign, "", "Доход в валюте",
     "Сумма дохода в валюте"},
    {SHEETS "/ДоходИстИно/РасчДохНалИно", "ДатаУплНал", kCheckSectionForeign, 0, kForeign, "", "Доход в валюте",
     "Дата уплаты налога"},
    {SHEETS "/ДоходИстИно/РасчДохНалИно", "КурсВалютНал", kCheckSectionForeign, 0, kForeign, "", "Доход в валюте",
     "Курс валюты на дату уплаты налога"},
    {SHEETS "/ДоходИстИно/РасчДохНалИно", "НалУплИноВал", kCheckSectionForeign, 0, kForeign, "", "Доход в валюте",
     "Сумма налога в валюте"},

    {SHEETS "/ДоходПредпр", "", kCheckSectionBusiness, 1, kNone, "", "", "Доходы от предпринимательской деятельности"},
    {SHEETS "/ДоходПредпр/РасчВидДеят", "", kCheckSectionBusiness, 0, kAt, "РасчВидДеят", "Вид деятельности",
     "Доходы и расходы"},
    {SHEETS "/ДоходПредпр/РасчВидДеят", "ВидДеят", kCheckSectionBusiness, 0, kAt, "РасчВидДеят",
     "Вид деятельности", "Вид деятельности"},
    {SHEETS "/ДоходПредпр/РасчВидДеят", "ОКВЭД", kCheckSectionBusiness, 0, kAt, "РасчВидДеят", "Вид деятельности",
     "Код ОКВЭД"},
    {SHEETS "/ДоходПредпр/СведКФХ", "ГодРегКФХ", kCheckSectionBusiness, 1, kNone, "", "",
     "Дата регистрации крестьянского (фермерского) хозяйства"},
    {SHEETS "/ДоходПредпр/НБКор105.3", "НБКорСам", kCheckSectionBusiness, 1, kNone, "", "",
     "Скорректированная налоговая база"},
    {SHEETS "/ДоходПредпр/НБКор105.3", "НалКорСам", kCheckSectionBusiness, 1, kNone, "", "",
     "Скорректированная сумма налога"},

    {SHEETS "/ИмущНалВычНов", "", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kNone, "", "",
     "Имущественный налоговый вычет"},
    {OBJECT, "", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх", "Объект", "Данные объекта"},
    {OBJECT, "КодНаимОб", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх", "Объект",
     "Наименование объекта"},
    {OBJECT, "ВидСобствОб", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх", "Объект",
     "Вид собственности"},
    {OBJECT, "ПризнакНП", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх", "Объект",
     "Признак налогоплательщика"},
    {OBJECT, "ДатаРегЖил", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх", "Объект",
     "Дата регистрации права собственности на жилой дом, квартиру, комнату"},
    {OBJECT, "ДатаАкт", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх", "Объект",
     "Дата акта о передаче квартиры, комнаты или доли в них"},
    {OBJECT, "ДатаРегЗем", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх", "Объект",
     "Дата регистрации права собственности на земельный участок"},
    {OBJECT, "ДатаЗаявВыч", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх", "Объект",
     "Дата заявления о распределении имущественного вычета"},
    {OBJECT, "ДолСобств", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх", "Объект",
     "Доля"},
    {OBJECT, "ГодНачИспВыч", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх", "Объект",
     "Год начала использования вычета"},
    {OBJECT, "СумРасхФакт", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх", "Объект",
     "Стоимость объекта (доли)"},
    {OBJECT, "СумФактУплПроц", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх", "Объект",
     "Проценты по кредитам за все годы"},
    {OBJECT "/АдрОбъект", "", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх", "Объект",
     "Адрес объекта"},
    {OBJECT "/АдрОбъект", "Индекс", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх",
     "Объект", "Почтовый индекс"},
    {OBJECT "/АдрОбъект", "КодРегион", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх",
     "Объект", "Код субъекта РФ"},
    {OBJECT "/АдрОбъект", "Дом", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх",
     "Объект", "Дом"},
    {OBJECT "/АдрОбъект", "Корпус", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх",
     "Объект", "Корпус"},
    {OBJECT "/АдрОбъект", "Кварт", kCheckSectionDeductions, kCheckFieldPropertyDeduction, kAt, "СвОбъектРасх",
     "Объект", "Квартира"},

    {SHEETS "/ВычСтандСоц", "", kCheckSectionDeductions, kCheckFieldSocialDeductions, kNone, "", "",
     "Социальные налоговые вычеты"},
    {SHEETS "/ВычСтандСоц/РасчВычСтанд", "", kCheckSectionDeductions, kCheckFieldStandardDeductions, kNone, "", "",
     "Стандартные налоговые вычеты"},
    {SHEETS "/ВычСоцИнв219", "", kCheckSectionDeductions, kCheckFieldSocialDeductions, kNone, "", "",
     "Социальные налоговые вычеты"},
    {CONTRACT, "", kCheckSectionDeductions, kCheckFieldSocialDeductions, kAt, "СведДогНПО", "Договор", "Договор"},
    {CONTRACT, "ДатаДогНПО", kCheckSectionDeductions, kCheckFieldSocialDeductions, kAt, "СведДогНПО", "Договор",
     "Дата договора"},
    {CONTRACT, "НомДогНПО", kCheckSectionDeductions, kCheckFieldSocialDeductions, kAt, "СведДогНПО", "Договор",
     "Номер договора"},
    {CONTRACT "/СведИст", "", kCheckSectionDeductions, kCheckFieldSocialDeductions, kAt, "СведДогНПО", "Договор",
     "Наименование организации"},
    {CONTRACT "/СведИст", "ИННЮЛ", kCheckSectionDeductions, kCheckFieldSocialDeductions, kAt, "СведДогНПО",
     "Договор", "ИНН организации"},
    {CONTRACT "/СведИст", "КПП", kCheckSectionDeductions, kCheckFieldSocialDeductions, kAt, "СведДогНПО", "Договор",
     "КПП организации"},
    {SHEETS "/ВычСоцИнв219/РасчИнвВыч", "", kCheckSectionDeductions, kCheckFieldLossesAndInvestment, kNone, "", "",
     "Инвестиционный вычет"},
    {SHEETS "/ДохОперЦБ/УбытПредПер", "", kCheckSectionDeductions, kCheckFieldLossesAndInvestment, kNone, "", "",
     "Убытки прошлых налоговых периодов"},
    {SHEETS "/ДохИвестТов", "", kCheckSectionInvestTov, 1, kNone, "", "", "Инвестиционные товарищества"},
};

#undef NPFL3
#undef ADDRESS
#undef SHEETS
#undef OBJECT
#undef CONTRACT

const SchemaPlace* Lookup(std::string_view element, std::string_view attribute) {
    for (const SchemaPlace& place : kPlaces)
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
