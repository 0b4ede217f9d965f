#pragma once
// Certificate files made to order for the import's tests: a file of format 5.04 in
// windows-1251 whose totals hold unless a test says otherwise.
#include <string>
#include <vector>

#include "storage/encoding.h"
#include "storage/money.h"

namespace kvz::test {

struct LineSpec {
    std::string Month;
    int Code = 2000;
    std::string Amount;
    int DeductionCode = 0;
    std::string DeductionAmount;
};

struct BlockSpec {
    int Rate = 13;
    std::vector<LineSpec> Lines;
    std::vector<std::pair<int, std::string>> Given;  // ПредВычССИ
    std::string TotalOverride;                       // a wrong СумДохОбщ
};

struct CertSpec {
    std::string Number = "1", Correction = "00", Sign = "1", Year = "2015";
    std::string AgentName = "ООО «Ромашка»", AgentInn = "7707083893", AgentKpp = "770701001", Oktmo = "45380000";
    std::string Inn = "500100732259", Surname = "Иванов", FirstName = "Петр", Patronymic = "Сергеевич";
    std::string Birth = "01.02.1980", Status = "1", Citizenship = "643";
    std::vector<BlockSpec> Blocks;
};

inline BlockSpec Salary(int rate, const std::string& monthly, int months = 12) {
    BlockSpec b;
    b.Rate = rate;
    for (int m = 1; m <= months; ++m)
        b.Lines.push_back({(m < 10 ? "0" : "") + std::to_string(m), 2000, monthly, 0, ""});
    return b;
}

// An amount past the money type's range counts as nothing in the totals; the file
// still carries it as written.
inline Money AmountOf(const std::string& text) {
    Money m;
    return TryParseMoneyExact(text, m) ? m : Money();
}

inline std::string BlockXml(const BlockSpec& b) {
    std::string x = "<СведДох Ставка=\"" + std::to_string(b.Rate) + "\"><ДохВыч>";
    Money total, base;
    for (const LineSpec& l : b.Lines) {
        x += "<СвСумДох Месяц=\"" + l.Month + "\" КодДоход=\"" + std::to_string(l.Code) + "\" СумДоход=\"" + l.Amount +
             "\"";
        Money deducted;
        if (l.DeductionCode != 0) {
            x += "><СвСумВыч КодВычет=\"" + std::to_string(l.DeductionCode) + "\" СумВычет=\"" + l.DeductionAmount +
                 "\"/></СвСумДох>";
            deducted = AmountOf(l.DeductionAmount);
        } else {
            x += "/>";
        }
        total += AmountOf(l.Amount);
        const Money rest = AmountOf(l.Amount) - deducted;
        if (rest > Money()) base += rest;
    }
    x += "</ДохВыч>";
    if (!b.Given.empty()) {
        x += "<НалВычССИ>";
        for (const auto& [code, amount] : b.Given) {
            x += "<ПредВычССИ КодВычет=\"" + std::to_string(code) + "\" СумВычет=\"" + amount + "\"/>";
            base -= AmountOf(amount);
        }
        x += "</НалВычССИ>";
    }
    // Whole roubles, half up: the agents' rounding.
    const int64_t tax = (base.Raw() * b.Rate + 50 * Money::kScale) / (100 * Money::kScale);
    const std::string taxText = std::to_string(tax);
    x += "<СумИтНалПер СумДохОбщ=\"" + (b.TotalOverride.empty() ? MoneyToText(total) : b.TotalOverride) +
         "\" НалБаза=\"" + MoneyToText(base) + "\" НалИсчисл=\"" + taxText + "\" АвансПлатФикс=\"0\" НалУдерж=\"" +
         taxText + "\" НалПеречисл=\"" + taxText + "\" НалУдержЛиш=\"0\" НалНеУдерж=\"0\"/></СведДох>";
    return x;
}

inline std::string CertificateXml(const CertSpec& c) {
    std::string x = "<Документ КНД=\"1151078\" ДатаДок=\"01.02.2016\" НомСпр=\"" + c.Number + "\" ОтчетГод=\"" +
                    c.Year + "\" Признак=\"" + c.Sign + "\" НомКорр=\"" + c.Correction +
                    "\" КодНО=\"7707\"><Подписант ПрПодп=\"1\"><ФИО Фамилия=\"Петров\" Имя=\"Иван\"/></Подписант>"
                    "<СвНА ОКТМО=\"" + c.Oktmo + "\"><СвНАЮЛ НаимОрг=\"" + c.AgentName + "\" ИННЮЛ=\"" + c.AgentInn +
                    "\" КПП=\"" + c.AgentKpp + "\"/></СвНА><ПолучДох " +
                    (c.Inn.empty() ? std::string() : "ИННФЛ=\"" + c.Inn + "\" ") + "Статус=\"" + c.Status +
                    "\" ДатаРожд=\"" + c.Birth + "\" Гражд=\"" + c.Citizenship + "\"><ФИО Фамилия=\"" + c.Surname +
                    "\" Имя=\"" + c.FirstName + "\"" +
                    (c.Patronymic.empty() ? std::string() : " Отчество=\"" + c.Patronymic + "\"") +
                    "/><УдЛичнФЛ КодУдЛичн=\"21\" СерНомДок=\"45 01 123456\"/>"
                    "<АдрМЖРФ Индекс=\"101000\" КодРегион=\"77\" Улица=\"Тверская ул\" Дом=\"1\"/></ПолучДох>";
    for (const BlockSpec& b : c.Blocks) x += BlockXml(b);
    return x + "</Документ>";
}

inline std::string FileXml(const std::vector<CertSpec>& certificates, const std::string& version = "5.04",
                           const std::string& year = "2015") {
    std::string x = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<Файл ИдФайл=\"NO_NDFL2_7707_7707_"
                    "7707083893770701001_20160201_1\" ВерсПрог=\"Тест\" ВерсФорм=\"" + version +
                    "\"><СвРекв ОКТМО=\"45380000\" ОтчетГод=\"" + year +
                    "\" ПризнакФ=\"1\"><СвЮЛ ИННЮЛ=\"7707083893\" КПП=\"770701001\"/></СвРекв>";
    for (const CertSpec& c : certificates) x += CertificateXml(c);
    return Utf8ToCp1251(x + "</Файл>");
}

}  // namespace kvz::test
