#include "directory/currency_rates.h"

#include <algorithm>
#include <cmath>

#include "directory/atomic_file.h"
#include "directory/data_file_error.h"
#include "directory/data_file_reader.h"
#include "directory/rate_text.h"
#include "directory/xml_text.h"
#include "storage/encoding.h"

namespace kvz {

namespace {

double Day(DateTime d) { return std::floor(d); }

class RateFileReader : DataFileReader {
public:
    explicit RateFileReader(const std::string& fileName) : DataFileReader("Файл курсов валют поврежден", fileName) {}

    CurrencyRateTable Read(std::string_view bytes) {
        return {ReadEntries<Currency>(bytes, [this](const xmlNode* node) { return ReadCurrency(node); })};
    }

private:
    Currency ReadCurrency(const xmlNode* node) const {
        Currency currency{Required(node, "Code"), Attribute(node, "Name").value_or(""),
                          Attribute(node, "ID").value_or(""), {}};
        if (currency.Code.empty()) Damaged(node, "пустой код валюты");
        for (xmlNode* child : ChildElements(node)) currency.Rates.push_back(ReadRate(child));
        return currency;
    }

    CurrencyRate ReadRate(const xmlNode* node) const {
        CurrencyRate rate;
        std::string date = Required(node, "Date"), value = Required(node, "Rate"), quantity = Required(node, "Quantity");
        if (!ParseRateDate(date, rate.Date)) Damaged(node, "неверная дата «" + date + "»");
        if (!ParseRateValue(value, rate.Rate)) Damaged(node, "неверный курс «" + value + "»");
        if (!ParseRateQuantity(quantity, rate.Quantity)) Damaged(node, "неверное количество единиц «" + quantity + "»");
        return rate;
    }

};

}  // namespace

const Currency* CurrencyRateTable::Find(std::string_view code) const {
    for (const auto& currency : Currencies)
        if (currency.Code == code) return &currency;
    return nullptr;
}

Currency* CurrencyRateTable::Find(std::string_view code) {
    return const_cast<Currency*>(static_cast<const CurrencyRateTable*>(this)->Find(code));
}

const CurrencyRate* FindRate(const Currency& currency, DateTime date) {
    const CurrencyRate* earlier = nullptr;
    for (const auto& rate : currency.Rates) {
        if (Day(rate.Date) == Day(date)) return &rate;
        if (Day(rate.Date) < Day(date)) earlier = &rate;
    }
    return earlier;
}

RateChange SetRate(Currency& currency, const CurrencyRate& rate) {
    auto& rates = currency.Rates;
    auto it = std::lower_bound(rates.begin(), rates.end(), Day(rate.Date),
                               [](const CurrencyRate& r, double day) { return Day(r.Date) < day; });
    if (it != rates.end() && Day(it->Date) == Day(rate.Date)) {
        if (*it == rate) return RateChange::Same;
        *it = rate;
        return RateChange::Changed;
    }
    rates.insert(it, rate);
    return RateChange::Added;
}

CurrencyRateTable ParseCurrencyRates(std::string_view bytes, const std::string& fileName) {
    return RateFileReader(fileName).Read(bytes);
}

CurrencyRateTable ReadCurrencyRates(const std::string& path) { return ParseCurrencyRates(ReadWholeFile(path), path); }

std::string CurrencyRatesXml(const CurrencyRateTable& table) {
    std::string text = kXmlDeclaration1251;
    text += "<CurrencyRates>\n";
    for (const auto& currency : table.Currencies) {
        text += "  <Currency" + XmlAttribute("Code", currency.Code) + XmlAttribute("Name", currency.Name);
        if (!currency.BankId.empty()) text += XmlAttribute("ID", currency.BankId);
        text += ">\n";
        for (const auto& rate : currency.Rates)
            text += "    <Rate" + XmlAttribute("Date", DateToText(rate.Date)) +
                    XmlAttribute("Rate", MoneyToText(rate.Rate, '.')) +
                    XmlAttribute("Quantity", std::to_string(rate.Quantity)) + "/>\n";
        text += "  </Currency>\n";
    }
    text += "</CurrencyRates>\n";
    return Utf8ToCp1251(text);
}

void WriteCurrencyRates(const std::string& path, const CurrencyRateTable& table) {
    ReplaceFileAtomically(path, CurrencyRatesXml(table));
}

}  // namespace kvz
