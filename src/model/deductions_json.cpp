#include "model/deductions_json.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace kvz {

namespace {

using nlohmann::json;

// ---- writing ----

template <std::size_t N>
json IntegersJson(const std::array<int32_t, N>& values) {
    json out = json::array();
    for (int32_t v : values) out.push_back(v);
    return out;
}

template <std::size_t N>
json BooleansJson(const std::array<bool, N>& values) {
    json out = json::array();
    for (bool v : values) out.push_back(v);
    return out;
}

template <class Range>
json AmountsJson(const Range& values) {
    json out = json::array();
    for (Money m : values) out.push_back(MoneyJson(m));
    return out;
}

// ---- reading array elements ----

[[noreturn]] void FailElement(const JsonObjectReader& r, const char* key, std::size_t i, const std::string& what) {
    throw EJsonError(r.PathOf(key, i) + ": " + what);
}

int32_t ElementInteger(const JsonObjectReader& r, const char* key, std::size_t i, const json& v) {
    if (v.is_number_unsigned()) {
        if (v.get<uint64_t>() <= static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
            return static_cast<int32_t>(v.get<uint64_t>());
    } else if (v.is_number_integer()) {
        const int64_t n = v.get<int64_t>();
        if (n >= std::numeric_limits<int32_t>::min() && n <= std::numeric_limits<int32_t>::max())
            return static_cast<int32_t>(n);
    } else {
        FailElement(r, key, i, "нужно целое число");
    }
    FailElement(r, key, i, "число вне допустимого диапазона -2147483648…2147483647");
}

bool ElementBoolean(const JsonObjectReader& r, const char* key, std::size_t i, const json& v) {
    if (!v.is_boolean()) FailElement(r, key, i, "нужно true или false");
    return v.get<bool>();
}

Money ElementAmount(const JsonObjectReader& r, const char* key, std::size_t i, const json& v) {
    Money m;
    if (v.is_string() && TryParseMoneyExact(v.get<std::string>(), m)) return m;
    FailElement(r, key, i, "сумма записывается строкой с точкой и не более чем четырьмя знаками после нее, например \"1234.5\"");
}

// The array under key when the key is present (false when it is not).
bool ReadArray(JsonObjectReader& r, const char* key, std::vector<json>& out) {
    if (!r.Has(key)) return false;
    out = r.Array(key);
    return true;
}

bool ReadFixedArray(JsonObjectReader& r, const char* key, std::size_t size, std::vector<json>& out) {
    if (!ReadArray(r, key, out)) return false;
    if (out.size() != size) r.Fail(key, "нужен список ровно из " + std::to_string(size) + " значений");
    return true;
}

template <std::size_t N>
void ReadIntegers(JsonObjectReader& r, const char* key, std::array<int32_t, N>& field) {
    std::vector<json> values;
    if (!ReadFixedArray(r, key, N, values)) return;
    for (std::size_t i = 0; i < N; ++i) field[i] = ElementInteger(r, key, i, values[i]);
}

template <std::size_t N>
void ReadBooleans(JsonObjectReader& r, const char* key, std::array<bool, N>& field) {
    std::vector<json> values;
    if (!ReadFixedArray(r, key, N, values)) return;
    for (std::size_t i = 0; i < N; ++i) field[i] = ElementBoolean(r, key, i, values[i]);
}

template <std::size_t N>
void ReadAmounts(JsonObjectReader& r, const char* key, std::array<Money, N>& field) {
    std::vector<json> values;
    if (!ReadFixedArray(r, key, N, values)) return;
    for (std::size_t i = 0; i < N; ++i) field[i] = ElementAmount(r, key, i, values[i]);
}

// Reads each object of the list under key with its own reader.
template <class T>
bool ReadObjectList(JsonObjectReader& r, const char* key, std::size_t maxCount, std::vector<T>& list) {
    std::vector<json> values;
    if (!ReadArray(r, key, values)) return false;
    if (values.size() > maxCount) r.Fail(key, "не более " + std::to_string(maxCount) + " элементов");
    std::vector<T> items;
    items.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!values[i].is_object()) FailElement(r, key, i, "нужен объект");
        JsonObjectReader itemReader(values[i], r.PathOf(key, i));
        items.emplace_back();
        FromJson(itemReader, items.back());
    }
    list = std::move(items);
    return true;
}

}  // namespace

// ---- standard deductions ----

nlohmann::json ToJson(const mTStandartDeduct& d) {
    return json{
        {"Granted", d.Granted},
        {"SelfCode", d.SelfCode},
        {"ChildStatus", d.ChildStatus},
        {"ChildrenConstant", d.ChildrenConstant},
        {"ChildrenCount", d.ChildrenCount},
        {"ChildrenByMonth", IntegersJson(d.ChildrenByMonth)},
        {"DisabledConstant", d.DisabledConstant},
        {"DisabledCount", d.DisabledCount},
        {"DisabledByMonth", IntegersJson(d.DisabledByMonth)},
        {"ThirdConstant", d.ThirdConstant},
        {"ThirdCount", d.ThirdCount},
        {"ThirdByMonth", IntegersJson(d.ThirdByMonth)},
        {"MonthlyBusiness", d.MonthlyBusiness},
        {"BusinessIncomeByMonth", AmountsJson(d.BusinessIncomeByMonth)},
        {"BusinessExpenseByMonth", AmountsJson(d.BusinessExpenseByMonth)},
        {"BusinessMonthChecked", BooleansJson(d.BusinessMonthChecked)},
        {"MonthlySelfCodesGiven", d.MonthlySelfCodesGiven},
        {"MonthlySelfCodes", IntegersJson(d.MonthlySelfCodes)},
        {"MonthlyChildStatusGiven", d.MonthlyChildStatusGiven},
        {"MonthlyChildStatus", IntegersJson(d.MonthlyChildStatus)},
    };
}

void FromJson(JsonObjectReader& r, mTStandartDeduct& d) {
    r.Read("Granted", d.Granted);
    r.Read("SelfCode", d.SelfCode);
    r.Read("ChildStatus", d.ChildStatus);
    r.Read("ChildrenConstant", d.ChildrenConstant);
    r.Read("ChildrenCount", d.ChildrenCount);
    ReadIntegers(r, "ChildrenByMonth", d.ChildrenByMonth);
    r.Read("DisabledConstant", d.DisabledConstant);
    r.Read("DisabledCount", d.DisabledCount);
    ReadIntegers(r, "DisabledByMonth", d.DisabledByMonth);
    r.Read("ThirdConstant", d.ThirdConstant);
    r.Read("ThirdCount", d.ThirdCount);
    ReadIntegers(r, "ThirdByMonth", d.ThirdByMonth);
    r.Read("MonthlyBusiness", d.MonthlyBusiness);
    ReadAmounts(r, "BusinessIncomeByMonth", d.BusinessIncomeByMonth);
    ReadAmounts(r, "BusinessExpenseByMonth", d.BusinessExpenseByMonth);
    ReadBooleans(r, "BusinessMonthChecked", d.BusinessMonthChecked);
    r.Read("MonthlySelfCodesGiven", d.MonthlySelfCodesGiven);
    ReadIntegers(r, "MonthlySelfCodes", d.MonthlySelfCodes);
    r.Read("MonthlyChildStatusGiven", d.MonthlyChildStatusGiven);
    ReadIntegers(r, "MonthlyChildStatus", d.MonthlyChildStatus);
    r.Finish();
}

// ---- social deductions ----

nlohmann::json ToJson(const mTPens& p) {
    return json{
        {"ContractKind", p.ContractKind},
        {"OrgName", p.OrgName},
        {"OrgInn", p.OrgInn},
        {"OrgKpp", p.OrgKpp},
        {"ContractNumber", p.ContractNumber},
        {"ContractDate", DateJson(p.ContractDate)},
        {"Contribution", MoneyJson(p.Contribution)},
        {"ContributionToDeduct", MoneyJson(p.ContributionToDeduct)},
        {"AgentDeduction", MoneyJson(p.AgentDeduction)},
    };
}

void FromJson(JsonObjectReader& r, mTPens& p) {
    r.Read("ContractKind", p.ContractKind);
    r.Read("OrgName", p.OrgName);
    r.Read("OrgInn", p.OrgInn);
    r.Read("OrgKpp", p.OrgKpp);
    r.Read("ContractNumber", p.ContractNumber);
    r.ReadDate("ContractDate", p.ContractDate);
    r.Read("Contribution", p.Contribution);
    r.Read("ContributionToDeduct", p.ContributionToDeduct);
    r.Read("AgentDeduction", p.AgentDeduction);
    r.Finish();
}

nlohmann::json ToJson(const mTSocialDeduct& d) {
    json contracts = json::array();
    for (const mTPens& p : d.PensionContracts) contracts.push_back(ToJson(p));
    return json{
        {"Granted", d.Granted},
        {"Charity", MoneyJson(d.Charity)},
        {"OwnEducation", MoneyJson(d.OwnEducation)},
        {"ChildEducation", AmountsJson(d.ChildEducation)},
        {"Treatment", MoneyJson(d.Treatment)},
        {"ExpensiveTreatment", MoneyJson(d.ExpensiveTreatment)},
        {"VoluntaryInsurance", MoneyJson(d.VoluntaryInsurance)},
        {"ExtraPensionContributions", MoneyJson(d.ExtraPensionContributions)},
        {"SpareSocialAmount", MoneyJson(d.SpareSocialAmount)},
        {"PensionContracts", std::move(contracts)},
    };
}

void FromJson(JsonObjectReader& r, mTSocialDeduct& d) {
    r.Read("Granted", d.Granted);
    r.Read("Charity", d.Charity);
    r.Read("OwnEducation", d.OwnEducation);
    std::vector<json> amounts;
    if (ReadArray(r, "ChildEducation", amounts)) {
        std::list<Money> chain;
        for (std::size_t i = 0; i < amounts.size(); ++i)
            chain.push_back(ElementAmount(r, "ChildEducation", i, amounts[i]));
        d.ChildEducation = std::move(chain);
    }
    r.Read("Treatment", d.Treatment);
    r.Read("ExpensiveTreatment", d.ExpensiveTreatment);
    r.Read("VoluntaryInsurance", d.VoluntaryInsurance);
    r.Read("ExtraPensionContributions", d.ExtraPensionContributions);
    r.Read("SpareSocialAmount", d.SpareSocialAmount);
    ReadObjectList(r, "PensionContracts", mTSocialDeduct::kMaxPensionContracts, d.PensionContracts);
    r.Finish();
}

// ---- property deduction ----

nlohmann::json ToJson(const mTConstructionDeductObj& o) {
    return json{
        {"PostIndex", o.PostIndex},
        {"RegionCode", o.RegionCode},
        {"District", o.District},
        {"City", o.City},
        {"Locality", o.Locality},
        {"Street", o.Street},
        {"House", o.House},
        {"Building", o.Building},
        {"Flat", o.Flat},
        {"ObjectNameCode", o.ObjectNameCode},
        {"OwnershipKind", o.OwnershipKind},
        {"TaxpayerSign", o.TaxpayerSign},
        {"RightRegDate", DateJson(o.RightRegDate)},
        {"LandRegDate", DateJson(o.LandRegDate)},
        {"TransferActDate", DateJson(o.TransferActDate)},
        {"ApplicationDate", DateJson(o.ApplicationDate)},
        {"FirstUseYear", DateJson(o.FirstUseYear)},
        {"ShareNumerator", o.ShareNumerator},
        {"ShareDenominator", o.ShareDenominator},
        {"ByInvestment", o.ByInvestment},
        {"Pensioner", o.Pensioner},
        {"ObjectCost", MoneyJson(o.ObjectCost)},
        {"CreditInterest", MoneyJson(o.CreditInterest)},
    };
}

void FromJson(JsonObjectReader& r, mTConstructionDeductObj& o) {
    r.Read("PostIndex", o.PostIndex);
    r.Read("RegionCode", o.RegionCode);
    r.Read("District", o.District);
    r.Read("City", o.City);
    r.Read("Locality", o.Locality);
    r.Read("Street", o.Street);
    r.Read("House", o.House);
    r.Read("Building", o.Building);
    r.Read("Flat", o.Flat);
    r.Read("ObjectNameCode", o.ObjectNameCode);
    r.Read("OwnershipKind", o.OwnershipKind);
    r.Read("TaxpayerSign", o.TaxpayerSign);
    r.ReadDate("RightRegDate", o.RightRegDate);
    r.ReadDate("LandRegDate", o.LandRegDate);
    r.ReadDate("TransferActDate", o.TransferActDate);
    r.ReadDate("ApplicationDate", o.ApplicationDate);
    r.ReadDate("FirstUseYear", o.FirstUseYear);
    r.Read("ShareNumerator", o.ShareNumerator);
    r.Read("ShareDenominator", o.ShareDenominator);
    r.Read("ByInvestment", o.ByInvestment);
    r.Read("Pensioner", o.Pensioner);
    r.Read("ObjectCost", o.ObjectCost);
    r.Read("CreditInterest", o.CreditInterest);
    r.Finish();
}

nlohmann::json ToJson(const mTConstructionDeduct& d) {
    json objects = json::array();
    for (const mTConstructionDeductObj& o : d.Objects) objects.push_back(ToJson(o));
    return json{
        {"Granted", d.Granted},
        {"ConstrAmount1", MoneyJson(d.ConstrAmount1)},
        {"ConstrAmount3", MoneyJson(d.ConstrAmount3)},
        {"ConstrAmount5", MoneyJson(d.ConstrAmount5)},
        {"ConstrAmount6", MoneyJson(d.ConstrAmount6)},
        {"ConstrAmount7", MoneyJson(d.ConstrAmount7)},
        {"ConstrAmount8", MoneyJson(d.ConstrAmount8)},
        {"Objects", std::move(objects)},
    };
}

void FromJson(JsonObjectReader& r, mTConstructionDeduct& d) {
    r.Read("Granted", d.Granted);
    r.Read("ConstrAmount1", d.ConstrAmount1);
    r.Read("ConstrAmount3", d.ConstrAmount3);
    r.Read("ConstrAmount5", d.ConstrAmount5);
    r.Read("ConstrAmount6", d.ConstrAmount6);
    r.Read("ConstrAmount7", d.ConstrAmount7);
    r.Read("ConstrAmount8", d.ConstrAmount8);
    ReadObjectList(r, "Objects", mTConstructionDeduct::kMaxObjects, d.Objects);
    r.Finish();
}

// ---- carried-forward losses ----

nlohmann::json ToJson(const mTCBDeduct& d) {
    return json{
        {"SecuritiesLoss", AmountsJson(d.SecuritiesLoss)},
        {"FissLoss", AmountsJson(d.FissLoss)},
    };
}

void FromJson(JsonObjectReader& r, mTCBDeduct& d) {
    ReadAmounts(r, "SecuritiesLoss", d.SecuritiesLoss);
    ReadAmounts(r, "FissLoss", d.FissLoss);
    r.Finish();
}

}  // namespace kvz
