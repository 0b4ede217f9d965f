#include "directory/bank_rate_file.h"

#include <algorithm>
#include <set>

#include "directory/data_file_error.h"
#include "directory/data_file_reader.h"
#include "directory/rate_text.h"

namespace kvz {

namespace {

class BankFileReader : DataFileReader {
public:
    explicit BankFileReader(const std::string& fileName)
        : DataFileReader("Файл курсов валют поврежден или имеет неизвестный формат", fileName) {}

    BankRateFile Read(std::string_view bytes) {
        XmlDocument doc = Parse(bytes);
        xmlNode* root = RootElement(doc);
        if (!IsNamed(root, "ValCurs")) Damaged(root, "корневой элемент не ValCurs");
        if (Attribute(root, "DateRange1") || Attribute(root, "DateRange2")) return ReadPeriod(root);
        return ReadDaily(root);
    }

private:
    std::string RequiredAttribute(const xmlNode* node, const char* name) const {
        std::string value = StripSpaces(Required(node, name));
        if (value.empty()) Damaged(node, std::string("нет атрибута ") + name);
        return value;
    }

    std::string RequiredChild(const xmlNode* node, const char* name) const {
        xmlNode* child = FirstChildNamed(node, name);
        if (!child) Damaged(node, std::string("нет элемента ") + name);
        std::string text = StripSpaces(TextOf(child));
        if (text.empty()) Damaged(child, std::string("пустой элемент ") + name);
        return text;
    }

    DateTime DateAttribute(const xmlNode* node, const char* name) const {
        std::string text = RequiredAttribute(node, name);
        DateTime date;
        if (!ParseRateDate(text, date)) Damaged(node, std::string("неверная дата в ") + name + ": «" + text + "»");
        return date;
    }

    // Nominal and Value of a Valute or a Record.
    void ReadAmount(const xmlNode* node, BankRate& rate) const {
        std::string nominal = RequiredChild(node, "Nominal"), value = RequiredChild(node, "Value");
        if (!ParseRateQuantity(nominal, rate.Nominal)) Damaged(node, "неверный номинал «" + nominal + "»");
        if (!ParseRateValue(value, rate.Value)) Damaged(node, "неверный курс «" + value + "»");
    }

    BankRateFile ReadDaily(const xmlNode* root) const {
        BankRateFile file{BankRateFileKind::Daily, {}};
        DateTime date = DateAttribute(root, "Date");
        std::set<std::string> seen;
        for (xmlNode* node : ChildElements(root)) {
            if (!IsNamed(node, "Valute")) Damaged(node, "неизвестный элемент");
            BankRate rate;
            rate.BankId = StripSpaces(Attribute(node, "ID").value_or(""));
            rate.NumCode = RequiredChild(node, "NumCode");
            rate.CharCode = RequiredChild(node, "CharCode");
            rate.Name = RequiredChild(node, "Name");
            rate.Date = date;
            ReadAmount(node, rate);
            bool digits = std::all_of(rate.NumCode.begin(), rate.NumCode.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (rate.NumCode.size() != 3 || !digits) Damaged(node, "неверный цифровой код валюты «" + rate.NumCode + "»");
            if (!seen.insert(rate.NumCode).second) Damaged(node, "валюта " + rate.NumCode + " указана дважды");
            file.Rates.push_back(rate);
        }
        return file;
    }

    BankRateFile ReadPeriod(const xmlNode* root) const {
        BankRateFile file{BankRateFileKind::Period, {}};
        std::string id = RequiredAttribute(root, "ID");
        DateTime first = DateAttribute(root, "DateRange1"), last = DateAttribute(root, "DateRange2");
        if (first > last) Damaged(root, "начало периода позже его конца");
        std::set<DateTime> seen;
        for (xmlNode* node : ChildElements(root)) {
            if (!IsNamed(node, "Record")) Damaged(node, "неизвестный элемент");
            BankRate rate;
            rate.BankId = id;
            rate.Date = DateAttribute(node, "Date");
            if (rate.Date < first || rate.Date > last) Damaged(node, "дата вне периода файла");
            if (!seen.insert(rate.Date).second) Damaged(node, "дата указана дважды");
            ReadAmount(node, rate);
            file.Rates.push_back(rate);
        }
        return file;
    }

};

}  // namespace

BankRateFile ParseBankRateFile(std::string_view bytes, const std::string& fileName) {
    return BankFileReader(fileName).Read(bytes);
}

}  // namespace kvz
