#include "model/deductions_json.h"

#include <cstddef>
#include <list>
#include <string>
#include <tuple>
#include <vector>

namespace kvz {

namespace {

using nlohmann::json;

// Reads each object of the list under key with its own reader.
template <class T>
void ReadObjectList(JsonObjectReader& r, const char* key, std::size_t maxCount, std::vector<T>& list) {
    if (!r.Has(key)) return;
    const std::vector<json> values = r.Array(key);
    if (values.size() > maxCount) r.Fail(key, "не более " + std::to_string(maxCount) + " элементов");
    std::vector<T> items;
    items.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!values[i].is_object()) throw EJsonError(r.PathOf(key, i) + ": нужен объект");
        JsonObjectReader itemReader(values[i], r.PathOf(key, i));
        items.emplace_back();
        FromJson(itemReader, items.back());
    }
    list = std::move(items);
}

template <class T>
json ObjectList(const std::vector<T>& items) {
    json out = json::array();
    for (const T& item : items) out.push_back(ToJson(item));
    return out;
}

template <class Record, class List>
json FieldsJson(const Record& record, const List& fields) {
    json out = json::object();
    FieldsToJson(out, record, fields);
    return out;
}

template <class Record, class List>
void ReadAll(JsonObjectReader& r, Record& record, const List& fields) {
    FieldsFromJson(r, record, fields);
    r.Finish();
}

}  // namespace

nlohmann::json ToJson(const mTStandartDeduct& d) { return FieldsJson(d, kStandartDeductFields); }
void FromJson(JsonObjectReader& r, mTStandartDeduct& d) { ReadAll(r, d, kStandartDeductFields); }

nlohmann::json ToJson(const mTPens& p) { return FieldsJson(p, kPensFields); }
void FromJson(JsonObjectReader& r, mTPens& p) { ReadAll(r, p, kPensFields); }

nlohmann::json ToJson(const mTSocialDeduct& d) {
    json out = FieldsJson(d, std::tuple_cat(kSocialFirstAmounts, kSocialOtherAmounts));
    out["Granted"] = d.Granted;
    out["ChildEducation"] = JsonValues(d.ChildEducation);
    out["PensionContracts"] = ObjectList(d.PensionContracts);
    return out;
}

void FromJson(JsonObjectReader& r, mTSocialDeduct& d) {
    r.Read("Granted", d.Granted);
    FieldsFromJson(r, d, std::tuple_cat(kSocialFirstAmounts, kSocialOtherAmounts));
    if (r.Has("ChildEducation")) {
        const std::vector<json> amounts = r.Array("ChildEducation");
        std::list<Money> chain;
        for (std::size_t i = 0; i < amounts.size(); ++i) {
            Money amount;
            r.ReadElement("ChildEducation", i, amounts[i], amount);
            chain.push_back(amount);
        }
        d.ChildEducation = std::move(chain);
    }
    ReadObjectList(r, "PensionContracts", mTSocialDeduct::kMaxPensionContracts, d.PensionContracts);
    r.Finish();
}

nlohmann::json ToJson(const mTConstructionDeductObj& o) { return FieldsJson(o, kConstructionDeductObjFields); }
void FromJson(JsonObjectReader& r, mTConstructionDeductObj& o) { ReadAll(r, o, kConstructionDeductObjFields); }

nlohmann::json ToJson(const mTConstructionDeduct& d) {
    json out = FieldsJson(d, kConstructionAmountFields);
    out["Granted"] = d.Granted;
    out["Objects"] = ObjectList(d.Objects);
    return out;
}

void FromJson(JsonObjectReader& r, mTConstructionDeduct& d) {
    r.Read("Granted", d.Granted);
    FieldsFromJson(r, d, kConstructionAmountFields);
    ReadObjectList(r, "Objects", mTConstructionDeduct::kMaxObjects, d.Objects);
    r.Finish();
}

nlohmann::json ToJson(const mTCBDeduct& d) { return FieldsJson(d, kCBDeductFields); }
void FromJson(JsonObjectReader& r, mTCBDeduct& d) { ReadAll(r, d, kCBDeductFields); }

}  // namespace kvz
