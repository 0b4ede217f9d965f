// The 3-НДФЛ tree from declarations and records set by hand: which elements appear,
// in what order, with which attributes and texts.
#include <gtest/gtest.h>

#include "export/export_fixtures.h"
#include "support/calc_fixtures.h"

namespace kvz::test {
namespace {

using Strings = std::vector<std::string>;

const std::string kNdfl3 = "/Файл/Документ/НДФЛ3/";
const std::string kTaxpayer = "/Файл/Документ/СвНП/НПФЛ3/";

std::string Build(const mTDeclaration& d, const kTSvodSum& sum) { return Ndfl3Bytes(d, sum, "NO_NDFL3_TEST"); }

std::unique_ptr<mTDeclaration> Resident(uint8_t incomeKinds = kIncomeRussian) {
    auto d = NewDeclaration(kDecl3Ndfl, incomeKinds);
    d->InspectionCode = "7724";
    FillPerson(d->Person);
    return d;
}

TEST(Ndfl3IncomeSources, NinePercentSourcesAloneDoNotOpenTheGroup) {
    auto d = Resident();
    AddNine(*d, Rub(1000), {Rub(1000), Rub(90), Rub(90), "45000000"});
    kTSvodSum sum;
    EXPECT_EQ(XmlView(Build(*d, sum)).Count(kNdfl3 + "ДоходИстРФ"), 0);
    AddThirteen(*d, {Line(2000, Rub(5000))});
    EXPECT_EQ(XmlView(Build(*d, sum)).Values(kNdfl3 + "ДоходИстРФ/@Ставка"), (Strings{"09", "13"}));
}

TEST(Ndfl3IncomeSources, ResidentListsInOrderAndMaterialBenefitLeftOut) {
    auto d = Resident(kIncomeRussian | kIncomeInvestTov);
    AddThirtyFive(*d, 2740, Rub(10000), Rub(2100)).IncomeKindCode = "09";
    AddThirtyFive(*d, 2620, Rub(500), Rub(175));
    AddDividend(*d, Rub(300)).IncomeKindCode = "08";
    AddPartnership(*d, {PartnershipLine(1, Rub(200))}).IncomeKindCode = "03";
    AddThirteen(*d, {Line(2000, Rub(100))}).IncomeKindCode = "06";
    AddNine(*d, Rub(400)).IncomeKindCode = "09";
    AddThirteenNR(*d, {Line(2000, Rub(700))});  // not a resident's list
    kTSvodSum sum;
    // Without 35 % income on sheet А the 35 % sources are not listed.
    EXPECT_EQ(XmlView(Build(*d, sum)).Values(kNdfl3 + "ДоходИстРФ/@Доход"),
              (Strings{"400.00", "100.00", "200.00", "300.00"}));
    sum.PrilA35.IncomeTotal = Rub(10000);
    const XmlView view(Build(*d, sum));
    EXPECT_EQ(view.Values(kNdfl3 + "ДоходИстРФ/@Ставка"), (Strings{"09", "13", "13", "13", "35"}));
    EXPECT_EQ(view.Values(kNdfl3 + "ДоходИстРФ/@ВидДоход"), (Strings{"09", "06", "03", "08", "09"}));
    EXPECT_EQ(view.Value(kNdfl3 + "ДоходИстРФ[5]/@Доход"), "10000.00");
}

TEST(Ndfl3IncomeSources, NonResidentRatesAndTheDividendTaxAtFifteenPercent) {
    auto d = NewDeclaration(kDecl3NdflNonResident, kIncomeRussian | kIncomeInvestTov);
    FillPerson(d->Person);
    AddNine(*d, Rub(400));
    AddThirteen(*d, {Line(2000, Rub(100))}, {Rub(100), Rub(30), Rub(30), ""});
    AddThirteenNR(*d, {Line(2000, Rub(700))}, {Rub(700), Rub(91), Rub(91), ""});
    // Their own computed tax is not what the file shows: 15 % of the taxable income.
    AddDividend(*d, Rub("1000.50"), {Rub("1000.50"), Rub(130), Rub(150), ""});
    AddDividend(*d, Rub("1003.40"), {Rub("1003.40"), Rub(130), Rub(150), ""});
    AddPartnership(*d, {PartnershipLine(1, Rub(200))});
    kTSvodSum sum;
    sum.PrilA35.IncomeTotal = Rub(1);
    AddThirtyFive(*d, 2740, Rub(10000));
    const XmlView view(Build(*d, sum));
    EXPECT_EQ(view.Values(kNdfl3 + "ДоходИстРФ/@Доход"),
              (Strings{"200.00", "700.00", "1000.50", "1003.40", "100.00"}));
    EXPECT_EQ(view.Values(kNdfl3 + "ДоходИстРФ/@Ставка"), (Strings{"30", "13", "15", "15", "30"}));
    EXPECT_EQ(view.Values(kNdfl3 + "ДоходИстРФ[@Ставка='15']/@НалИсчисл"), (Strings{"150", "151"}));
    EXPECT_EQ(view.Value(kTaxpayer + "@Статус"), "2");
}

TEST(Ndfl3IncomeSources, PayerIsAPersonOnlyWithoutAnOrganisationsInnAndKpp) {
    auto d = Resident();
    auto payer = [&](const char* inn, const char* kpp) {
        mTThirteenPercent& s = AddThirteen(*d, {Line(2000, Rub(1))});
        s.SourceName = "Источник";
        s.Inn = inn;
        s.Kpp = kpp;
    };
    payer("500100732259", "");
    payer("", "  ");
    payer("7724261610", "");
    payer("500100732259", "772401001");
    kTSvodSum sum;
    const XmlView view(Build(*d, sum));
    EXPECT_EQ(view.AttributeNames(kNdfl3 + "ДоходИстРФ[1]/ИстФЛИн"), "ФИОИн ИННФЛ");
    EXPECT_EQ(view.AttributeNames(kNdfl3 + "ДоходИстРФ[2]/ИстФЛИн"), "ФИОИн");
    EXPECT_EQ(view.AttributeNames(kNdfl3 + "ДоходИстРФ[3]/ИстЮЛ"), "Наим ИННЮЛ КПП");
    EXPECT_EQ(view.Value(kNdfl3 + "ДоходИстРФ[3]/ИстЮЛ/@КПП"), "");
    EXPECT_EQ(view.Value(kNdfl3 + "ДоходИстРФ[4]/ИстЮЛ/@ИННЮЛ"), "500100732259");
}

TEST(Ndfl3RateBlocks, ABlockShowsWhenAnyOfItsFiguresBeyondTheSettlementIsPositive) {
    auto d = Resident();
    kTSvodSum sum;
    // The settlement's own results do not count.
    sum.List2.TaxDue = sum.List2.RefundDue = sum.List2.TaxAfterCredits = Rub(5);
    XmlView zero(Build(*d, sum));
    EXPECT_EQ(zero.Values(kNdfl3 + "НалБаза/@Ставка"), Strings{"13"});
    EXPECT_EQ(zero.Values(kNdfl3 + "НалБаза/РасчНалБаза/@*"), Strings(7, "0.00"));
    EXPECT_EQ(zero.Values(kNdfl3 + "НалБаза/РасчНалПУ/@*"), Strings(11, "0"));
    sum.List3.Rate = "35";
    sum.List3.TaxWithheldMaterialBenefit = Rub(1);
    sum.List5.Rate = "15";
    sum.List5.TradeLevyCredited = Rub("0.5");
    const XmlView view(Build(*d, sum));
    EXPECT_EQ(view.Values(kNdfl3 + "НалБаза/@Ставка"), (Strings{"35", "15"}));
    EXPECT_EQ(view.Value(kNdfl3 + "НалБаза[2]/РасчНалПУ/@ТСУплПерЗач"), "0.5");
    EXPECT_EQ(view.AttributeNames(kNdfl3 + "НалБаза[1]/РасчНалБаза"),
              "ДоходОбщ ДоходОбщНеНал ДоходОбщНал СумНалВыч СумРасхУм СумДохДивКИК НалБаза");
}

TEST(Ndfl3PaymentLines, AmountGoesToTheColumnOfItsSign) {
    auto d = Resident();
    kTSvodSum sum;
    sum.List6.Lines = {{kKbkOther, "45000000", kPay, Rub("10.5")},
                       {kKbkWithheldRefund, "45000000", kRefund, Rub(7)},
                       {kKbkBusiness, "45000000", kNeither, Rub(9)}};
    const XmlView view(Build(*d, sum));
    EXPECT_EQ(view.Values(kNdfl3 + "СумНалПу/@ПодлУпл"), (Strings{"10.5", "0", "0"}));
    EXPECT_EQ(view.Values(kNdfl3 + "СумНалПу/@ПодлВозв"), (Strings{"0", "7", "0"}));
    EXPECT_EQ(view.AttributeNames(kNdfl3 + "СумНалПу"), "ПрУплВозв КБК ОКТМО ПодлУпл ПодлВозв");
}

TEST(Ndfl3Taxpayer, OptionalTextsTestTrimmedAndWriteUntrimmedInUpperCase) {
    auto d = Resident();
    mTPersonInformation& p = d->Person;
    p.City = " москва ";
    p.Street = "   ";
    p.District = "";
    p.Locality = "пос. ёлочки";
    p.Surname = "d'artagnan-щукин";
    p.ForeignAddress = "\t";
    p.CitizenshipCode = "4";
    p.RegionCode = 7;
    p.DocTypeCode = 0;
    kTSvodSum sum;
    const XmlView view(Build(*d, sum));
    EXPECT_EQ(view.AttributeNames(kTaxpayer + "СвАдрРФ/АдрРФ"), "Индекс КодРегион Город НаселПункт Дом Корпус Кварт");
    EXPECT_EQ(view.Value(kTaxpayer + "СвАдрРФ/АдрРФ/@Город"), " МОСКВА ");
    EXPECT_EQ(view.Value(kTaxpayer + "СвАдрРФ/АдрРФ/@НаселПункт"), "ПОС. ЁЛОЧКИ");
    EXPECT_EQ(view.Value(kTaxpayer + "СвАдрРФ/АдрРФ/@КодРегион"), "07");
    EXPECT_EQ(view.Value(kTaxpayer + "ФИОФЛ/@Фамилия"), "D'ARTAGNAN-ЩУКИН");
    EXPECT_EQ(view.AttributeNames("/Файл/Документ/СвНП/НПФЛ3"), "ДокПредст Статус Тлф");
    EXPECT_EQ(view.Value(kTaxpayer + "СведФЛ1/@ОКСМ"), "004");
    // With an ИНН the identity document is written only when its kind is chosen.
    EXPECT_EQ(view.Count(kTaxpayer + "СведФЛ1/УдЛичн"), 0);
}

TEST(Ndfl3Taxpayer, WithoutInnTheDocumentAndBirthPlaceAreAlwaysWritten) {
    auto d = Resident();
    d->Person.PersonInn = "";
    d->Person.BirthPlace = "";
    d->Person.CitizenshipCode = "";
    d->Person.DocTypeCode = 3;
    kTSvodSum sum;
    const XmlView view(Build(*d, sum));
    EXPECT_EQ(view.Count(kTaxpayer + "СведФЛ1"), 0);
    EXPECT_EQ(view.AttributeNames(kTaxpayer + "СведФЛ2"), "ДатаРожд МестоРожд ОКСМ");
    EXPECT_EQ(view.Value(kTaxpayer + "СведФЛ2/@ОКСМ"), "643");
    EXPECT_EQ(view.Value(kTaxpayer + "СведФЛ2/УдЛичн/@КодВидДок"), "03");
}

TEST(Ndfl3Taxpayer, CategoriesAndSigners) {
    auto d = Resident();
    kTSvodSum sum;
    const std::pair<uint8_t, const char*> categories[] = {{0, "720"}, {1, "770"}, {2, "730"}, {3, "740"},
                                                          {4, "760"}, {5, "760"}, {6, "750"}};
    for (const auto& [kind, code] : categories) {
        d->TaxpayerKind = kind;
        EXPECT_EQ(XmlView(Build(*d, sum)).Value(kTaxpayer + "@ДокПредст"), code) << int(kind);
    }
    EXPECT_EQ(XmlView(Build(*d, sum)).Count("//Подписант/*"), 0);
    d->RepresentativeName = "Петров";
    d->RepresentativeDocument = "доверенность";
    d->RepresentativeOrganization = "ООО Право";
    for (uint8_t signer : {1, 2}) {
        d->ConfirmedBy = signer;
        const XmlView view(Build(*d, sum));
        EXPECT_EQ(view.Value("//Подписант/@ПрПодп"), "2");
        EXPECT_EQ(view.Values("//Подписант/ФИО/@*"), (Strings{"ПЕТРОВ", " "}));
        // The 3-НДФЛ format has no place for the organisation's name.
        EXPECT_EQ(view.AttributeNames("//Подписант/СвПред"), "НаимДок");
    }
}

}  // namespace
}  // namespace kvz::test
