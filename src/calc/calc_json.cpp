#include "calc/calc_json.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

#include "calc/svod_sum.h"
#include "model/declaration.h"
#include "storage/dates.h"
#include "storage/money.h"

namespace kvz {

namespace {

using Json = nlohmann::ordered_json;

// The share is a fraction of extended precision; twelve decimals show it faithfully.
Json Value(long double share) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.12Lg", share);
    return buffer;
}
Json Value(Money m) { return MoneyToText(m, '.'); }
Json Value(const std::string& text) { return text; }
Json Value(int32_t n) { return n; }
Json Value(DateTime d) { return DateToText(d, '.'); }

template <class Range>
Json Values(const Range& values) {
    Json list = Json::array();
    for (const auto& v : values) list.push_back(Value(v));
    return list;
}
template <class T, std::size_t N>
Json Value(const std::array<T, N>& values) { return Values(values); }
template <class T>
Json Value(const std::vector<T>& values) { return Values(values); }

template <class Record, class List>
Json RecordJson(const Record& record, const List& fields);

template <class Record, class Owner, class Member>
Json EntryJson(const Record& record, const FieldOf<Owner, Member>& f) {
    return Value(record.*f.Pointer);
}

template <class Record, class Owner, class Container, class ItemFields>
Json EntryJson(const Record& record, const ListFieldOf<Owner, Container, ItemFields>& f) {
    Json list = Json::array();
    for (const auto& item : record.*f.Pointer) list.push_back(RecordJson(item, f.Fields));
    return list;
}

template <class Record, class Owner, class Container>
Json EntryJson(const Record& record, const CountOf<Owner, Container>& f) {
    return static_cast<int>((record.*f.Pointer).size());
}

// One object, field by field in the order of the record's list.
template <class Record, class List>
Json RecordJson(const Record& record, const List& fields) {
    Json out = Json::object();
    ForEachField(fields, [&](const auto& f) { out[f.Name] = EntryJson(record, f); });
    return out;
}

// The values written into the sources, list by list in the declaration's order.
Json KindCode(const char* listName, int index, const mTSourseIncomeInfo& source) {
    Json out = Json::object();
    out["List"] = listName;
    out["Index"] = index;
    out["IncomeKindCode"] = source.IncomeKindCode;
    return out;
}

template <class List>
void AddKindCodes(Json& out, const char* listName, const List& list) {
    for (int i = 0; i < list.Count(); ++i) out.push_back(KindCode(listName, i, list.Get(i)));
}

Json SourcesJson(const mTDeclaration& d) {
    Json out = Json::array();
    AddKindCodes(out, "Thirteen", d.Thirteen);
    AddKindCodes(out, "ThirteenNR", d.ThirteenNR);
    for (int i = 0; i < d.ThirtyFive.Count(); ++i) {
        const mTThirtyFivePercent& s = d.ThirtyFive.Get(i);
        Json source = KindCode("ThirtyFive", i, s);
        source["TaxableAmount"] = Value(s.TaxableAmount);
        source["TaxComputed"] = Value(s.TaxComputed);
        out.push_back(std::move(source));
    }
    AddKindCodes(out, "Dividends", d.Dividends);
    AddKindCodes(out, "Nine", d.Nine);
    AddKindCodes(out, "InvestTov", d.InvestTov);
    return out;
}

}  // namespace

nlohmann::ordered_json CalculationToJson(const kTSvodSum& s, bool result, const mTDeclaration& declaration) {
    Json out = Json::object();
    out["result"] = result;
    out["kTSvodSumList1"] = RecordJson(s.List1, kTaxByRateFields);
    out["kTSvodSumList2"] = RecordJson(s.List2, kTaxByRateFields);
    out["kTSvodSumList3"] = RecordJson(s.List3, kTaxByRateFields);
    out["kTSvodSumList4"] = RecordJson(s.List4, kTaxByRateFields);
    out["kTSvodSumList5"] = RecordJson(s.List5, kTaxByRateFields);
    out["kTSvodSumList6"] = RecordJson(s.List6, kList6Fields);
    out["kTSvodSumPrilA9"] = RecordJson(s.PrilA9, kPrilA9Fields);
    out["kTSvodSumPrilA13"] = RecordJson(s.PrilA13, kPrilA13Fields);
    out["kTSvodSumPrilA15"] = RecordJson(s.PrilA15, kPrilA15Fields);
    out["kTSvodSumPrilA30"] = RecordJson(s.PrilA30, kPrilA30Fields);
    out["kTSvodSumPrilA35"] = RecordJson(s.PrilA35, kPrilA35Fields);
    out["kTSvodSumPrilB13"] = RecordJson(s.PrilB13, kPrilBFields);
    out["kTSvodSumPrilB9"] = RecordJson(s.PrilB9, kPrilBFields);
    out["kTSvodSumPrilB35"] = RecordJson(s.PrilB35, kPrilBFields);
    out["kTSvodSumPrilV1"] = RecordJson(s.PrilV1, kPrilV1Fields);
    out["kTSvodSumPrilM"] = RecordJson(s.PrilM, kPrilMFields);
    out["kTSvodSumPrilG"] = RecordJson(s.PrilG, kProfDeductionsFields);
    out["kTSvodSumPrilG_In"] = RecordJson(s.PrilG_In, kProfDeductionsFields);
    out["kTSvodSumPrilE1"] = RecordJson(s.PrilE1, kPrilE1Fields);
    out["kTSvodSumPrilE2"] = RecordJson(s.PrilE2, kPrilE2Fields);
    out["kTSvodSumPrilE3"] = RecordJson(s.PrilE3, kPrilE3Fields);
    out["kTSvodSumPrilH1"] = RecordJson(s.PrilH1, kPrilH1Fields);
    out["kTSvodSumPrilZ"] = RecordJson(s.PrilZ, kPrilZFields);
    out["kTSvodSumPrilJ"] = RecordJson(s.PrilJ, kPrilJFields);
    out["kTSvodSumPrilI"] = RecordJson(s.PrilI, kPrilIFields);
    out["sources"] = SourcesJson(declaration);
    return out;
}

}  // namespace kvz
