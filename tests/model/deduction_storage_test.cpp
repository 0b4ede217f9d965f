// The deduction records in the container: exact items, sizes, round trips and the
// places that storage errors are stamped with.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <stdexcept>
#include <type_traits>
#include <string>
#include <vector>

#include "model/cb_deduct.h"
#include "model/construction_deduct.h"
#include "model/social_deduct.h"
#include "model/standart_deduct.h"
#include "model/deduction_harness.h"
#include "storage/errors.h"
#include "support/random_deductions.h"

namespace kvz::test {
namespace {

// Saves, checks the size accounting and the zero tail, loads back.
template <class T>
T RoundTrip(const T& record, uint32_t unwritten = 0) {
    SavedRecord saved = SaveRecord(record);
    EXPECT_EQ(saved.Written() + unwritten, record.StoredSize());
    for (std::size_t i = saved.End; i < saved.Bytes.size(); ++i) EXPECT_EQ(saved.Bytes[i], 0) << "byte " << i;
    return LoadRecord<T>(saved.Bytes);
}

// ---- standard deductions ----

TEST(StandartDeductStorage, NewRecordWritesDefaultsAndConstantBlocks) {
    mTStandartDeduct d;
    SavedRecord saved = SaveRecord(d);
    EXPECT_EQ(saved.Items(),
              "0015@StandartDeduct"
              "00011" "0003103" "0003101"
              "00011" "00010"
              "00011" "00010"
              "00010" "00010" "00010"
              "00011" "00010");
    EXPECT_EQ(d.StoredSize(), 83u);
    EXPECT_EQ(LoadRecord<mTStandartDeduct>(saved.Bytes), d);
}

TEST(StandartDeductStorage, NotGrantedWritesOnlyTheFlagAndLoadsDefaults) {
    mTStandartDeduct d;
    d.Granted = false;
    d.SelfCode = 105;
    d.ChildrenCount = 3;
    d.MonthlyBusiness = true;
    SavedRecord saved = SaveRecord(d);
    EXPECT_EQ(saved.Items(), "0015@StandartDeduct00010");
    EXPECT_EQ(d.StoredSize(), 24u);
    mTStandartDeduct expected;
    expected.Granted = false;
    EXPECT_EQ(LoadRecord<mTStandartDeduct>(saved.Bytes), expected);
}

TEST(StandartDeductStorage, MonthlyBlocksInFileOrder) {
    mTStandartDeduct d;
    d.SelfCode = 110;
    d.ChildStatus = 103;
    d.ChildrenConstant = false;
    d.ChildrenByMonth = {1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 3};
    d.DisabledCount = 1;
    d.MonthlyBusiness = true;
    d.SetBusinessIncomeByMonth(1, MoneyFromText("150000.25"));
    d.SetBusinessIncomeByMonth(12, MoneyFromText("0.0001"));
    d.SetBusinessExpenseByMonth(3, MoneyFromText("999.9999"));
    d.SetBusinessMonthChecked(0, true);
    d.SetBusinessMonthChecked(11, true);
    d.MonthlySelfCodesGiven = true;
    d.MonthlySelfCodes = {0, 0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1};
    d.ThirdConstant = false;
    d.SetThirdByMonth(11, 1);

    const std::vector<std::string> items = Concat({
        {"@StandartDeduct", "1", "110", "103"},
        {"0", "1", "1", "1", "2", "2", "2", "2", "2", "2", "2", "2", "3"},
        {"1", "1"},
        {"1", "150000.25"}, Repeat("0", 10), {"0.0001"},
        {"0", "0", "999.9999"}, Repeat("0", 9),
        {"1"}, Repeat("0", 10), {"1"},
        {"1", "0", "0"}, Repeat("2", 9), {"1"},
        {"0"},
        {"0"}, Repeat("0", 11), {"1"},
    });
    SavedRecord saved = SaveRecord(d);
    EXPECT_EQ(saved.Items(), ItemBytes(items));
    EXPECT_EQ(saved.Written(), d.StoredSize());
    EXPECT_EQ(LoadRecord<mTStandartDeduct>(saved.Bytes), d);
}

// Writes "@StandartDeduct" by hand up to the three optional flags, each flag given
// by the caller as raw item text.
std::vector<uint8_t> StandardWithFlags(const std::string& business, const std::string& selfCodes,
                                       const std::string& childStatus) {
    std::vector<uint8_t> bytes(600, 0);
    mTDocumentStorage s(bytes.data(), static_cast<uint32_t>(bytes.size()), false);
    s.CreateStorage("Kvrz2015");
    s.CreateStream("@StandartDeduct");
    for (int32_t v : {1, 104, 102, 1, 2, 1, 0}) s.WriteInteger(v);
    s.WriteString(business);
    s.WriteString(selfCodes);
    if (selfCodes == "1")
        for (int m = 1; m <= 12; ++m) s.WriteInteger(m % 3);
    s.WriteString(childStatus);
    if (childStatus == "1")
        for (int m = 1; m <= 12; ++m) s.WriteInteger(m % 2);
    s.WriteBoolean(true);
    s.WriteInteger(4);
    return bytes;
}

TEST(StandartDeductStorage, UnreadableOptionalFlagsCountAsAbsent) {
    std::vector<uint8_t> bytes = StandardWithFlags("x", "1", "нет");
    mTStandartDeduct d = LoadRecord<mTStandartDeduct>(bytes);
    EXPECT_EQ(d.SelfCode, 104);
    EXPECT_EQ(d.ChildStatus, 102);
    EXPECT_EQ(d.ChildrenCount, 2);
    EXPECT_FALSE(d.MonthlyBusiness);
    ASSERT_TRUE(d.MonthlySelfCodesGiven);
    EXPECT_EQ(d.GetMonthlySelfCodes(1), 1);
    EXPECT_EQ(d.GetMonthlySelfCodes(12), 0);
    EXPECT_FALSE(d.MonthlyChildStatusGiven);
    EXPECT_TRUE(d.ThirdConstant);
    EXPECT_EQ(d.ThirdCount, 4);

    bytes = StandardWithFlags("0", "ложь", "1");
    d = LoadRecord<mTStandartDeduct>(bytes);
    EXPECT_FALSE(d.MonthlyBusiness);
    EXPECT_FALSE(d.MonthlySelfCodesGiven);
    ASSERT_TRUE(d.MonthlyChildStatusGiven);
    EXPECT_EQ(d.GetMonthlyChildStatus(3), 1);
    EXPECT_EQ(d.ThirdCount, 4);
}

TEST(StandartDeductStorage, TruncatedStreamStillEndsInAnError) {
    // The stream stops after the disabled children: the guarded flags give way,
    // the third-child block does not.
    std::vector<uint8_t> bytes(120, 0);
    mTDocumentStorage s(bytes.data(), static_cast<uint32_t>(bytes.size()), false);
    s.CreateStorage("Kvrz2015");
    s.CreateStream("@StandartDeduct");
    for (int32_t v : {1, 104, 102, 1, 2, 1, 0}) s.WriteInteger(v);
    bytes.resize(s.Position());
    try {
        LoadRecord<mTStandartDeduct>(bytes);
        FAIL() << "a truncated stream loaded";
    } catch (const mEBadStorage& e) {
        EXPECT_EQ(e.Place, 382);
    }
}

// ---- social deductions and pension contracts ----

mTSocialDeduct SocialExample() {
    mTSocialDeduct d;
    d.Granted = true;
    d.Charity = MoneyFromText("100.5");
    for (const char* amount : {"50000", "12345.6789", "0.01"}) d.ChildEducationAdd(MoneyFromText(amount));
    d.Treatment = Money::FromUnits(1);
    d.ExpensiveTreatment = Money::FromUnits(250000);
    d.VoluntaryInsurance = MoneyFromText("-0.25");
    d.SpareSocialAmount = Money::FromUnits(7);
    mTPens& first = d.PensionContract(d.PensionContractAdd());
    first.ContractKind = 1;
    first.OrgName = "НПФ «Будущее»";
    first.OrgInn = "7701234567";
    first.OrgKpp = "770101001";
    first.ContractNumber = "№ 15/2015";
    first.ContractDate = EncodeDate(2015, 1, 1);
    first.Contribution = Money::FromUnits(12000);
    first.ContributionToDeduct = Money::FromUnits(12000);
    first.AgentDeduction = Money::FromUnits(500);
    mTPens& second = d.PensionContract(d.PensionContractAdd());
    second.ContractKind = 4;
    second.Contribution = MoneyFromText("3000.5");
    return d;
}

TEST(SocialDeductStorage, AmountsChainAndContractsInFileOrder) {
    const mTSocialDeduct d = SocialExample();
    const std::vector<std::string> items = {
        "@SocialDeduct", "1", "100.5", "0", "3", "50000", "12345.6789", "0.01", "1", "250000", "-0.25", "0", "7",
        "@Pens", "2",
        "@PensSub000", "1", "НПФ «Будущее»", "7701234567", "770101001", "№ 15/2015", "42005", "12000", "12000", "500",
        "@PensSub001", "4", "", "", "", "", "0", "3000.5", "0", "0",
    };
    SavedRecord saved = SaveRecord(d);
    EXPECT_EQ(saved.Items(), ItemBytes(items));
    EXPECT_EQ(saved.Written(), d.StoredSize());
    EXPECT_EQ(LoadRecord<mTSocialDeduct>(saved.Bytes), d);
}

TEST(SocialDeductStorage, NotGrantedWritesNoAmountsAndNoPensionStream) {
    mTSocialDeduct d = SocialExample();
    d.Granted = false;
    SavedRecord saved = SaveRecord(d);
    EXPECT_EQ(saved.Items(), "0013@SocialDeduct00010");
    EXPECT_EQ(d.StoredSize(), 22u);
    const mTSocialDeduct loaded = LoadRecord<mTSocialDeduct>(saved.Bytes);
    EXPECT_EQ(loaded, mTSocialDeduct());
    EXPECT_EQ(loaded.ChildEducationCount(), 0);
    EXPECT_EQ(loaded.PensionContractCount(), 0);
}

TEST(SocialDeductStorage, DeletingFromTheChainSavesTheRemainingAmounts) {
    mTSocialDeduct d;
    d.Granted = true;
    for (int units : {100, 200, 300}) d.ChildEducationAdd(Money::FromUnits(units));
    d.ChildEducationDelete(1);
    const std::string items = SaveRecord(d).Items();
    EXPECT_NE(items.find(ItemBytes({"0", "0", "2", "100", "300", "0"})), std::string::npos) << items;
}

TEST(SocialDeductStorage, CountMarkerComesBeforeTheContracts) {
    const std::string items = SaveRecord(SocialExample()).Items();
    const std::size_t pens = items.find("0005@Pens");
    const std::size_t first = items.find("0011@PensSub000");
    ASSERT_NE(pens, std::string::npos);
    ASSERT_NE(first, std::string::npos);
    EXPECT_LT(pens, first);
}

TEST(SocialDeductStorage, StreamNamesInsideTextsDoNotMisleadTheLoad) {
    mTSocialDeduct d = SocialExample();
    d.PensionContract(0).OrgName = "ivan@Pension.ru";
    d.PensionContract(0).ContractNumber = "см. @PensSub001";
    d.PensionContract(1).OrgName = "@Pens ivan@PensSub000.ru";

    // Texts of an earlier section that hold the same names come first in the file.
    std::vector<uint8_t> bytes(60 + 200 + d.StoredSize(), 0);
    mTDocumentStorage s(bytes.data(), static_cast<uint32_t>(bytes.size()), false);
    s.CreateStorage("Kvrz2015");
    s.CreateStream("@Earlier");
    s.WriteString("ivan@Pension.ru");
    s.WriteString("почта ivan@PensSub000.ru и @PensSub001");
    d.Save(s);

    EXPECT_EQ(LoadRecord<mTSocialDeduct>(bytes), d);
}

TEST(SocialDeductStorage, ThousandsOfContractsKeepTheirOwnStreams) {
    mTSocialDeduct d;
    d.Granted = true;
    for (int i = 0; i < 1002; ++i) {
        mTPens& p = d.PensionContract(d.PensionContractAdd());
        p.ContractKind = 1 + i % 4;
        p.ContractNumber = "Д-" + std::to_string(i);
    }
    EXPECT_EQ(mTPens::StreamName(1000), "@PensSub1000");
    EXPECT_EQ(mTPens::StreamName(7), "@PensSub007");
    const mTSocialDeduct loaded = RoundTrip(d);
    ASSERT_EQ(loaded.PensionContractCount(), 1002);
    EXPECT_EQ(loaded.PensionContract(1000).ContractNumber, "Д-1000");
    EXPECT_EQ(loaded, d);
}

TEST(SocialDeductStorage, ContractsBeyondTheWordAreRefusedNotTruncated) {
    mTSocialDeduct d;
    d.Granted = true;
    d.PensionContracts.resize(mTSocialDeduct::kMaxPensionContracts);
    EXPECT_THROW(d.PensionContractAdd(), std::length_error);
    d.PensionContracts.emplace_back();
    std::vector<uint8_t> bytes(1000, 0);
    mTDocumentStorage s(bytes.data(), static_cast<uint32_t>(bytes.size()), false);
    s.CreateStorage("Kvrz2015");
    EXPECT_THROW(d.Save(s), std::length_error);
    EXPECT_EQ(s.Position(), mTDocumentStorage::kHeaderSize);
}

TEST(SocialDeductStorage, NegativeChildCountIsADamagedFile) {
    std::vector<uint8_t> bytes(200, 0);
    mTDocumentStorage s(bytes.data(), static_cast<uint32_t>(bytes.size()), false);
    s.CreateStorage("Kvrz2015");
    s.CreateStream("@SocialDeduct");
    s.WriteBoolean(true);
    s.WriteCurrency(Money());
    s.WriteCurrency(Money());
    s.WriteInteger(-1);
    try {
        LoadRecord<mTSocialDeduct>(bytes);
        FAIL() << "a negative count loaded";
    } catch (const mEBadStorage& e) {
        EXPECT_EQ(e.Code, 352);
        EXPECT_EQ(e.Place, 384);
        EXPECT_STREQ(e.what(), msg::kBadFormat);
    }
}

// ---- property deduction ----

mTConstructionDeduct ConstructionExample() {
    mTConstructionDeduct d;
    d.Granted = true;
    d.ConstrAmount1 = Money::FromUnits(100000);
    d.ConstrAmount3 = MoneyFromText("2500.75");
    d.ConstrAmount7 = Money::FromUnits(13000);
    mTConstructionDeductObj o;
    o.PostIndex = "142100";
    o.RegionCode = "50";
    o.District = "Подольский р-н";
    o.City = "Подольск";
    o.Street = "ул. Ленина";
    o.House = "5";
    o.Flat = "17";
    o.ObjectNameCode = 2;
    o.OwnershipKind = 1;
    o.TaxpayerSign = 1;
    o.RightRegDate = EncodeDate(2014, 3, 15);
    o.FirstUseYear = EncodeDate(2015, 1, 1);
    o.LandRegDate = EncodeDate(2013, 12, 31);
    o.ShareNumerator = 1;
    o.ShareDenominator = 2;
    o.Pensioner = true;
    o.ObjectCost = Money::FromUnits(2000000);
    d.ObjectAdd(o);
    return d;
}

TEST(ConstructionDeductStorage, ObjectItemsInFileOrderAndTheTwoUnsavedAmounts) {
    const mTConstructionDeduct d = ConstructionExample();
    const std::vector<std::string> items = {
        "@ConstructionDeduct", "1", "100000", "2500.75", "0", "0", "13000", "0", "1",
        "@ConstructionDeductObj000", "2", "1", "1",
        "142100", "50", "Подольский р-н", "Подольск", "", "ул. Ленина", "5", "", "17",
        "41713", "37622", "42005", "0", "41639",
        "1", "2", "0", "1", "2000000", "0",
    };
    SavedRecord saved = SaveRecord(d);
    EXPECT_EQ(saved.Items(), ItemBytes(items));
    EXPECT_EQ(d.UnwrittenSize(), 10u);
    EXPECT_EQ(d.StoredSize(), saved.Written() + 10);
    EXPECT_EQ(LoadRecord<mTConstructionDeduct>(saved.Bytes), d);
}

TEST(ConstructionDeductStorage, WorkingAmountsAreCountedButNeverSaved) {
    mTConstructionDeduct d = ConstructionExample();
    d.ConstrAmount2 = MoneyFromText("1234.5");  // "1234.5": 4 + 6
    d.ConstrAmount4 = Money::FromUnits(-3);     // "-3": 4 + 2
    EXPECT_EQ(d.UnwrittenSize(), 16u);
    const mTConstructionDeduct loaded = RoundTrip(d, 16);
    EXPECT_EQ(loaded.ConstrAmount2, Money());
    EXPECT_EQ(loaded.ConstrAmount4, Money());
    mTConstructionDeduct expected = d;
    expected.ConstrAmount2 = expected.ConstrAmount4 = Money();
    EXPECT_EQ(loaded, expected);
}

TEST(ConstructionDeductStorage, NotGrantedWritesOnlyTheFlag) {
    mTConstructionDeduct d = ConstructionExample();
    d.Granted = false;
    SavedRecord saved = SaveRecord(d);
    EXPECT_EQ(saved.Items(), "0019@ConstructionDeduct00010");
    EXPECT_EQ(d.UnwrittenSize(), 0u);
    EXPECT_EQ(d.StoredSize(), 28u);
    mTConstructionDeduct expected;
    EXPECT_EQ(LoadRecord<mTConstructionDeduct>(saved.Bytes), expected);
}

// ---- carried-forward losses ----

TEST(CBDeductStorage, TwentyAmountsSecuritiesFirst) {
    mTCBDeduct d;
    d.SecuritiesLoss[0] = Money::FromUnits(15000);
    d.SecuritiesLoss[3] = Money::FromUnits(1000);
    d.FissLoss[9] = MoneyFromText("0.5");
    const std::vector<std::string> items =
        Concat({{"@CBDeduct", "15000", "0", "0", "1000"}, Repeat("0", 6), Repeat("0", 9), {"0.5"}});
    SavedRecord saved = SaveRecord(d);
    EXPECT_EQ(saved.Items(), ItemBytes(items));
    EXPECT_EQ(saved.Written(), d.StoredSize());
    EXPECT_EQ(mTCBDeduct().StoredSize(), 113u);
    EXPECT_EQ(LoadRecord<mTCBDeduct>(saved.Bytes), d);
}

// ---- every record ----

template <class T>
void RandomRoundTrips(unsigned seed, int count) {
    std::mt19937 rng(seed);
    for (int i = 0; i < count; ++i) {
        T record;
        RandomFill(rng, record);
        uint32_t unwritten = 0;
        if constexpr (std::is_same_v<T, mTConstructionDeduct>) unwritten = record.UnwrittenSize();
        ASSERT_EQ(RoundTrip(record, unwritten), record) << "seed " << seed << ", record " << i;
    }
}

TEST(DeductionStorage, RandomRecordsRoundTrip) {
    RandomRoundTrips<mTStandartDeduct>(11, 2000);
    RandomRoundTrips<mTSocialDeduct>(12, 2000);
    RandomRoundTrips<mTConstructionDeduct>(13, 2000);
    RandomRoundTrips<mTCBDeduct>(14, 2000);
}

TEST(DeductionStorage, RandomRecordsSaveOneAfterAnotherAsInADeclaration) {
    std::mt19937 rng(15);
    for (int i = 0; i < 300; ++i) {
        mTStandartDeduct standard;
        mTSocialDeduct social;
        mTConstructionDeduct construction;
        mTCBDeduct cb;
        RandomFill(rng, standard);
        RandomFill(rng, social);
        RandomFill(rng, construction);
        RandomFill(rng, cb);
        const uint32_t size = standard.StoredSize() + social.StoredSize() + construction.StoredSize() + cb.StoredSize();
        std::vector<uint8_t> bytes(mTDocumentStorage::kHeaderSize + size, 0);
        mTDocumentStorage s(bytes.data(), static_cast<uint32_t>(bytes.size()), false);
        s.CreateStorage("Kvrz2015");
        standard.Save(s);
        social.Save(s);
        construction.Save(s);
        cb.Save(s);
        ASSERT_EQ(s.Position() + construction.UnwrittenSize(), bytes.size());

        mTDocumentStorage r(bytes.data(), static_cast<uint32_t>(bytes.size()), true);
        r.OpenStorage();
        mTStandartDeduct standard2;
        mTSocialDeduct social2;
        mTConstructionDeduct construction2;
        mTCBDeduct cb2;
        standard2.Load(r);
        social2.Load(r);
        construction2.Load(r);
        cb2.Load(r);
        ASSERT_EQ(standard2, standard) << i;
        ASSERT_EQ(social2, social) << i;
        ASSERT_EQ(construction2, construction) << i;
        ASSERT_EQ(cb2, cb) << i;
    }
}

TEST(DeductionStorage, LoadStartsFromTheDefaults) {
    mTSocialDeduct social;
    social.Granted = true;
    social.ChildEducationAdd(Money::FromUnits(5));
    SavedRecord saved = SaveRecord(social);
    mTDocumentStorage r(saved.Bytes.data(), static_cast<uint32_t>(saved.Bytes.size()), true);
    r.OpenStorage();
    mTSocialDeduct target = SocialExample();
    target.Load(r);
    EXPECT_EQ(target, social);
}

// ---- error places ----

template <class T>
void ExpectPlace(const char* what, uint16_t place, const std::function<void()>& action) {
    try {
        action();
        ADD_FAILURE() << what << ": no error";
    } catch (const T& e) {
        EXPECT_EQ(e.Place, place) << what;
    }
}

TEST(DeductionStorage, StorageErrorsCarryTheRecordsPlace) {
    // A read-only container refuses every save; an empty one has no streams to load.
    std::vector<uint8_t> bytes(200, 0);
    {
        mTDocumentStorage w(bytes.data(), static_cast<uint32_t>(bytes.size()), false);
        w.CreateStorage("Kvrz2015");
    }
    mTDocumentStorage s(bytes.data(), static_cast<uint32_t>(bytes.size()), true);
    s.OpenStorage();
    mTStandartDeduct standard;
    mTSocialDeduct social;
    mTPens pens;
    mTConstructionDeduct construction;
    mTConstructionDeductObj object;
    mTCBDeduct cb;
    ExpectPlace<mEWriteStorage>("standard save", 381, [&] { standard.Save(s); });
    ExpectPlace<mEOpenStream>("standard load", 382, [&] { standard.Load(s); });
    ExpectPlace<mEWriteStorage>("social save", 383, [&] { social.Save(s); });
    ExpectPlace<mEOpenStream>("social load", 384, [&] { social.Load(s); });
    ExpectPlace<mEWriteStorage>("contract save", 375, [&] { pens.Save(s, 0); });
    ExpectPlace<mEOpenStream>("contract load", 376, [&] { pens.Load(s, 0); });
    ExpectPlace<mEWriteStorage>("property save", 385, [&] { construction.Save(s); });
    ExpectPlace<mEOpenStream>("property load", 386, [&] { construction.Load(s); });
    ExpectPlace<mEWriteStorage>("object save", 397, [&] { object.Save(s, 0); });
    ExpectPlace<mEOpenStream>("object load", 398, [&] { object.Load(s, 0); });
    ExpectPlace<mEWriteStorage>("losses save", 395, [&] { cb.Save(s); });
    ExpectPlace<mEOpenStream>("losses load", 396, [&] { cb.Load(s); });
}

TEST(DeductionStorage, AMissingContractIsReportedAtTheSocialRecord) {
    mTSocialDeduct d = SocialExample();
    SavedRecord saved = SaveRecord(d);
    std::string items = saved.Items();
    const std::size_t second = items.find("@PensSub001");
    ASSERT_NE(second, std::string::npos);
    saved.Bytes[mTDocumentStorage::kHeaderSize + second + 10] = '9';  // now "@PensSub009"
    try {
        LoadRecord<mTSocialDeduct>(saved.Bytes);
        FAIL() << "a missing contract loaded";
    } catch (const mEOpenStream& e) {
        EXPECT_EQ(e.Code, 210);
        EXPECT_EQ(e.Place, 384);
    }
}

TEST(DeductionStorage, ConversionErrorsPassUnchanged) {
    std::vector<uint8_t> bytes(200, 0);
    mTDocumentStorage w(bytes.data(), static_cast<uint32_t>(bytes.size()), false);
    w.CreateStorage("Kvrz2015");
    w.CreateStream("@CBDeduct");
    w.WriteString("12,5,0");
    EXPECT_THROW(LoadRecord<mTCBDeduct>(bytes), EConvertError);
}

}  // namespace
}  // namespace kvz::test
