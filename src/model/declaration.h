#pragma once
// The whole declaration document in memory: conditions, scalar values of several
// screens, the taxpayer, the income lists by rate and kind and the deductions.
// It saves itself into one container named "Kvrz2015" and loads itself from one;
// a document of an earlier year gives up only its taxpayer information.
#include <cstdint>
#include <memory>
#include <string>
#include <tuple>

#include "model/business_new.h"
#include "model/cb_deduct.h"
#include "model/field_list.h"
#include "model/construction_deduct.h"
#include "model/currency_income.h"
#include "model/invest_tov.h"
#include "model/item_list.h"
#include "model/loaded_document.h"
#include "model/nalog.h"
#include "model/person_information.h"
#include "model/social_deduct.h"
#include "model/standart_deduct.h"
#include "model/thirteen_percent.h"
#include "model/thirty_five_percent.h"
#include "model/thirty_percent.h"
#include "storage/dates.h"
#include "storage/money.h"

namespace kvz {

class mTDocumentStorage;

// Bits of IncomeKinds.
enum IncomeKindBit : uint8_t {
    kIncomeRussian = 1,
    kIncomeForeign = 2,
    kIncomeBusiness = 4,
    kIncomeSpare = 8,
    kIncomeInvestTov = 16,
};

enum DeclarationKindValue : uint8_t { kDecl3Ndfl = 0, kDecl3NdflNonResident = 1, kDecl4Ndfl = 2 };

inline constexpr const char* kStorageName2015 = "Kvrz2015";

// The spare list: the format reserves it, but nothing ever adds an item.
struct mTSpareItem {
    bool operator==(const mTSpareItem&) const = default;
};

class mTDeclaration {
public:
    mTDeclaration();
    ~mTDeclaration();
    mTDeclaration& operator=(const mTDeclaration&) = delete;

    // A deep copy, for work that must not touch the document itself (the calculation
    // writes into the sources).
    std::unique_ptr<mTDeclaration> Copy() const;

    // Switches income kinds on and off; a kind switched off loses its lists.
    void SetIncomeKinds(uint8_t bits);
    void SetSupportingSheets(int32_t n);
    void SetForeignSupportingDocs(int32_t n);
    void SetMonthsWorked(int32_t n) { MonthsWorked = n; }

    // Bytes SaveToFile writes (with the documented over-counts); sets ExtraAmountsMark.
    uint32_t ComputeSize();
    // Writes the document beside the old one and replaces it only when complete.
    void SaveToFile(const std::string& path);
    LoadedDocument LoadFromFile(const std::string& path);
    // The same from bytes in memory (a document that is not a file, and the fuzzer).
    LoadedDocument LoadFromBuffer(const uint8_t* data, uint32_t size);
    // The container's items in file order (used by SaveToFile and the tests).
    void WriteAll(mTDocumentStorage& storage);

    bool operator==(const mTDeclaration& other) const = default;

    // Scalar fields in file order.
    std::string InspectionCode;
    std::string InspectionName;
    uint8_t SpareByte = 0;
    int32_t CorrectionNumber = 0;
    DateTime SigningDate;
    uint8_t ConfirmedBy = 0;
    uint8_t TaxpayerKind = 5;
    uint8_t DeclarationKind = kDecl3Ndfl;
    uint8_t IncomeKinds = 0;  // change only through SetIncomeKinds
    bool AutoCountSheets = false;
    int32_t SupportingSheets = 0;
    int32_t ForeignSupportingDocs = 0;
    int32_t SpareA = 0;
    int32_t MonthsWorked = 0;
    int32_t SpareB = 0;
    int32_t SpareC = 0;
    int32_t SpareD = 0;
    int32_t SpareE = 0;
    int32_t ExtraAmountsMark = 1;
    int32_t SpareF = 0;
    Money AdvancePaid;
    Money AdvanceAssessed;
    Money ExpectedIncome;
    Money SpareAmount;
    std::string RepresentativeDocument;
    DateTime FarmStartDate;
    Money FarmExemptIncome;
    bool IsFarmHead = false;
    std::string RepresentativeName;
    std::string RepresentativeOrganization;
    Money ForeignerAdvancePayments;
    Money CorrectedIncome;
    Money CorrectedExpense;
    Money PatentPayment;
    Money TradeFee;
    Money InvestmentDeduction;
    Money InvestmentDeductionReturn;

    // Income lists (the five rate lists exist with bit 0).
    mTItemList<mTThirteenPercent> Thirteen;
    mTItemList<mTThirteenPercent> ThirteenNR;
    mTItemList<mTThirtyFivePercent> ThirtyFive;
    mTItemList<mTThirtyPercent> Dividends;  // saved as "@ThirtyPercent"
    mTItemList<mTThirtyPercent> Nine;       // saved as "@NinePercent"
    mTItemList<mTCurrencyIncome> Foreign;
    mTItemList<mTBusinessNew> Business;
    mTItemList<mTNalog> Nalog;  // always present
    mTItemList<mTSpareItem> Spare;
    mTItemList<mTInvestTov> InvestTov;

    mTPersonInformation Person;
    mTStandartDeduct Standard;
    mTSocialDeduct Social;
    mTConstructionDeduct Construction;
    mTCBDeduct CB;

private:
    // Copies are made only on purpose, through Copy.
    mTDeclaration(const mTDeclaration&) = default;

    LoadedDocument LoadFromStorage(mTDocumentStorage& storage);
    void LoadCurrentYear(mTDocumentStorage& storage);
    void LoadDeclInfo(mTDocumentStorage& storage);
};

// "@DeclInfo": these fields, IncomeKinds as a word, the middle fields and, in
// documents that have them (ExtraAmountsMark 1), the two trailing amounts.
inline constexpr auto kDeclInfoFirstFields = FieldList(
    Field("InspectionCode", &mTDeclaration::InspectionCode), Field("InspectionName", &mTDeclaration::InspectionName),
    Field("SpareByte", &mTDeclaration::SpareByte), Field("CorrectionNumber", &mTDeclaration::CorrectionNumber),
    Field("SigningDate", &mTDeclaration::SigningDate), Field("ConfirmedBy", &mTDeclaration::ConfirmedBy, kStoredAsWord),
    Field("TaxpayerKind", &mTDeclaration::TaxpayerKind, kStoredAsWord),
    Field("DeclarationKind", &mTDeclaration::DeclarationKind, kStoredAsWord));
inline constexpr auto kDeclInfoMiddleFields = FieldList(
    Field("AutoCountSheets", &mTDeclaration::AutoCountSheets),
    Field("SupportingSheets", &mTDeclaration::SupportingSheets),
    Field("ForeignSupportingDocs", &mTDeclaration::ForeignSupportingDocs), Field("SpareA", &mTDeclaration::SpareA),
    Field("MonthsWorked", &mTDeclaration::MonthsWorked), Field("SpareB", &mTDeclaration::SpareB),
    Field("SpareC", &mTDeclaration::SpareC), Field("SpareD", &mTDeclaration::SpareD),
    Field("SpareE", &mTDeclaration::SpareE), Field("ExtraAmountsMark", &mTDeclaration::ExtraAmountsMark),
    Field("SpareF", &mTDeclaration::SpareF), Field("RepresentativeDocument", &mTDeclaration::RepresentativeDocument),
    Field("ExpectedIncome", &mTDeclaration::ExpectedIncome, kNotSummed),
    Field("RepresentativeName", &mTDeclaration::RepresentativeName),
    Field("RepresentativeOrganization", &mTDeclaration::RepresentativeOrganization),
    Field("ForeignerAdvancePayments", &mTDeclaration::ForeignerAdvancePayments));
inline constexpr auto kDeclInfoTrailingFields =
    FieldList(Field("InvestmentDeduction", &mTDeclaration::InvestmentDeduction),
              Field("InvestmentDeductionReturn", &mTDeclaration::InvestmentDeductionReturn));
// "@DeclBusiness" after the activities. ExpectedIncome and RepresentativeDocument
// stand in "@DeclInfo" as well; the file keeps them twice.
inline constexpr auto kBusinessValueFields =
    FieldList(Field("AdvancePaid", &mTDeclaration::AdvancePaid),
              Field("ExpectedIncome", &mTDeclaration::ExpectedIncome, kNotSummed),
              Field("SpareAmount", &mTDeclaration::SpareAmount, kNotSummed),
              Field("AdvanceAssessed", &mTDeclaration::AdvanceAssessed),
              Field("RepresentativeDocument", &mTDeclaration::RepresentativeDocument),
              Field("IsFarmHead", &mTDeclaration::IsFarmHead), Field("FarmStartDate", &mTDeclaration::FarmStartDate),
              Field("FarmExemptIncome", &mTDeclaration::FarmExemptIncome, kNotSummed),
              Field("CorrectedIncome", &mTDeclaration::CorrectedIncome, kNotSummed),
              Field("CorrectedExpense", &mTDeclaration::CorrectedExpense, kNotSummed),
              Field("TradeFee", &mTDeclaration::TradeFee), Field("PatentPayment", &mTDeclaration::PatentPayment));
// Every scalar but IncomeKinds, which decides the lists and is handled first.
inline constexpr auto kDeclarationScalarFields =
    std::tuple_cat(kDeclInfoFirstFields, kDeclInfoMiddleFields, kDeclInfoTrailingFields, kBusinessValueFields);

}  // namespace kvz
