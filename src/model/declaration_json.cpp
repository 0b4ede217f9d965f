#include "model/declaration_json.h"

#include "model/deductions_json.h"
#include "model/income_sections_json.h"
#include "model/json_fields.h"

namespace kvz {

namespace {

template <class List>
nlohmann::json ListToJson(const List& list) {
    nlohmann::json items = nlohmann::json::array();
    for (int i = 0; i < list.Count(); ++i) items.push_back(ToJson(list.Get(i)));
    return items;
}

template <class List>
void ListFromJson(JsonObjectReader& reader, const char* key, uint8_t requiredBit, uint8_t kinds, List& list) {
    if (!reader.Has(key)) return;
    std::vector<nlohmann::json> items = reader.Array(key);
    if (items.empty()) return;
    if (requiredBit != 0 && !(kinds & requiredBit))
        reader.Fail(key, "список заполнен, но в IncomeKinds нет бита " + std::to_string(requiredBit));
    if (items.size() > 65535) reader.Fail(key, "больше 65535 записей");
    for (std::size_t i = 0; i < items.size(); ++i) {
        JsonObjectReader item(items[i], reader.PathOf(key, i));
        FromJson(item, list.Get(list.Add()));
    }
}

template <class T>
void ObjectFromJson(JsonObjectReader& reader, const char* key, T& object) {
    if (!reader.Has(key)) return;
    JsonObjectReader inner(reader.Object(key), reader.PathOf(key));
    FromJson(inner, object);
    inner.Finish();
}

}  // namespace

nlohmann::json DeclarationToJson(const mTDeclaration& d) {
    nlohmann::json out = nlohmann::json::object();
    FieldsToJson(out, d, kDeclarationScalarFields);
    out["IncomeKinds"] = d.IncomeKinds;
    out["Person"] = ToJson(d.Person);
    out["Thirteen"] = ListToJson(d.Thirteen);
    out["ThirteenNR"] = ListToJson(d.ThirteenNR);
    out["ThirtyFive"] = ListToJson(d.ThirtyFive);
    out["Dividends"] = ListToJson(d.Dividends);
    out["Nine"] = ListToJson(d.Nine);
    out["Foreign"] = ListToJson(d.Foreign);
    out["Business"] = ListToJson(d.Business);
    out["InvestTov"] = ListToJson(d.InvestTov);
    out["Nalog"] = ListToJson(d.Nalog);
    out["Standard"] = ToJson(d.Standard);
    out["Social"] = ToJson(d.Social);
    out["Construction"] = ToJson(d.Construction);
    out["CB"] = ToJson(d.CB);
    return out;
}

void DeclarationFromJson(const nlohmann::json& json, mTDeclaration& d) {
    JsonObjectReader reader(json, "");
    uint8_t kinds = 0;
    reader.Read("IncomeKinds", kinds);
    d.SetIncomeKinds(kinds);
    FieldsFromJson(reader, d, kDeclarationScalarFields);
    ObjectFromJson(reader, "Person", d.Person);
    ListFromJson(reader, "Thirteen", kIncomeRussian, kinds, d.Thirteen);
    ListFromJson(reader, "ThirteenNR", kIncomeRussian, kinds, d.ThirteenNR);
    ListFromJson(reader, "ThirtyFive", kIncomeRussian, kinds, d.ThirtyFive);
    ListFromJson(reader, "Dividends", kIncomeRussian, kinds, d.Dividends);
    ListFromJson(reader, "Nine", kIncomeRussian, kinds, d.Nine);
    ListFromJson(reader, "Foreign", kIncomeForeign, kinds, d.Foreign);
    ListFromJson(reader, "Business", kIncomeBusiness, kinds, d.Business);
    ListFromJson(reader, "InvestTov", kIncomeInvestTov, kinds, d.InvestTov);
    ListFromJson(reader, "Nalog", 0, kinds, d.Nalog);
    ObjectFromJson(reader, "Standard", d.Standard);
    ObjectFromJson(reader, "Social", d.Social);
    ObjectFromJson(reader, "Construction", d.Construction);
    ObjectFromJson(reader, "CB", d.CB);
    reader.Finish();
}

}  // namespace kvz
