#include "support/random_declaration.h"

#include "support/random_deductions.h"
#include "support/random_income_sections.h"

namespace kvz::test {

namespace {

int Pick(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

Money RandomMoney(std::mt19937& rng) {
    return Money::FromRaw(std::uniform_int_distribution<int64_t>(-10'000'000'000LL, 100'000'000'000LL)(rng));
}

template <class List>
void FillList(std::mt19937& rng, List& list, int maxItems) {
    if (!list.Exists()) return;
    int n = Pick(rng, 0, maxItems);
    for (int i = 0; i < n; ++i) RandomFill(rng, list.Get(list.Add()));
}

}  // namespace

std::string RandomText(std::mt19937& rng, int maxLength) {
    static const char* kPieces[] = {"а", "Ж", "ё", "Ё", "я", "Щ", "b", "Z", "0", "9", " ", "\"", "'", "«", "»",
                                    "№", "-", ",", ".", "@", "/", "(", ")", "І", "€"};
    int length = Pick(rng, 0, maxLength);
    std::string text;
    for (int i = 0; i < length; ++i) text += kPieces[Pick(rng, 0, static_cast<int>(std::size(kPieces)) - 1)];
    return text;
}

void RandomFill(std::mt19937& rng, mTPersonInformation& p) {
    for (std::string* t :
         {&p.Surname, &p.FirstName, &p.Patronymic, &p.PersonInn, &p.NameExtra1, &p.NameExtra2, &p.DocTypeName,
          &p.DocSeriesNumber, &p.DocIssuedBy, &p.BirthPlace, &p.CitizenshipKind, &p.CitizenshipCountry,
          &p.ForeignAddress, &p.CitizenshipCode, &p.PostIndex, &p.RegionName, &p.District, &p.City, &p.Locality,
          &p.Street, &p.House, &p.Building, &p.Flat, &p.ResidenceOktmo, &p.HomePhoneCode, &p.HomePhone,
          &p.WorkPhoneCode, &p.WorkPhone, &p.ForeignHomePhoneCode, &p.ForeignHomePhone, &p.ForeignWorkPhoneCode,
          &p.ForeignWorkPhone})
        *t = RandomText(rng, 40);
    p.DocTypeCode = static_cast<uint16_t>(Pick(rng, 0, 65535));
    p.RegionCode = static_cast<uint16_t>(Pick(rng, 0, 99));
    p.DocIssueDate = Pick(rng, 1, 50000);
    p.BirthDate = Pick(rng, 1, 50000);
    p.AddressIsStay = Pick(rng, 0, 1) == 1;
    p.DocumentFlag = static_cast<uint8_t>(Pick(rng, 0, 255));
}

void RandomScalars(std::mt19937& rng, mTDeclaration& d) {
    d.InspectionCode = RandomText(rng, 4);
    d.InspectionName = RandomText(rng, 60);
    d.SpareByte = static_cast<uint8_t>(Pick(rng, 0, 255));
    d.CorrectionNumber = Pick(rng, 0, 999);
    d.SigningDate = Pick(rng, 1, 60000);
    d.ConfirmedBy = static_cast<uint8_t>(Pick(rng, 0, 2));
    d.TaxpayerKind = static_cast<uint8_t>(Pick(rng, 0, 6));
    d.DeclarationKind = static_cast<uint8_t>(Pick(rng, 0, 2));
    d.AutoCountSheets = Pick(rng, 0, 1) == 1;
    for (int32_t* v : {&d.SupportingSheets, &d.ForeignSupportingDocs, &d.SpareA, &d.MonthsWorked, &d.SpareB,
                       &d.SpareC, &d.SpareD, &d.SpareE, &d.SpareF})
        *v = Pick(rng, -5, 100000);
    d.ExtraAmountsMark = 1;
    for (Money* m : {&d.ExpectedIncome, &d.InvestmentDeduction, &d.InvestmentDeductionReturn}) *m = RandomMoney(rng);
    // Values kept only in the business stream, and one kept only with Russian incomes.
    if (d.IncomeKinds & kIncomeRussian) d.ForeignerAdvancePayments = RandomMoney(rng);
    if (d.IncomeKinds & kIncomeBusiness) {
        for (Money* m : {&d.AdvancePaid, &d.AdvanceAssessed, &d.SpareAmount, &d.FarmExemptIncome, &d.CorrectedIncome,
                         &d.CorrectedExpense, &d.PatentPayment, &d.TradeFee})
            *m = RandomMoney(rng);
        d.FarmStartDate = Pick(rng, 1, 60000);
        d.IsFarmHead = Pick(rng, 0, 1) == 1;
    }
    d.RepresentativeDocument = RandomText(rng, 80);
    d.RepresentativeName = RandomText(rng, 60);
    d.RepresentativeOrganization = RandomText(rng, 60);
    RandomFill(rng, d.Person);
}

std::unique_ptr<mTDeclaration> RandomDeclaration(std::mt19937& rng, int maxItems) {
    auto d = std::make_unique<mTDeclaration>();
    d->SetIncomeKinds(static_cast<uint8_t>(Pick(rng, 0, 31) & ~kIncomeSpare));
    RandomScalars(rng, *d);
    FillList(rng, d->Thirteen, maxItems);
    FillList(rng, d->ThirteenNR, maxItems);
    FillList(rng, d->ThirtyFive, maxItems);
    FillList(rng, d->Dividends, maxItems);
    FillList(rng, d->Nine, maxItems);
    FillList(rng, d->Foreign, maxItems);
    FillList(rng, d->Business, maxItems);
    FillList(rng, d->InvestTov, maxItems);
    FillList(rng, d->Nalog, maxItems);
    if (d->IncomeKinds != 0) {
        RandomFill(rng, d->Standard);
        RandomFill(rng, d->Social);
        RandomFill(rng, d->Construction);
        RandomFill(rng, d->CB);
    }
    return d;
}

}  // namespace kvz::test
