#include "model/declaration_json.h"

#include "model/deductions_json.h"
#include "model/income_sections_json.h"
#include "model/json_fields.h"

namespace kvz {

namespace {

// Each field once, for both directions, so the two can never disagree.
template <class Visitor>
void VisitPerson(mTPersonInformation& p, Visitor&& v) {
    v("Surname", p.Surname);
    v("FirstName", p.FirstName);
    v("Patronymic", p.Patronymic);
    v("PersonInn", p.PersonInn);
    v("NameExtra1", p.NameExtra1);
    v("NameExtra2", p.NameExtra2);
    v("DocTypeCode", p.DocTypeCode);
    v("DocTypeName", p.DocTypeName);
    v("DocSeriesNumber", p.DocSeriesNumber);
    v.Date("DocIssueDate", p.DocIssueDate);
    v.Date("BirthDate", p.BirthDate);
    v("DocIssuedBy", p.DocIssuedBy);
    v("BirthPlace", p.BirthPlace);
    v("CitizenshipKind", p.CitizenshipKind);
    v("CitizenshipCountry", p.CitizenshipCountry);
    v("ForeignAddress", p.ForeignAddress);
    v("CitizenshipCode", p.CitizenshipCode);
    v("AddressIsStay", p.AddressIsStay);
    v("PostIndex", p.PostIndex);
    v("RegionCode", p.RegionCode);
    v("RegionName", p.RegionName);
    v("District", p.District);
    v("City", p.City);
    v("Locality", p.Locality);
    v("Street", p.Street);
    v("House", p.House);
    v("Building", p.Building);
    v("Flat", p.Flat);
    v("ResidenceOktmo", p.ResidenceOktmo);
    v("HomePhoneCode", p.HomePhoneCode);
    v("HomePhone", p.HomePhone);
    v("WorkPhoneCode", p.WorkPhoneCode);
    v("WorkPhone", p.WorkPhone);
    v("ForeignHomePhoneCode", p.ForeignHomePhoneCode);
    v("ForeignHomePhone", p.ForeignHomePhone);
    v("ForeignWorkPhoneCode", p.ForeignWorkPhoneCode);
    v("ForeignWorkPhone", p.ForeignWorkPhone);
    v("DocumentFlag", p.DocumentFlag);
}

// IncomeKinds is not visited here: it decides which lists exist and is handled first.
template <class Visitor>
void VisitScalars(mTDeclaration& d, Visitor&& v) {
    v("InspectionCode", d.InspectionCode);
    v("InspectionName", d.InspectionName);
    v("SpareByte", d.SpareByte);
    v("CorrectionNumber", d.CorrectionNumber);
    v.Date("SigningDate", d.SigningDate);
    v("ConfirmedBy", d.ConfirmedBy);
    v("TaxpayerKind", d.TaxpayerKind);
    v("DeclarationKind", d.DeclarationKind);
    v("AutoCountSheets", d.AutoCountSheets);
    v("SupportingSheets", d.SupportingSheets);
    v("ForeignSupportingDocs", d.ForeignSupportingDocs);
    v("SpareA", d.SpareA);
    v("MonthsWorked", d.MonthsWorked);
    v("SpareB", d.SpareB);
    v("SpareC", d.SpareC);
    v("SpareD", d.SpareD);
    v("SpareE", d.SpareE);
    v("ExtraAmountsMark", d.ExtraAmountsMark);
    v("SpareF", d.SpareF);
    v("AdvancePaid", d.AdvancePaid);
    v("AdvanceAssessed", d.AdvanceAssessed);
    v("ExpectedIncome", d.ExpectedIncome);
    v("SpareAmount", d.SpareAmount);
    v("RepresentativeDocument", d.RepresentativeDocument);
    v.Date("FarmStartDate", d.FarmStartDate);
    v("FarmExemptIncome", d.FarmExemptIncome);
    v("IsFarmHead", d.IsFarmHead);
    v("RepresentativeName", d.RepresentativeName);
    v("RepresentativeOrganization", d.RepresentativeOrganization);
    v("ForeignerAdvancePayments", d.ForeignerAdvancePayments);
    v("CorrectedIncome", d.CorrectedIncome);
    v("CorrectedExpense", d.CorrectedExpense);
    v("PatentPayment", d.PatentPayment);
    v("TradeFee", d.TradeFee);
    v("InvestmentDeduction", d.InvestmentDeduction);
    v("InvestmentDeductionReturn", d.InvestmentDeductionReturn);
}

struct Writer {
    nlohmann::json& out;
    template <class T>
    void operator()(const char* key, const T& value) {
        if constexpr (std::is_same_v<T, Money>) out[key] = MoneyJson(value);
        else out[key] = value;
    }
    void Date(const char* key, DateTime value) { out[key] = DateJson(value); }
};

struct Reader {
    JsonObjectReader& in;
    template <class T>
    void operator()(const char* key, T& value) { in.Read(key, value); }
    void Date(const char* key, DateTime& value) { in.ReadDate(key, value); }
};

struct ListBinding {
    const char* key;
    uint8_t bit;
};

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

nlohmann::json PersonToJson(const mTPersonInformation& person) {
    nlohmann::json out = nlohmann::json::object();
    VisitPerson(const_cast<mTPersonInformation&>(person), Writer{out});
    return out;
}

void PersonFromJson(JsonObjectReader& reader, mTPersonInformation& person) {
    VisitPerson(person, Reader{reader});
    reader.Finish();
}

nlohmann::json DeclarationToJson(const mTDeclaration& declaration) {
    auto& d = const_cast<mTDeclaration&>(declaration);
    nlohmann::json out = nlohmann::json::object();
    Writer writer{out};
    VisitScalars(d, writer);
    out["IncomeKinds"] = d.IncomeKinds;
    out["Person"] = PersonToJson(d.Person);
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
    VisitScalars(d, Reader{reader});
    if (reader.Has("Person")) {
        JsonObjectReader person(reader.Object("Person"), "Person");
        PersonFromJson(person, d.Person);
    }
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
