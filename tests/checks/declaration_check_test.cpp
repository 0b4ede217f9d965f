#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "check_declarations.h"
#include "checks/declaration_check.h"
#include "scripted_dialogs.h"
#include "storage/dates.h"

namespace kvz {
namespace {

using test::AddActivity;
using test::AddEmployer;
using test::AddForeignIncome;
using test::CompleteDeclaration;
using test::CompleteFlat;
using test::ScriptedCheckAllDialog;
using Strings = std::vector<std::string>;

constexpr uint16_t kDeclined = 0xFFFF;

uint32_t Result(uint16_t section, uint16_t field) { return (static_cast<uint32_t>(field) << 16) | section; }
uint16_t FieldOf(uint32_t result) { return static_cast<uint16_t>(result >> 16); }

struct CheckRun {
    uint32_t result;
    ScriptedCheckAllDialog dialog;
};

CheckRun Check(mTDeclaration& d, std::deque<int> answers = {}, int fallback = kCheckAnswerSkip) {
    CheckRun run{0, ScriptedCheckAllDialog(std::move(answers), fallback)};
    run.result = CheckDeclaration(d, run.dialog);
    return run;
}

Money Rub(int64_t roubles) { return Money::FromUnits(roubles); }

TEST(CheckDeclaration, CompleteDeclarationsPass) {
    for (uint8_t kind : {kDecl3Ndfl, kDecl3NdflNonResident}) {
        auto d = CompleteDeclaration(kind);
        CheckRun run = Check(*d);
        EXPECT_EQ(run.result, Result(kCheckSectionAddress, 0)) << int(kind);
        EXPECT_TRUE(run.dialog.Shown.empty());
    }
    // A 4-НДФЛ has no address page and no residence check: the deductions were the
    // last section entered, or the taxpayer when no income kind is marked.
    auto d4 = CompleteDeclaration(kDecl4Ndfl);
    d4->Person.RegionCode = 0;
    EXPECT_EQ(Check(*d4).result, Result(kCheckSectionDeductionsEnd, 0));
    d4->SetIncomeKinds(0);
    EXPECT_EQ(Check(*d4).result, Result(kCheckSectionPerson, 0));
    EXPECT_TRUE(CheckDeclarationForExport(*d4).empty());
}

struct Case {
    const char* name;
    uint8_t kind;
    std::function<void(mTDeclaration&)> spoil;
    uint16_t section;
    const char* caption;
    std::string message;
    uint16_t field;
};

const Case kCases[] = {
    {"inspection", kDecl3Ndfl, [](mTDeclaration& d) { d.InspectionCode = "  "; }, kCheckSectionConditions,
     kCaptionConditions, "Не введен номер инспекции", kCheckFieldInspection},
    {"representative name", kDecl3Ndfl,
     [](mTDeclaration& d) {
         d.ConfirmedBy = 1;
         d.RepresentativeDocument = "Доверенность 77 АБ 1234567";
     },
     kCheckSectionConditions, kCaptionConditions, "Не указаны ФИО подписанта-представителя",
     kCheckFieldRepresentativeName},
    {"representative document", kDecl3Ndfl,
     [](mTDeclaration& d) {
         d.ConfirmedBy = 1;
         d.RepresentativeName = "Петров Петр Петрович";
     },
     kCheckSectionConditions, kCaptionConditions, "Не указан документ, подтверждающий полномочия представителя",
     kCheckFieldRepresentativeDocument},
    {"representative organisation", kDecl4Ndfl,
     [](mTDeclaration& d) {
         d.ConfirmedBy = 2;
         d.RepresentativeName = "Петров Петр Петрович";
         d.RepresentativeDocument = "Доверенность 77 АБ 1234567";
     },
     kCheckSectionConditions, kCaptionConditions, "Не указано наименование Юр.лица-представителя",
     kCheckFieldRepresentativeOrganization},
    {"surname", kDecl3Ndfl, [](mTDeclaration& d) { d.Person.Surname = ""; }, kCheckSectionPerson, kCaptionPerson,
     "Не введена фамилия", kCheckFieldSurname},
    {"first name", kDecl3Ndfl, [](mTDeclaration& d) { d.Person.FirstName = " "; }, kCheckSectionPerson,
     kCaptionPerson, "Не введено имя", kCheckFieldFirstName},
    {"ИНН of an organisation", kDecl3Ndfl, [](mTDeclaration& d) { d.Person.PersonInn = "7707083893"; },
     kCheckSectionPerson, kCaptionPerson, "Длинна ИНН должна быть равна 12 цифрам", kCheckFieldPersonInn},
    {"wrong ИНН", kDecl3Ndfl, [](mTDeclaration& d) { d.Person.PersonInn = "500100732258"; }, kCheckSectionPerson,
     kCaptionPerson, "Номер ИНН введен неверно", kCheckFieldPersonInn},
    {"no ИНН of an entrepreneur", kDecl3Ndfl,
     [](mTDeclaration& d) {
         d.Person.PersonInn = "";
         d.TaxpayerKind = 0;
     },
     kCheckSectionPerson, kCaptionPerson,
     "Лицам имеющим доходы от предпринимательской деятельности необходимо ввести ИНН", kCheckFieldPersonInn},
    {"no ИНН with business income", kDecl3Ndfl,
     [](mTDeclaration& d) {
         d.Person.PersonInn = "";
         d.SetIncomeKinds(kIncomeRussian | kIncomeBusiness);
         AddActivity(d);
     },
     kCheckSectionPerson, kCaptionPerson,
     "Лицам имеющим доходы от предпринимательской деятельности необходимо ввести ИНН", kCheckFieldPersonInn},
    {"no ИНН in a 4-НДФЛ", kDecl4Ndfl, [](mTDeclaration& d) { d.Person.PersonInn = ""; }, kCheckSectionPerson,
     kCaptionPerson, "Не указан ИНН", kCheckFieldPersonInn},
    {"birth place without ИНН", kDecl3Ndfl,
     [](mTDeclaration& d) {
         d.Person.PersonInn = "";
         d.Person.BirthPlace = "";
     },
     kCheckSectionPerson, kCaptionPerson, "Не указано место рождения", kCheckFieldBirthPlace},
    {"document without ИНН", kDecl3Ndfl,
     [](mTDeclaration& d) {
         d.Person.PersonInn = "";
         d.Person.DocTypeCode = 0;
     },
     kCheckSectionPerson, kCaptionPerson, "Не указан документ, удостоверяющий личность", kCheckFieldDocType},
    {"series and number", kDecl3Ndfl, [](mTDeclaration& d) { d.Person.DocSeriesNumber = ""; }, kCheckSectionPerson,
     kCaptionPerson, "Не указаны серия и номер документа, удостоверяющего личность", kCheckFieldDocSeriesNumber},
    {"issued before birth", kDecl3Ndfl,
     [](mTDeclaration& d) {
         d.Person.DocTypeCode = 3;  // not a passport: only the birth date bounds it
         d.Person.DocIssueDate = d.Person.BirthDate - 1;
     },
     kCheckSectionPerson, kCaptionPerson, "Дата выдачи документа не может быть меньше даты рождения",
     kCheckFieldDocIssueDate},
    {"passport before 14", kDecl3Ndfl, [](mTDeclaration& d) { d.Person.DocIssueDate = EncodeDate(1990, 12, 31); },
     kCheckSectionPerson, kCaptionPerson,
     "Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет", kCheckFieldDocIssueDate},
    {"issuer", kDecl3Ndfl, [](mTDeclaration& d) { d.Person.DocIssuedBy = ""; }, kCheckSectionPerson, kCaptionPerson,
     "Не указано, кем выдан документ, удостоверяющий личность", kCheckFieldDocIssuedBy},
    {"ОКТМО of a 4-НДФЛ", kDecl4Ndfl, [](mTDeclaration& d) { d.Person.ResidenceOktmo = "4538200"; },
     kCheckSectionPerson, kCaptionPerson, "Не введен код ОКТМО(8 или 11 симв.)", kCheckFieldPersonOktmo},
    {"region", kDecl3Ndfl, [](mTDeclaration& d) { d.Person.RegionCode = 0; }, kCheckSectionAddress, kCaptionPerson,
     "Не указан регион постоянного местожительства", kCheckFieldRegion},
    {"locality and street", kDecl3Ndfl,
     [](mTDeclaration& d) {
         d.Person.Street = "";
         d.Person.Locality = " ";  // the city alone does not do
     },
     kCheckSectionAddress, kCaptionPerson,
     "Не указан населенный пункт (село, поселок) или улица (проспект, переулок)", kCheckFieldLocality},
    {"withheld above income", kDecl3Ndfl, [](mTDeclaration& d) { AddEmployer(d, 1000, 2000); },
     kCheckSectionThirteen, kCaptionThirteen,
     "По данному источнику выплаты общая сумма дохода меньше удержанной суммы", 2},
    {"source without lines", kDecl3Ndfl, [](mTDeclaration& d) { AddEmployer(d, 0, 0, false); },
     kCheckSectionThirteen, kCaptionThirteen, "По данному источнику не указаны доходы", 2},
    {"social deductions without data", kDecl3Ndfl, [](mTDeclaration& d) { d.Social.Granted = true; },
     kCheckSectionDeductions, kCaptionSocial, "Не введены данные по социальным налоговым вычетам",
     kCheckFieldSocialDeductions},
    {"two employers in March", kDecl3Ndfl,
     [](mTDeclaration& d) {
         AddEmployer(d, 1000, 130);
         d.Thirteen.Get(0).SetMonthAmount(2, Rub(50000));
         d.Thirteen.Get(1).SetMonthAmount(2, Rub(1000));
     },
     kCheckSectionDeductions, kCaptionStandard,
     "Вы не могли получать стандартные вычеты работая в нескольких местах ОДНОВРЕМЕННО.",
     kCheckFieldStandardDeductions},
    {"residence ОКТМО length", kDecl3Ndfl, [](mTDeclaration& d) { d.Person.ResidenceOktmo = "453820001"; },
     kCheckSectionAddress, kCaptionPerson, "Код ОКТМО (по месту жительства) должен содержать 8 или 11 символов",
     kCheckFieldAddressOktmo},
    {"residence ОКТМО for a payment", kDecl3Ndfl, [](mTDeclaration& d) { d.Person.ResidenceOktmo = " "; },
     kCheckSectionAddress, kCaptionPerson, "Не введен код ОКТМО(8 или 11 симв.) по месту жительства",
     kCheckFieldAddressOktmo},
};

// Rules beyond the sections' own: each is asked only after every section's rule.
const Case kExtraCases[] = {
    {"extra pension contributions as a bare amount", kDecl3Ndfl,
     [](mTDeclaration& d) {
         d.Social.Granted = true;
         d.Social.ExtraPensionContributions = Rub(12000);
     },
     kCheckSectionDeductions, kCaptionSocial,
     "Сумма дополнительных страховых пенсионных взносов в расчет не попадает. Введите ее в списке договоров "
     "договором вида \"Доп. страх. взносы на накопительную часть труд. пенс.\" и очистите это поле",
     kSocialFieldExtraPension},
    {"investment deduction above its limit", kDecl3Ndfl,
     [](mTDeclaration& d) {
         d.InvestmentDeduction = Money::FromRaw(4000000100);
         // Income enough that tax is still due, so that the residence ОКТМО is still needed.
         AddEmployer(d, 5000000, 0);
     },
     kCheckSectionDeductions,
     kCaptionLosses, "Сумма инвестиционного вычета не может быть больше 400000", kCheckFieldLossesAndInvestment},
    {"income code the dictionary does not know", kDecl3Ndfl,
     [](mTDeclaration& d) {
         mTSourseIncome line;
         line.IncomeCode = 1234;
         line.IncomeAmount = Rub(1000);
         d.Thirteen.Get(0).AddLine(line);
     },
     kCheckSectionThirteen, kCaptionThirteen, "Источник выплаты 1, строка 2. Код дохода 1234 отсутствует в справочнике",
     1},
    {"dividends without their taxable amount", kDecl3Ndfl,
     [](mTDeclaration& d) {
         mTThirtyPercent& s = d.Dividends.Get(d.Dividends.Add());
         s.SourceName = "ПАО Сбербанк";
         s.Inn = "7707083893";
         s.Kpp = "773601001";
         s.Oktmo = "45397000";
         s.IncomeCode = mTThirtyPercent::kDividendIncomeCode;
         s.IncomeTotal = Rub(10000);
     },
     kCheckSectionDividends, kCaptionDividends,
     "Сумма дивидендов не попадает в расчет: не указана облагаемая сумма дивидендов", 1},
    {"foreign income without its rate", kDecl3Ndfl,
     [](mTDeclaration& d) {
         d.SetIncomeKinds(d.IncomeKinds | kIncomeForeign);
         AddForeignIncome(d).IncomeRate = 0;
     },
     kCheckSectionForeign, kCaptionForeign, "Доход не попадает в расчет: по коду дохода не определена ставка налога",
     1},
    {"foreign income at a rate no sheet computes", kDecl3NdflNonResident,
     [](mTDeclaration& d) {
         d.SetIncomeKinds(d.IncomeKinds | kIncomeForeign);
         AddForeignIncome(d).IncomeRate = 30;
     },
     kCheckSectionForeign, kCaptionForeign,
     "Доход не попадает в расчет: ставка 30 не относится ни к 13%, ни к 9%, ни к 35%", 1},
};

void ExpectOnlyItsMessage(const Case& c) {
    SCOPED_TRACE(c.name);
    auto d = CompleteDeclaration(c.kind);
    c.spoil(*d);

    CheckRun fix = Check(*d, {kCheckAnswerFix});
    EXPECT_EQ(fix.result, Result(c.section, c.field));
    ASSERT_EQ(fix.dialog.Shown.size(), 1u);
    EXPECT_EQ(fix.dialog.Shown[0].caption, c.caption);
    EXPECT_EQ(fix.dialog.Shown[0].message, c.message);

    EXPECT_EQ(Check(*d, {kCheckAnswerSkip}).result, Result(c.section, kDeclined));
    EXPECT_EQ(Check(*d, {kCheckAnswerClosed}).result, Result(c.section, kDeclined));
    EXPECT_EQ(CheckDeclarationForExport(*d), (CheckFindings{{c.section, c.caption, c.field, c.message}}));
}

TEST(CheckDeclaration, EachMessageWithItsSectionAndField) {
    for (const Case& c : kCases) ExpectOnlyItsMessage(c);
    for (const Case& c : kExtraCases) ExpectOnlyItsMessage(c);
}

// Whatever else is wrong, the sections' own rules are shown first, so that the window
// opens the screen of the first of them.
TEST(CheckDeclaration, EverySectionRuleComesBeforeEveryExtraRule) {
    int pairs = 0;
    for (const Case& own : kCases)
        for (const Case& extra : kExtraCases) {
            // Bare pension contributions are social data: with them the social rule
            // has nothing to say.
            if (extra.kind != own.kind || (own.field == kCheckFieldSocialDeductions && extra.caption == own.caption))
                continue;
            SCOPED_TRACE(std::string(own.name) + " + " + extra.name);
            auto d = CompleteDeclaration(own.kind);
            own.spoil(*d);
            extra.spoil(*d);
            CheckRun fix = Check(*d, {kCheckAnswerFix});
            EXPECT_EQ(fix.result, Result(own.section, own.field));
            ASSERT_FALSE(fix.dialog.Shown.empty());
            EXPECT_EQ(fix.dialog.Shown[0].message, own.message);
            ++pairs;
        }
    EXPECT_GT(pairs, 100);
}

TEST(CheckDeclaration, CancelledInspectionStillAsksForTheRepresentativeButNoMore) {
    auto d = CompleteDeclaration(kDecl4Ndfl);
    d->InspectionCode = "";
    d->ConfirmedBy = 2;
    d->Person.Surname = "";  // a later section: never reached
    CheckRun run = Check(*d);
    EXPECT_EQ(run.dialog.Messages(),
              (Strings{"Не введен номер инспекции", "Не указаны ФИО подписанта-представителя",
                       "Не указан документ, подтверждающий полномочия представителя",
                       "Не указано наименование Юр.лица-представителя"}));
    EXPECT_EQ(run.result, Result(kCheckSectionConditions, kDeclined));

    // "Исправить" on the second message ends the section there.
    CheckRun fixSecond = Check(*d, {kCheckAnswerSkip, kCheckAnswerFix});
    EXPECT_EQ(fixSecond.dialog.Shown.size(), 2u);
    EXPECT_EQ(fixSecond.result, Result(kCheckSectionConditions, kCheckFieldRepresentativeName));

    // A representative person has no organisation to name.
    d->ConfirmedBy = 1;
    EXPECT_EQ(Check(*d).dialog.Shown.size(), 3u);
}

TEST(CheckDeclaration, TaxpayerSectionShowsOnlyItsFirstMessage) {
    auto d = CompleteDeclaration();
    d->Person.Surname = "";
    d->Person.FirstName = "";
    d->Person.DocIssuedBy = "";
    EXPECT_EQ(Check(*d, {kCheckAnswerSkip}).dialog.Messages(), Strings{"Не введена фамилия"});

    auto a = CompleteDeclaration();
    a->Person.RegionCode = 0;
    a->Person.Street = "";
    EXPECT_EQ(Check(*a, {kCheckAnswerClosed}).dialog.Messages(),
              Strings{"Не указан регион постоянного местожительства"});
}

TEST(CheckDeclaration, ValidPersonalInnStandsForDocumentAndBirthPlace) {
    auto d = CompleteDeclaration();
    d->Person.DocTypeCode = 0;
    d->Person.DocSeriesNumber = "";
    d->Person.DocIssuedBy = "";
    d->Person.BirthPlace = "";
    EXPECT_EQ(Check(*d).result, Result(kCheckSectionAddress, 0));
    // Without the ИНН of a non-entrepreneur they are needed, and asked for in turn.
    d->Person.PersonInn = " ";
    EXPECT_EQ(CheckDeclarationForExport(*d).at(0).message, "Не указано место рождения");
}

TEST(CheckDeclaration, FourteenthBirthdayOfPassports) {
    auto check = [](DateTime birth, DateTime issued, uint16_t type) {
        auto d = CompleteDeclaration();
        d->Person.BirthDate = birth;
        d->Person.DocIssueDate = issued;
        d->Person.DocTypeCode = type;
        return FieldOf(Check(*d).result);
    };
    const DateTime birth = EncodeDate(1990, 6, 15);
    for (uint16_t passport : {7, 8, 21, 24}) {
        EXPECT_EQ(check(birth, EncodeDate(2004, 6, 14), passport), kDeclined) << passport;
        EXPECT_EQ(check(birth, EncodeDate(2004, 6, 15), passport), 0) << passport;
        EXPECT_EQ(check(birth, EncodeDate(2004, 6, 15) + 0.75, passport), 0) << "the time of day does not matter";
    }
    // Other documents are bound by the birth date only: a birth certificate, a
    // foreign passport.
    EXPECT_EQ(check(birth, EncodeDate(1990, 7, 1), 3), 0);
    EXPECT_EQ(check(birth, birth, 10), 0);
    // Born on 29 February: the fourteenth birthday is 28 February.
    const DateTime leap = EncodeDate(2000, 2, 29);
    EXPECT_EQ(check(leap, EncodeDate(2014, 2, 28), 21), 0);
    EXPECT_EQ(check(leap, EncodeDate(2014, 2, 27), 21), kDeclined);
    EXPECT_EQ(check(EncodeDate(1996, 2, 29), EncodeDate(2010, 2, 28), 21), 0);
    // No fourteenth birthday the calendar can hold: not accepted.
    EXPECT_EQ(check(EncodeDate(9990, 1, 1), EncodeDate(9999, 12, 31), 21), kDeclined);
}

TEST(CheckDeclaration, SourcesAt13Percent) {
    auto d = CompleteDeclaration();
    AddEmployer(*d, 0, 0, false);  // 2: no lines
    AddEmployer(*d, 100, 500);     // 3: withheld above income
    AddEmployer(*d, 100, 500);
    // The lines are reported whatever the answer to the income message was.
    CheckRun run = Check(*d, {kCheckAnswerFix, kCheckAnswerFix});
    EXPECT_EQ(run.dialog.Messages(), (Strings{"По данному источнику выплаты общая сумма дохода меньше удержанной суммы",
                                              "По данному источнику не указаны доходы"}));
    EXPECT_EQ(run.result, Result(kCheckSectionThirteen, 2));
    EXPECT_EQ(Check(*d, {kCheckAnswerFix, kCheckAnswerSkip}).result, Result(kCheckSectionThirteen, kDeclined));
    const CheckFindings findings = CheckDeclarationForExport(*d);
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].field, 3);
    EXPECT_EQ(findings[1].field, 2);

    // Non-resident sources are not this section's concern: one without lines passes.
    auto nr = CompleteDeclaration(kDecl3NdflNonResident);
    mTThirteenPercent& source = nr->ThirteenNR.Get(nr->ThirteenNR.Add());
    source.SourceName = "ООО Ромашка";
    source.Inn = "7707083893";
    source.Kpp = "773601001";
    source.Oktmo = "45397000";
    EXPECT_EQ(Check(*nr).result, Result(kCheckSectionAddress, 0));
}

TEST(CheckDeclaration, ForeignIncomes) {
    struct ForeignCase {
        std::function<void(mTCurrencyIncome&)> spoil;
        const char* message;
    };
    const ForeignCase cases[] = {
        {[](mTCurrencyIncome& f) { f.CurrencyCode = ""; }, "По данному источнику выплаты не указан код валюты"},
        {[](mTCurrencyIncome& f) { f.UnitsOnIncomeDate = 0; }, "По данному источнику выплаты не указан курс валюты"},
        {[](mTCurrencyIncome& f) { f.RateOnIncomeDate = Money(); },
         "По данному источнику выплаты не указан курс валюты"},
        {[](mTCurrencyIncome& f) { f.IncomeCode = 0; }, "По данному источнику выплаты не указан код дохода"},
        {[](mTCurrencyIncome& f) { f.SetIncomeInCurrency(Money()); },
         "По данному источнику выплаты не указана сумма дохода"},
        {[](mTCurrencyIncome& f) { f.DeductionCode = 201; }, "По данному источнику выплаты не указана сумма вычета"},
    };
    for (const ForeignCase& c : cases) {
        SCOPED_TRACE(c.message);
        auto d = CompleteDeclaration();
        d->SetIncomeKinds(kIncomeRussian | kIncomeForeign);
        AddForeignIncome(*d);
        c.spoil(AddForeignIncome(*d));
        EXPECT_EQ(CheckDeclarationForExport(*d), (CheckFindings{{kCheckSectionForeign, kCaptionForeign, 2, c.message}}));
        EXPECT_EQ(Check(*d, {kCheckAnswerFix}).result, Result(kCheckSectionForeign, 2));
    }

    // The first loop runs over all incomes before the second starts.
    auto d = CompleteDeclaration();
    d->SetIncomeKinds(kIncomeRussian | kIncomeForeign);
    AddForeignIncome(*d).UnitsOnIncomeDate = 0;
    AddForeignIncome(*d).CurrencyCode = "";
    EXPECT_EQ(Check(*d, {kCheckAnswerFix}).result, Result(kCheckSectionForeign, 2));

    // Income codes whose deduction may be zero.
    for (int32_t code : {1530, 1541, 9537, 9538}) {
        auto z = CompleteDeclaration();
        z->SetIncomeKinds(kIncomeRussian | kIncomeForeign);
        mTCurrencyIncome& f = AddForeignIncome(*z);
        f.IncomeCode = code;
        f.DeductionCode = 201;
        EXPECT_TRUE(CheckDeclarationForExport(*z).empty()) << code;
    }
}

TEST(CheckDeclaration, BusinessActivities) {
    struct BusinessCase {
        std::function<void(mTBusinessNew&)> spoil;
        std::string message;
    };
    const BusinessCase cases[] = {
        {[](mTBusinessNew& b) { b.ExpensesConfirmed = false; },
         "Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%."},
        {[](mTBusinessNew& b) { b.ActivityCode = " .. "; },
         "Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку"},
        {[](mTBusinessNew& b) { b.ExpenseItems[kExpenseLabourContracts] = Money::FromRaw(500005000); },
         "Расходы по оплате трудовых договоров(50000,5) превышают сумму расходов на оплату труда (50000)"},
        {[](mTBusinessNew& b) {
             b.ExpenseItems[6] = Rub(6000);
             b.ExpenseItems[18] = Rub(5000);
         },
         "Сумма прочих расходов (10000) меньше суммы ее составляющих (11000)"},
        {[](mTBusinessNew& b) { b.ExpenseItems[kExpenseTotal] = Money::FromRaw(1599999900); },
         "Общие расходы (159999,99) меньше суммы расходов материальных, на оплату труда, прочих и амортизационных "
         "отчислений (160000)"},
    };
    for (const BusinessCase& c : cases) {
        SCOPED_TRACE(c.message);
        auto d = CompleteDeclaration();
        d->SetIncomeKinds(kIncomeRussian | kIncomeBusiness);
        AddActivity(*d);
        c.spoil(AddActivity(*d));
        EXPECT_EQ(CheckDeclarationForExport(*d),
                  (CheckFindings{{kCheckSectionBusiness, kCaptionBusiness, 2, c.message}}));
    }

    auto d = CompleteDeclaration();
    d->SetIncomeKinds(kIncomeRussian | kIncomeBusiness);
    mTBusinessNew& notary = AddActivity(*d);
    notary.ActivityKind = "2";
    notary.ActivityCode = "..";  // only entrepreneurs need the activity code
    notary.ExpenseItems[kExpenseLabourContracts] = Rub(99999999);
    notary.ExpensesConfirmed = false;  // unconfirmed expenses are not itemised
    mTBusinessNew& second = AddActivity(*d);
    second.ExpensesConfirmed = false;
    second.ExpenseItems[kExpenseTotal] = Money();
    EXPECT_TRUE(CheckDeclarationForExport(*d).empty());
    EXPECT_EQ(Check(*d).result, Result(kCheckSectionAddress, 0));
}

TEST(CheckDeclaration, StandardDeductionsAtOnePlaceAtATime) {
    auto d = CompleteDeclaration();
    AddEmployer(*d, 1000, 130);
    d->Thirteen.Get(0).SetMonthAmount(0, Rub(50000));
    d->Thirteen.Get(0).SetMonthAmount(1, Rub(50000));
    d->Thirteen.Get(1).SetMonthAmount(2, Rub(1000));  // one after the other
    EXPECT_TRUE(CheckDeclarationForExport(*d).empty());

    d->Thirteen.Get(1).SetMonthAmount(1, Rub(0));  // a month with a zero amount is marked too
    EXPECT_EQ(CheckDeclarationForExport(*d).size(), 1u);

    // Months the entrepreneur gave, no standard deductions, or business income lift the rule.
    d->Standard.MonthlyBusiness = true;
    EXPECT_TRUE(CheckDeclarationForExport(*d).empty());
    d->Standard.MonthlyBusiness = false;
    d->Standard.Granted = false;
    EXPECT_TRUE(CheckDeclarationForExport(*d).empty());
    d->Standard.Granted = true;
    d->SetIncomeKinds(kIncomeRussian | kIncomeBusiness);  // keeps the sources
    AddActivity(*d);
    EXPECT_TRUE(CheckDeclarationForExport(*d).empty());
}

TEST(CheckDeclaration, SocialDeductionsWithAnyDataPass) {
    const std::function<void(mTSocialDeduct&)> fills[] = {
        [](mTSocialDeduct& s) { s.Treatment = Rub(1); },
        [](mTSocialDeduct& s) { s.SpareSocialAmount = Rub(1); },
        [](mTSocialDeduct& s) { s.ChildEducationAdd(Money()); },
        [](mTSocialDeduct& s) { s.PensionContractAdd(); },
    };
    for (const auto& fill : fills) {
        auto d = CompleteDeclaration();
        d->Social.Granted = true;
        fill(d->Social);
        EXPECT_TRUE(CheckDeclarationForExport(*d).empty());
    }
}

TEST(CheckDeclaration, ResidenceOktmoOnlyWhenTheCalculationNeedsIt) {
    // Everything withheld is refunded to the employer's ОКТМО: none of the taxpayer's own.
    auto d = CompleteDeclaration();
    d->Person.ResidenceOktmo = "";
    d->Social.Granted = true;
    d->Social.Treatment = Rub(50000);
    EXPECT_EQ(Check(*d).result, Result(kCheckSectionAddress, 0));
    // A payment needs it.
    d->Social.Treatment = Money();
    d->Social.Charity = Rub(1);
    d->Thirteen.Get(0).TaxWithheld = Rub(1000);
    EXPECT_EQ(CheckDeclarationForExport(*d).at(0).message, "Не введен код ОКТМО(8 или 11 симв.) по месту жительства");
}

// The jump of the check reaches the property object concerned, whichever rule
// refused it; the amounts of the property and of the losses land on their pages.
TEST(CheckDeclaration, PropertyFindingsNameTheirObject) {
    const std::function<void(mTConstructionDeductObj&)> spoil[] = {
        [](mTConstructionDeductObj& o) { o.FirstUseYear = EncodeDate(2016, 1, 1); },  // the program's own rule
        [](mTConstructionDeductObj& o) { o.OwnershipKind = 0; },                      // the authority's format
        [](mTConstructionDeductObj& o) { o.CreditInterest = Rub(-1); },               // a negative amount
    };
    for (const auto& spoilSecond : spoil) {
        auto d = CompleteDeclaration();
        d->Construction.Granted = true;
        d->Construction.ObjectAdd(CompleteFlat());
        EXPECT_TRUE(CheckDeclarationForExport(*d).empty());
        mTConstructionDeductObj second = CompleteFlat();
        spoilSecond(second);
        d->Construction.ObjectAdd(second);
        CheckRun run = Check(*d, {kCheckAnswerFix});
        EXPECT_EQ(run.result, Result(kCheckSectionDeductions, PropertyObjectField(2)));
        ASSERT_EQ(run.dialog.Shown.size(), 1u);
        const std::string& message = run.dialog.Shown[0].message;
        EXPECT_EQ(message.rfind("Объект", 0), 0u) << message;
        EXPECT_NE(message.find(" 2. "), std::string::npos) << message;
    }
    auto d = CompleteDeclaration();
    d->Construction.ConstrAmount1 = Rub(-1);
    EXPECT_EQ(Check(*d, {kCheckAnswerFix}).result, Result(kCheckSectionDeductions, kCheckFieldPropertyDeduction));
    d = CompleteDeclaration();
    d->CB.SecuritiesLoss[0] = Rub(-1);
    EXPECT_EQ(Check(*d, {kCheckAnswerFix}).result, Result(kCheckSectionDeductions, kCheckFieldLossesAndInvestment));
}

TEST(CheckDeclaration, FailedCalculationIsReportedNeverPassed) {
    auto d = CompleteDeclaration();
    AddEmployer(*d, 20'000'000'000'000LL, 0);
    for (int answer : {kCheckAnswerFix, kCheckAnswerSkip, kCheckAnswerClosed}) {
        CheckRun run = Check(*d, {answer});
        EXPECT_EQ(run.result, Result(kCheckSectionNone, kDeclined));
        ASSERT_EQ(run.dialog.Shown.size(), 1u);
        EXPECT_EQ(run.dialog.Shown[0].caption, kCaptionCalculation);
        EXPECT_EQ(run.dialog.Shown[0].message.rfind("Ошибка в рассчетах: ", 0), 0u);
    }
    const CheckFindings findings = CheckDeclarationForExport(*d);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].section, kCheckSectionNone);
    EXPECT_EQ(findings[0].field, 0);
    EXPECT_NE(findings[0].message.find("слишком велики"), std::string::npos) << findings[0].message;
}

}  // namespace
}  // namespace kvz
