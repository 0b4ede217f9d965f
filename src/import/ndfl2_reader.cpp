#include "import/ndfl2_reader.h"

#include <exception>
#include <stdexcept>
#include <string>

#include "directory/xml_document.h"
#include "export/export_folder.h"
#include "export/schema_validation.h"
#include "storage/input_file.h"
#include "storage/xml_node.h"

namespace kvz {

namespace {

// Reasons are phrased for "<file>: <reason>".
[[noreturn]] void Refuse(const std::string& name, const std::string& reason) {
    throw ENdfl2Refused(name + ": " + reason);
}

// Schema-valid decimals: an optional sign, digits, a point and at most two decimals.
Money AmountOf(const xmlNode* node, const char* attribute, const std::string& name) {
    std::string text = AttributeText(node, attribute);
    if (!text.empty() && text[0] == '+') text.erase(0, 1);
    Money amount;
    if (!TryParseMoneyExact(text, amount))
        Refuse(name, std::string("сумма ") + attribute + " = \"" + text + "\" слишком велика");
    return amount;
}

int NumberOf(const xmlNode* node, const char* attribute) {
    const std::string text = AttributeText(node, attribute);
    int value = 0;
    // The schema allows only a few digits here, so this cannot overflow.
    for (char c : text)
        if (c >= '0' && c <= '9') value = value * 10 + (c - '0');
    return value;
}

std::string WithoutLeadingZeros(std::string text) {
    const std::size_t first = text.find_first_not_of('0');
    return first == std::string::npos ? std::string("0") : text.substr(first);
}

std::string FullName(const xmlNode* fio) {
    std::string name = AttributeText(fio, "Фамилия") + " " + AttributeText(fio, "Имя");
    const std::string patronymic = AttributeText(fio, "Отчество");
    if (!patronymic.empty()) name += " " + patronymic;
    return name;
}

Ndfl2Agent ReadAgent(const xmlNode* svNa) {
    Ndfl2Agent agent;
    agent.Oktmo = AttributeText(svNa, "ОКТМО");
    if (const xmlNode* org = FirstChildNamed(svNa, "СвНАЮЛ")) {
        agent.Name = AttributeText(org, "НаимОрг");
        agent.Inn = AttributeText(org, "ИННЮЛ");
        agent.Kpp = AttributeText(org, "КПП");
    } else if (const xmlNode* person = FirstChildNamed(svNa, "СвНАФЛ")) {
        agent.Individual = true;
        agent.Inn = AttributeText(person, "ИННФЛ");
        // The file gives an individual agent no name of his own; the user knows him as this.
        agent.Name = "ИП " + FullName(FirstChildNamed(person, "ФИО"));
    }
    return agent;
}

Ndfl2Address ReadAddress(const xmlNode* recipient) {
    Ndfl2Address a;
    if (const xmlNode* ru = FirstChildNamed(recipient, "АдрМЖРФ")) {
        a.Russian = true;
        a.PostIndex = AttributeText(ru, "Индекс");
        a.RegionCode = AttributeText(ru, "КодРегион");
        a.District = AttributeText(ru, "Район");
        a.City = AttributeText(ru, "Город");
        a.Locality = AttributeText(ru, "НаселПункт");
        a.Street = AttributeText(ru, "Улица");
        a.House = AttributeText(ru, "Дом");
        a.Building = AttributeText(ru, "Корпус");
        a.Flat = AttributeText(ru, "Кварт");
    }
    if (const xmlNode* abroad = FirstChildNamed(recipient, "АдрИНО")) {
        a.ForeignCountry = AttributeText(abroad, "КодСтр");
        a.ForeignText = AttributeText(abroad, "АдрТекст");
    }
    return a;
}

Ndfl2Person ReadPerson(const xmlNode* recipient) {
    Ndfl2Person p;
    p.Inn = AttributeText(recipient, "ИННФЛ");
    p.ForeignInn = AttributeText(recipient, "ИННИно");
    p.Status = NumberOf(recipient, "Статус");
    p.BirthDate = AttributeText(recipient, "ДатаРожд");
    p.Citizenship = AttributeText(recipient, "Гражд");
    const xmlNode* fio = FirstChildNamed(recipient, "ФИО");
    p.Surname = AttributeText(fio, "Фамилия");
    p.FirstName = AttributeText(fio, "Имя");
    p.Patronymic = AttributeText(fio, "Отчество");
    const xmlNode* doc = FirstChildNamed(recipient, "УдЛичнФЛ");
    p.DocCode = AttributeText(doc, "КодУдЛичн");
    p.DocSeriesNumber = AttributeText(doc, "СерНомДок");
    p.Address = ReadAddress(recipient);
    return p;
}

Ndfl2Deduction ReadDeduction(const xmlNode* node, const std::string& name) {
    return {NumberOf(node, "КодВычет"), AmountOf(node, "СумВычет", name)};
}

// Every later sum stays within the money type's range, so what is read can be added up.
void RequireSummable(const Ndfl2RateBlock& b, const std::string& name) {
    try {
        Money total;
        for (const Ndfl2Line& line : b.Lines) {
            total += line.Amount;
            for (const Ndfl2Deduction& d : line.Deductions) total += d.Amount;
        }
        for (const Ndfl2Deduction& d : b.GivenDeductions) total += d.Amount;
        total += b.Totals.TaxBase + b.Totals.IncomeTotal + b.Totals.TaxComputed + b.Totals.TaxWithheld +
                 b.Totals.TaxNotWithheld + b.Totals.TaxExcess + b.Totals.FixedAdvance;
    } catch (const std::overflow_error&) {
        Refuse(name, "суммы справки по ставке " + std::to_string(b.Rate) + " % слишком велики");
    }
}

Ndfl2RateBlock ReadBlock(const xmlNode* block, const std::string& name) {
    Ndfl2RateBlock b;
    b.Rate = NumberOf(block, "Ставка");
    if (const xmlNode* lines = FirstChildNamed(block, "ДохВыч")) {
        for (const xmlNode* l : ChildElements(lines)) {
            Ndfl2Line line{NumberOf(l, "Месяц"), NumberOf(l, "КодДоход"), AmountOf(l, "СумДоход", name), {}};
            for (const xmlNode* d : ChildElements(l)) line.Deductions.push_back(ReadDeduction(d, name));
            b.Lines.push_back(std::move(line));
        }
    }
    if (const xmlNode* given = FirstChildNamed(block, "НалВычССИ"))
        for (const xmlNode* d : ChildElements(given))
            if (IsNamed(d, "ПредВычССИ")) b.GivenDeductions.push_back(ReadDeduction(d, name));
    if (const xmlNode* t = FirstChildNamed(block, "СумИтНалПер")) {
        b.HasTotals = true;
        b.Totals = {AmountOf(t, "СумДохОбщ", name),   AmountOf(t, "НалБаза", name),
                    AmountOf(t, "НалИсчисл", name),   AmountOf(t, "АвансПлатФикс", name),
                    AmountOf(t, "НалУдерж", name),    AmountOf(t, "НалПеречисл", name),
                    AmountOf(t, "НалУдержЛиш", name), AmountOf(t, "НалНеУдерж", name)};
    }
    RequireSummable(b, name);
    return b;
}

void RequireYear(const xmlNode* node, const std::string& name) {
    const std::string year = AttributeText(node, "ОтчетГод");
    if (year != std::to_string(kNdfl2TaxYear))
        Refuse(name, "справка за " + year + " год, а декларация составляется за " + std::to_string(kNdfl2TaxYear));
}

Ndfl2Certificate ReadCertificate(const xmlNode* doc, const std::string& name) {
    RequireYear(doc, name);
    Ndfl2Certificate c;
    c.File = name;
    c.Number = WithoutLeadingZeros(AttributeText(doc, "НомСпр"));
    c.Correction = NumberOf(doc, "НомКорр");
    c.Sign = NumberOf(doc, "Признак");
    c.Date = AttributeText(doc, "ДатаДок");
    c.Agent = ReadAgent(FirstChildNamed(doc, "СвНА"));
    c.Person = ReadPerson(FirstChildNamed(doc, "ПолучДох"));
    for (const xmlNode* block : ChildElements(doc))
        if (IsNamed(block, "СведДох")) c.Blocks.push_back(ReadBlock(block, name));
    return c;
}

void RequireSchema(xmlDoc* doc, const std::string& name, const std::string& schemaPath) {
    SchemaReport report;
    try {
        report = SchemaViolationReport(doc, schemaPath, 3);
    } catch (const std::exception& e) {
        Refuse(name, std::string("схему формата 2-НДФЛ прочитать не удалось: ") + e.what());
    }
    if (report.Lines.empty()) return;
    std::string reason = "файл не соответствует формату 2-НДФЛ 5.04:";
    for (const std::string& line : report.Lines) reason += "\n  " + line;
    Refuse(name, reason);
}

}  // namespace

std::string DefaultNdfl2SchemaPath() { return ProgramDataFolder() + kNdfl2SchemaFileName; }

Ndfl2File ParseNdfl2File(std::string_view bytes, const std::string& name, const std::string& schemaPath) {
    XmlDocument doc;
    try {
        doc = ParseXml(bytes, "");
    } catch (const std::exception& e) {
        Refuse(name, std::string("файл поврежден: ") + e.what());
    }
    const xmlNode* root = RootElement(doc);
    if (!IsNamed(root, "Файл") || !FirstChildNamed(root, "Документ"))
        Refuse(name, "это не справка 2-НДФЛ: нет элементов Файл и Документ");
    const std::string version = AttributeText(root, "ВерсФорм");
    if (version != kNdfl2FormatVersion)
        Refuse(name, "версия формата \"" + version + "\", а читается только " + kNdfl2FormatVersion +
                         " (справки за 2015 год)");
    RequireSchema(doc.get(), name, schemaPath);
    RequireYear(FirstChildNamed(root, "СвРекв"), name);
    Ndfl2File file;
    file.Path = name;
    for (const xmlNode* node : ChildElements(root))
        if (IsNamed(node, "Документ")) file.Certificates.push_back(ReadCertificate(node, name));
    return file;
}

Ndfl2File ReadNdfl2File(const std::string& path, const std::string& schemaPath) {
    std::string bytes;
    try {
        bytes = ReadInputFile(path);
    } catch (const std::exception& e) {
        throw ENdfl2Refused(e.what());
    }
    return ParseNdfl2File(bytes, path, schemaPath);
}

}  // namespace kvz
