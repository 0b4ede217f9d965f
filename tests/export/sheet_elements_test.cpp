// When each sheet element of НДФЛ3 is written and what decides its children.
#include <gtest/gtest.h>

#include "export/export_fixtures.h"
#include "support/calc_fixtures.h"

namespace kvz::test {
namespace {

using Strings = std::vector<std::string>;

const std::string kNdfl3 = "/Файл/Документ/НДФЛ3/";

std::string Build(const mTDeclaration& d, const kTSvodSum& sum) { return Ndfl3Bytes(d, sum, "NO_NDFL3_TEST"); }

std::unique_ptr<mTDeclaration> Declaration(uint8_t kind, uint8_t incomeKinds) {
    auto d = NewDeclaration(kind, incomeKinds);
    FillPerson(d->Person);
    return d;
}

TEST(ForeignIncomeElement, RatesShowByTheirOwnTotalsAndOnlyWithForeignIncomeDeclared) {
    auto d = Declaration(kDecl3Ndfl, kIncomeRussian);
    kTSvodSum sum;
    DohodCur item;
    item.IncomeKind = "1";
    item.IncomeRub = Rub(100);
    sum.PrilB13.CfcProfit = Rub(100);  // neither other income nor dividends
    sum.PrilB13.Items = {item};
    sum.PrilB35.OtherIncome = Rub(50);
    sum.PrilB35.Items = {item};
    sum.PrilB9.Dividends = Rub(70);  // the 9 % block looks at other income only
    sum.PrilB9.Items = {item};
    EXPECT_EQ(XmlView(Build(*d, sum)).Count(kNdfl3 + "ДоходИстИно"), 0);
    d->SetIncomeKinds(kIncomeRussian | kIncomeForeign);
    const XmlView view(Build(*d, sum));
    EXPECT_EQ(view.Values(kNdfl3 + "ДоходИстИно/@Ставка"), (Strings{"13", "35"}));
    // 35 % income is always "other"; 13 % keeps the item's kind.
    EXPECT_EQ(view.Values(kNdfl3 + "ДоходИстИно/РасчДохНалИно/@КодВидДох"), (Strings{"1", "2"}));
    // Without tax paid abroad the four tax attributes stay out; zero credits too.
    EXPECT_EQ(view.AttributeNames(kNdfl3 + "ДоходИстИно[1]/РасчДохНалИно"),
              "ОКСМ НаимИстДох КодВалют КодВидДох ДатаДох КурсВалютДох ДоходИноВал ДоходИноРуб");
}

TEST(BusinessElement, ActivitiesWithNormOrConfirmedExpensesFarmAndCorrection) {
    auto d = Declaration(kDecl3Ndfl, kIncomeBusiness);
    kTSvodSum sum;
    EXPECT_EQ(XmlView(Build(*d, sum)).Count(kNdfl3 + "ДоходПредпр"), 0);  // no activity
    mTBusinessNew& norm = AddBusiness(*d, Rub("12345.67"), Rub("2469.13"), false);
    norm.ActivityKind = "2";
    norm.ActivityCode = "69.10";
    AddBusiness(*d, Rub(100), Money(), true).ActivityKind = "1";
    d->CorrectedExpense = Rub(1);
    const XmlView view(Build(*d, sum));
    EXPECT_EQ(view.AttributeNames(kNdfl3 + "ДоходПредпр"), "ДоходИт ВычПрофИт");
    EXPECT_EQ(view.AttributeNames(kNdfl3 + "ДоходПредпр/РасчВидДеят[1]"), "ВидДеят Доход РасхПредНорм");
    EXPECT_EQ(view.Value(kNdfl3 + "ДоходПредпр/РасчВидДеят[1]/@РасхПредНорм"), "2469.13");
    // An activity code is written for business proper, even when it is the empty mask.
    EXPECT_EQ(view.AttributeNames(kNdfl3 + "ДоходПредпр/РасчВидДеят[2]"), "ВидДеят ОКВЭД Доход");
    EXPECT_EQ(view.Count(kNdfl3 + "ДоходПредпр/СведКФХ"), 0);
    EXPECT_EQ(view.Values(kNdfl3 + "ДоходПредпр/НБКор105.3/@*"), (Strings{"0.00", "1"}));

    // The farm's year as entered, 2000 too; without one, none is made up.
    d->IsFarmHead = true;
    for (int year : {2000, 1995, 2015}) {
        d->FarmStartDate = FarmStartDateOf(year);
        EXPECT_EQ(XmlView(Build(*d, sum)).Value(kNdfl3 + "ДоходПредпр/СведКФХ/@ГодРегКФХ"), std::to_string(year));
    }
    d->FarmStartDate = mTDeclaration().FarmStartDate;
    EXPECT_EQ(XmlView(Build(*d, sum)).AttributeNames(kNdfl3 + "ДоходПредпр/СведКФХ"), "ДоходНеНал");
}

TEST(ExemptIncomeElement, TheAdvertisingPrizeAloneOpensItAndMonthsComeFirst) {
    auto d = Declaration(kDecl3Ndfl, kIncomeRussian);
    d->MonthsWorked = 3;
    kTSvodSum sum;
    sum.PrilM.GiftIncome = Rub(3000);  // no exempt part: not listed
    sum.PrilM.AdPrizeIncome = Rub(6000);
    sum.PrilM.ExemptPrizes = Rub(4000);
    XmlView prizeOnly(Build(*d, sum));
    EXPECT_EQ(prizeOnly.Value(kNdfl3 + "ДоходОсвПрев/@ДохНеНалОбщ"), "0.00");
    EXPECT_EQ(prizeOnly.Count(kNdfl3 + "ДоходОсвПрев/*"), 1);
    sum.PrilM.FarmPayIncome = sum.PrilM.FarmPayExempt = sum.PrilM.ExemptTotal = Rub(500);
    const XmlView view(Build(*d, sum));
    EXPECT_EQ(view.AttributeNames(kNdfl3 + "ДоходОсвПрев/НатОплСХ"), "КолМесОтраб ДоходВсИст ДоходНеНал");
    EXPECT_EQ(view.Value(kNdfl3 + "ДоходОсвПрев/НатОплСХ/@КолМесОтраб"), "3");
}

TEST(HousingDeductionElement, OnlyForAResidentWithIncomeAndObjects) {
    auto d = Declaration(kDecl3Ndfl, 0);
    d->Construction.Granted = true;
    mTConstructionDeductObj object;
    object.ObjectNameCode = 5;
    object.OwnershipKind = 7;
    object.TaxpayerSign = 0;
    object.RegionCode = "50";
    object.LandRegDate = EncodeDate(2012, 4, 5);
    d->Construction.ObjectAdd(object);
    kTSvodSum sum;
    sum.PrilZ.ObjectExpensesTaken = {Rub(10)};
    EXPECT_EQ(XmlView(Build(*d, sum)).Count(kNdfl3 + "ИмущНалВычНов"), 0);  // no income kinds
    d->SetIncomeKinds(kIncomeRussian);
    const XmlView view(Build(*d, sum));
    const std::string object1 = kNdfl3 + "ИмущНалВычНов/РасчИмущВыч/СвОбъектРасх";
    EXPECT_EQ(view.AttributeNames(object1),
              "КодНаимОб ВидСобствОб ПризнакНП ВычЗаяв220.10 ДатаРегЖил ДатаРегЗем ГодНачИспВыч СумРасхФакт "
              "СумФактУплПроц");
    EXPECT_EQ(view.Value(object1 + "/@ВидСобствОб"), "3");
    EXPECT_EQ(view.Value(object1 + "/@ПризнакНП"), "01");
    EXPECT_EQ(view.Value(object1 + "/@СумРасхФакт"), "10.00");
    d->DeclarationKind = kDecl3NdflNonResident;
    EXPECT_EQ(XmlView(Build(*d, sum)).Count(kNdfl3 + "ИмущНалВычНов"), 0);
}

// An object carries the dates of its kind that it has: never a date of another
// kind of object, never day 0 (30.12.1899), whatever the dialog left stored.
TEST(HousingDeductionElement, AnObjectCarriesOnlyItsOwnGivenDates) {
    struct Owner {
        int32_t kind, sign;
        bool application;
    };
    const char* names[] = {"ДатаАкт", "ДатаРегЖил", "ДатаРегЗем", "ДатаЗаявВыч"};
    for (bool investment : {false, true})
        for (int32_t objectKind : {2, 4, 5, 8})
            for (Owner owner : {Owner{1, 1, false}, Owner{1, 2, true}, Owner{3, 1, true}, Owner{2, 2, false}})
                for (int given = 0; given < 16; ++given) {
                    auto d = Declaration(kDecl3Ndfl, kIncomeRussian);
                    d->Construction.Granted = true;
                    mTConstructionDeductObj o;
                    o.ObjectNameCode = objectKind;
                    o.OwnershipKind = owner.kind;
                    o.TaxpayerSign = owner.sign;
                    o.RegionCode = "50";
                    o.ByInvestment = investment;
                    DateTime* dates[] = {&o.TransferActDate, &o.RightRegDate, &o.LandRegDate, &o.ApplicationDate};
                    for (int i = 0; i < 4; ++i) *dates[i] = (given >> i) & 1 ? EncodeDate(2010 + i, 2, 3) : 0;
                    d->Construction.ObjectAdd(o);
                    kTSvodSum sum;
                    sum.PrilZ.ObjectExpensesTaken = {Rub(10)};
                    const std::string attributes =
                        " " + XmlView(Build(*d, sum)).AttributeNames(kNdfl3 + "ИмущНалВычНов/РасчИмущВыч/СвОбъектРасх") +
                        " ";
                    const bool own[] = {investment, !investment, !investment && objectKind > 4, owner.application};
                    for (int i = 0; i < 4; ++i) {
                        const bool expected = own[i] && ((given >> i) & 1);
                        EXPECT_EQ(attributes.find(std::string(" ") + names[i] + " ") != std::string::npos, expected)
                            << names[i] << " investment " << investment << " kind " << objectKind << " owner "
                            << owner.kind << "/" << owner.sign << " given " << given;
                    }
                }
}

TEST(StandardSocialElement, TheStandardPartIsAlwaysThereWithZeroWhenNotClaimed) {
    auto d = Declaration(kDecl3Ndfl, kIncomeRussian);
    d->Standard.Granted = false;
    d->Social.Granted = false;
    kTSvodSum sum;
    sum.PrilE1.MonthsUnder280000 = 4;
    sum.PrilE2.UnlimitedTotal = sum.PrilE2.SocialTotal = Rub(100);
    EXPECT_EQ(XmlView(Build(*d, sum)).Count(kNdfl3 + "ВычСтандСоц"), 0);
    d->Social.Granted = true;
    const XmlView view(Build(*d, sum));
    EXPECT_EQ(view.AttributeNames(kNdfl3 + "ВычСтандСоц/РасчВычСтанд"), "ОбщВычСтанд");
    EXPECT_EQ(view.Value(kNdfl3 + "ВычСтандСоц/РасчВычСтанд/@ОбщВычСтанд"), "0");
    EXPECT_EQ(view.AttributeNames(kNdfl3 + "ВычСтандСоц/РасчВычСоцБез219.2"), "ИтогВычСоциал");
    EXPECT_EQ(view.AttributeNames(kNdfl3 + "ВычСтандСоц/РасчВычСоц219.2"), "ОбщВычСоциал");
    d->Standard.Granted = true;
    EXPECT_EQ(XmlView(Build(*d, sum)).AttributeNames(kNdfl3 + "ВычСтандСоц/РасчВычСтанд"),
              "КолМесНеПрев ОбщВычСтанд");
}

TEST(PensionInvestmentElement, InvestmentAloneKeepsTheContributionTotal) {
    auto d = Declaration(kDecl3Ndfl, kIncomeRussian);
    kTSvodSum sum;
    sum.PrilE3.InvestmentDeduction = Rub(400);
    const XmlView view(Build(*d, sum));
    EXPECT_EQ(view.Values(kNdfl3 + "ВычСоцИнв219/РасчПенсВзнос/@ОбщВзносВыч"), Strings{"0.00"});
    EXPECT_EQ(view.Count(kNdfl3 + "ВычСоцИнв219/РасчПенсВзнос/*"), 0);
    EXPECT_EQ(view.Values(kNdfl3 + "ВычСоцИнв219/РасчИнвВыч/@*"), (Strings{"400.00", "0.00"}));
}

TEST(SecuritiesElement, CarriedLossesAloneGiveTheLossBlockInYearOrder) {
    auto d = Declaration(kDecl3Ndfl, kIncomeRussian);
    d->CB.SecuritiesLoss[0] = Rub(10);  // 2014
    d->CB.FissLoss[9] = Rub(20);        // 2013
    d->CB.SecuritiesLoss[4] = Rub(30);  // 2008
    d->CB.FissLoss[4] = Rub(40);
    kTSvodSum sum;
    sum.PrilJ.CarriedSecurities = Rub(40);
    sum.PrilJ.CarriedDerivatives = Rub(60);
    const XmlView view(Build(*d, sum));
    const std::string losses = kNdfl3 + "ДохОперЦБ/УбытПредПер/";
    EXPECT_EQ(view.Count(kNdfl3 + "ДохОперЦБ/*"), 1);
    EXPECT_EQ(view.Values(losses + "ОстУбытПрошПер/@ПериодПрош"), (Strings{"2008", "2013", "2014"}));
    EXPECT_EQ(view.AttributeNames(losses + "ОстУбытПрошПер[1]"), "ПериодПрош УбытНачЦБОбр УбытНачФИССОбр");
    EXPECT_EQ(view.AttributeNames(losses + "ОстУбытПрошПер[2]"), "ПериодПрош УбытНачФИССОбр");
    // The three closing elements are there even when empty.
    EXPECT_EQ(view.Count(losses + "НалБазаПер"), 1);
    EXPECT_EQ(view.AttributeNames(losses + "ОстУбытКонВс"), "");
}

TEST(ProfessionalAndPartnershipElements, EachSourceSignOnItsOwn) {
    auto d = Declaration(kDecl3Ndfl, kIncomeRussian);
    kTSvodSum sum;
    sum.PrilG_In.EarlyRedemptionIncome = Rub(10);
    sum.PrilG_In.EarlyRedemptionExpense = Rub(5);
    sum.PrilG_In.ReducedShareIncome = Rub(7);  // no expense: not listed
    sum.PrilG_In.ExpenseTotal = Rub(5);
    sum.PrilI.Groups[4].LossReducing = Rub(3);
    sum.PrilI.ExpensesTotal = Rub(3);
    const XmlView view(Build(*d, sum));
    EXPECT_EQ(view.Values(kNdfl3 + "ПрофНалВыч/@ПрИст"), Strings{"2"});
    EXPECT_EQ(view.Count(kNdfl3 + "ПрофНалВыч/*"), 1);
    EXPECT_EQ(view.Count(kNdfl3 + "ПрофНалВыч/РасхФактПрдчСр"), 1);
    EXPECT_EQ(view.Count(kNdfl3 + "ДохИвестТов/ДохПрочИТ"), 1);
    EXPECT_EQ(view.Count(kNdfl3 + "ДохИвестТов/*"), 2);
}

}  // namespace
}  // namespace kvz::test
