// The deduction records as JSON: round trips and the key path of every error.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/deductions_json.h"
#include "support/random_deductions.h"

namespace kvz::test {
namespace {

using nlohmann::json;

template <class T>
T FromJsonText(const json& value, const std::string& path) {
    JsonObjectReader reader(value, path);
    T record;
    FromJson(reader, record);
    return record;
}

// The error message of reading value into a default T.
template <class T>
std::string JsonError(const json& value, const std::string& path) {
    try {
        FromJsonText<T>(value, path);
    } catch (const EJsonError& e) {
        return e.what();
    }
    return "(no error)";
}

template <class T>
void RandomJsonRoundTrips(unsigned seed) {
    std::mt19937 rng(seed);
    for (int i = 0; i < 300; ++i) {
        T record;
        RandomFill(rng, record);
        const json value = json::parse(ToJson(record).dump());
        ASSERT_EQ(FromJsonText<T>(value, "X"), record) << value.dump();
    }
}

TEST(DeductionJson, RandomRecordsRoundTrip) {
    RandomJsonRoundTrips<mTStandartDeduct>(21);
    RandomJsonRoundTrips<mTSocialDeduct>(22);
    RandomJsonRoundTrips<mTConstructionDeduct>(23);
    RandomJsonRoundTrips<mTCBDeduct>(24);
}

TEST(DeductionJson, FieldsUnderTheirOwnNames) {
    mTSocialDeduct social;
    social.ChildEducationAdd(MoneyFromText("1500.25"));
    social.PensionContract(social.PensionContractAdd()).ContractDate = EncodeDate(2015, 3, 1);
    const json s = ToJson(social);
    EXPECT_EQ(s["ChildEducation"], json::array({"1500.25"}));
    EXPECT_EQ(s["PensionContracts"][0]["ContractDate"], "01.03.2015");
    EXPECT_EQ(s["Granted"], false);

    const json c = ToJson(mTConstructionDeduct());
    EXPECT_FALSE(c.contains("ConstrAmount2"));
    EXPECT_FALSE(c.contains("ConstrAmount4"));
    EXPECT_EQ(c["ConstrAmount8"], "0");

    const json st = ToJson(mTStandartDeduct());
    EXPECT_EQ(st["SelfCode"], 103);
    EXPECT_EQ(st["BusinessIncomeByMonth"].size(), 12u);
    EXPECT_EQ(ToJson(mTCBDeduct())["FissLoss"].size(), 10u);
}

TEST(DeductionJson, MissingKeysKeepDefaultsAndListsReplace) {
    const mTStandartDeduct standard = FromJsonText<mTStandartDeduct>(json{{"ChildrenCount", 2}}, "Standard");
    mTStandartDeduct expected;
    expected.ChildrenCount = 2;
    EXPECT_EQ(standard, expected);

    const json social = {{"Granted", true}, {"ChildEducation", {"100", "0.5"}}, {"PensionContracts", {{{"OrgInn", "7701"}}}}};
    const mTSocialDeduct d = FromJsonText<mTSocialDeduct>(social, "Social");
    EXPECT_EQ(d.ChildEducationCount(), 2);
    EXPECT_EQ(d.ChildEducationGet(1), MoneyFromText("0.5"));
    ASSERT_EQ(d.PensionContractCount(), 1);
    EXPECT_EQ(d.PensionContract(0).OrgInn, "7701");
}

TEST(DeductionJson, ErrorsNameTheWholePath) {
    json objects = json::array({json::object(), {{"ObjectCost", "12,5"}}});
    EXPECT_EQ(JsonError<mTConstructionDeduct>({{"Objects", objects}}, "Construction").rfind("Construction.Objects[1].ObjectCost: ", 0), 0u);
    objects[1] = {{"Квартира", 1}};
    EXPECT_EQ(JsonError<mTConstructionDeduct>({{"Objects", objects}}, "Construction"), "Construction.Objects[1].Квартира: неизвестный ключ");
    objects[1] = 5;
    EXPECT_EQ(JsonError<mTConstructionDeduct>({{"Objects", objects}}, "Construction").rfind("Construction.Objects[1]: ", 0), 0u);
    EXPECT_EQ(JsonError<mTConstructionDeduct>({{"ConstrAmount2", "0"}}, "Construction"), "Construction.ConstrAmount2: неизвестный ключ");

    json months = json::array();
    for (int i = 0; i < 12; ++i) months.push_back(i == 3 ? json("два") : json(1));
    EXPECT_EQ(JsonError<mTStandartDeduct>({{"ChildrenByMonth", months}}, "Standard").rfind("Standard.ChildrenByMonth[3]: ", 0), 0u);
    months[3] = 4294967296LL;
    EXPECT_EQ(JsonError<mTStandartDeduct>({{"ChildrenByMonth", months}}, "Standard").rfind("Standard.ChildrenByMonth[3]: ", 0), 0u);
    months.erase(months.begin());
    EXPECT_EQ(JsonError<mTStandartDeduct>({{"ChildrenByMonth", months}}, "Standard").rfind("Standard.ChildrenByMonth: ", 0), 0u);
    json flags = json::array();
    for (int i = 0; i < 12; ++i) flags.push_back(i == 11 ? json(1) : json(false));
    EXPECT_EQ(JsonError<mTStandartDeduct>({{"BusinessMonthChecked", flags}}, "Standard").rfind("Standard.BusinessMonthChecked[11]: ", 0), 0u);

    EXPECT_EQ(JsonError<mTSocialDeduct>({{"ChildEducation", {"1", 2}}}, "Social").rfind("Social.ChildEducation[1]: ", 0), 0u);
    EXPECT_EQ(JsonError<mTSocialDeduct>({{"ChildEducation", {"1.00001"}}}, "Social").rfind("Social.ChildEducation[0]: ", 0), 0u);
    EXPECT_EQ(JsonError<mTSocialDeduct>({{"PensionContracts", {{{"ContractDate", "31.02.2015"}}}}}, "Social")
                  .rfind("Social.PensionContracts[0].ContractDate: ", 0), 0u);
    EXPECT_EQ(JsonError<mTCBDeduct>({{"SecuritiesLoss", {"1"}}}, "CB").rfind("CB.SecuritiesLoss: ", 0), 0u);
}

TEST(DeductionJson, AFailedListLeavesTheRecordsListAlone) {
    const json value = {{"Objects", {{{"City", "Тула"}}, {{"ObjectCost", 5}}}}};
    JsonObjectReader reader(value, "Construction");
    mTConstructionDeduct d;
    d.ObjectAdd(mTConstructionDeductObj());
    EXPECT_THROW(FromJson(reader, d), EJsonError);
    ASSERT_EQ(d.ObjectCount(), 1);
    EXPECT_EQ(d.Object(0).City, "");
}

}  // namespace
}  // namespace kvz::test
