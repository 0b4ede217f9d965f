#include "check_declarations.h"

#include "storage/dates.h"

namespace kvz::test {

std::unique_ptr<mTDeclaration> CompleteDeclaration(uint8_t kind) {
    auto d = std::make_unique<mTDeclaration>();
    d->DeclarationKind = kind;
    d->InspectionCode = "7701";
    d->SetIncomeKinds(kIncomeRussian);
    mTPersonInformation& p = d->Person;
    p.Surname = "Иванов";
    p.FirstName = "Иван";
    p.Patronymic = "Иванович";
    p.PersonInn = "500100732259";
    p.DocTypeCode = 21;
    p.DocTypeName = "Паспорт гражданина Российской Федерации";
    p.DocSeriesNumber = "45 03 123456";
    p.BirthDate = EncodeDate(1977, 1, 1);
    p.DocIssueDate = EncodeDate(2003, 5, 20);
    p.DocIssuedBy = "ОВД Тверского района г. Москвы";
    p.BirthPlace = "г. Москва";
    p.RegionCode = 77;
    p.City = "Москва";
    p.Street = "Тверская";
    p.House = "1";
    p.ResidenceOktmo = "45382000";
    AddEmployer(*d, 600000, 78000);
    return d;
}

mTThirteenPercent& AddEmployer(mTDeclaration& d, int64_t incomeRoubles, int64_t withheldRoubles, bool withLine) {
    mTThirteenPercent& s = d.Thirteen.Get(d.Thirteen.Add());
    s.SourceName = "ПАО Сбербанк";
    s.Inn = "7707083893";
    s.Kpp = "773601001";
    s.Oktmo = "45397000";
    s.TaxWithheld = Money::FromUnits(withheldRoubles);
    s.TaxComputed = s.TaxWithheld;
    s.TaxableAmount = Money::FromUnits(incomeRoubles);
    if (withLine) {
        mTSourseIncome line;
        line.IncomeCode = 2000;
        line.IncomeName = "Вознаграждение за выполнение трудовых обязанностей";
        line.IncomeAmount = Money::FromUnits(incomeRoubles);
        line.Month = 1;
        s.AddLine(line);
    }
    return s;
}

mTCurrencyIncome& AddForeignIncome(mTDeclaration& d) {
    mTCurrencyIncome& f = d.Foreign.Get(d.Foreign.Add());
    f.IncomeRate = 13;
    f.IncomeCode = 1010;
    f.SourceName = "Apple Inc.";
    f.CountryCode = "840";
    f.CurrencyCode = "840";
    f.RateOnIncomeDate = Money::FromRaw(653862);
    f.UnitsOnIncomeDate = 1;
    f.RateOnTaxDate = f.RateOnIncomeDate;
    f.UnitsOnTaxDate = 1;
    f.SetIncomeInCurrency(Money::FromUnits(100));
    f.SetTaxInCurrency(Money::FromUnits(10));
    return f;
}

mTBusinessNew& AddActivity(mTDeclaration& d) {
    mTBusinessNew& b = d.Business.Get(d.Business.Add());
    b.ActivityKind = "1";
    b.ActivityCode = "62.01";
    b.Income = Money::FromUnits(500000);
    b.ExpenseItems[kExpenseMaterial] = Money::FromUnits(100000);
    b.ExpenseItems[kExpenseLabour] = Money::FromUnits(50000);
    b.ExpenseItems[kExpenseLabourContracts] = Money::FromUnits(50000);
    b.ExpenseItems[kExpenseOther] = Money::FromUnits(10000);
    b.ExpenseItems[kExpenseTotal] = Money::FromUnits(160000);
    return b;
}

mTConstructionDeductObj CompleteFlat() {
    mTConstructionDeductObj o;
    o.ObjectNameCode = 2;
    o.OwnershipKind = 1;
    o.TaxpayerSign = 1;
    o.PostIndex = "115569";
    o.RegionCode = "77";
    o.City = "Москва г";
    o.Street = "Шипиловская ул";
    o.House = "28";
    o.RightRegDate = EncodeDate(2015, 5, 20);
    o.TransferActDate = EncodeDate(2015, 4, 14);
    o.LandRegDate = EncodeDate(2015, 5, 20);
    o.ApplicationDate = EncodeDate(2015, 5, 20);
    o.FirstUseYear = EncodeDate(2015, 1, 1);
    o.ShareNumerator = 1;
    o.ShareDenominator = 1;
    o.ObjectCost = Money::FromUnits(1000000);
    return o;
}

}  // namespace kvz::test
