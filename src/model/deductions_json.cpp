#include "model/deductions_json.h"

#include <cstddef>
#include <list>
#include <string>
#include <tuple>
#include <vector>

namespace kvz {

namespace {

using nlohmann::json;

// A present list replaces the record's list as a whole.
template <class T>
void ReadObjectList(JsonObjectReader& r, const char* key, std::size_t maxCount, std::vector<T>& list) {
    if (!r.Has(key)) return;
    std::vector<T> items;
    ReadObjects<T>(r, key, maxCount, [&](const T& item) { items.push_back(item); });
    list = std::move(items);
}

}  // namespace

nlohmann::json ToJson(const mTSocialDeduct& d) {
    json out = RecordToJson(d, std::tuple_cat(kSocialFirstAmounts, kSocialOtherAmounts));
    out["Granted"] = d.Granted;
    out["ChildEducation"] = JsonValues(d.ChildEducation);
    out["PensionContracts"] = ObjectsToJson(d.PensionContracts);
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

nlohmann::json ToJson(const mTConstructionDeduct& d) {
    json out = RecordToJson(d, kConstructionAmountFields);
    out["Granted"] = d.Granted;
    out["Objects"] = ObjectsToJson(d.Objects);
    return out;
}

void FromJson(JsonObjectReader& r, mTConstructionDeduct& d) {
    r.Read("Granted", d.Granted);
    FieldsFromJson(r, d, kConstructionAmountFields);
    ReadObjectList(r, "Objects", mTConstructionDeduct::kMaxObjects, d.Objects);
    r.Finish();
}

}  // namespace kvz
