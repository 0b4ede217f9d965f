#pragma once
// One employer's income certificate (2-НДФЛ, format 5.04) as read from its file:
// the agent, the person, and the income taxed at each rate with its monthly lines,
// the deductions the agent gave and the year's totals. Amounts keep their kopecks.
#include <cstdint>
#include <string>
#include <vector>

#include "storage/money.h"

namespace kvz {

inline constexpr const char* kNdfl2FormatVersion = "5.04";
inline constexpr int kNdfl2TaxYear = 2015;
inline constexpr int kNdfl2Annulled = 99;  // correction number that withdraws a certificate
inline constexpr int kNdfl2NotWithheld = 2;  // Признак: the agent could not withhold the tax

struct Ndfl2Deduction {
    int32_t Code = 0;
    Money Amount;
    bool operator==(const Ndfl2Deduction&) const = default;
};

struct Ndfl2Line {
    int Month = 0;  // 1 … 12
    int32_t IncomeCode = 0;
    Money Amount;
    std::vector<Ndfl2Deduction> Deductions;  // tied to this income
    bool operator==(const Ndfl2Line&) const = default;
};

struct Ndfl2Totals {
    Money IncomeTotal;     // СумДохОбщ
    Money TaxBase;         // НалБаза
    Money TaxComputed;     // НалИсчисл
    Money FixedAdvance;    // АвансПлатФикс
    Money TaxWithheld;     // НалУдерж
    Money TaxTransferred;  // НалПеречисл
    Money TaxExcess;       // НалУдержЛиш
    Money TaxNotWithheld;  // НалНеУдерж
    bool operator==(const Ndfl2Totals&) const = default;
};

// Income at one rate (СведДох).
struct Ndfl2RateBlock {
    int Rate = 0;
    std::vector<Ndfl2Line> Lines;
    std::vector<Ndfl2Deduction> GivenDeductions;  // ПредВычССИ: year totals per code
    bool HasTotals = false;
    Ndfl2Totals Totals;
    bool operator==(const Ndfl2RateBlock&) const = default;
};

struct Ndfl2Agent {
    std::string Name;  // an individual agent's is built from his name
    std::string Inn;
    std::string Kpp;  // empty for an individual agent
    std::string Oktmo;
    bool Individual = false;
    bool operator==(const Ndfl2Agent&) const = default;
};

struct Ndfl2Address {
    bool Russian = false;
    std::string PostIndex, RegionCode, District, City, Locality, Street, House, Building, Flat;
    std::string ForeignCountry, ForeignText;
    bool operator==(const Ndfl2Address&) const = default;
};

struct Ndfl2Person {
    std::string Surname, FirstName, Patronymic;
    std::string Inn;         // may be absent
    std::string ForeignInn;  // number in the country of citizenship
    int Status = 1;          // 1 resident; 2 … 6 the kinds of non-residents
    std::string BirthDate;   // ДД.ММ.ГГГГ as the file has it
    std::string Citizenship;
    std::string DocCode;
    std::string DocSeriesNumber;
    Ndfl2Address Address;
    bool operator==(const Ndfl2Person&) const = default;
};

struct Ndfl2Certificate {
    std::string File;    // the path it was read from
    std::string Number;  // НомСпр without leading zeros
    int Correction = 0;  // НомКорр
    int Sign = 1;        // Признак
    std::string Date;    // ДатаДок
    Ndfl2Agent Agent;
    Ndfl2Person Person;
    std::vector<Ndfl2RateBlock> Blocks;
    bool operator==(const Ndfl2Certificate&) const = default;
};

struct Ndfl2File {
    std::string Path;
    std::vector<Ndfl2Certificate> Certificates;
};

}  // namespace kvz
