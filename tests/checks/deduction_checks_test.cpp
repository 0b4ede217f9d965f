// The rules of the property object dialog, the pension contract dialog and the
// losses and investment screen.
#include <gtest/gtest.h>

#include "check_declarations.h"
#include "checks/scripted_dialogs.h"
#include "checks/section_checks_deductions.h"
#include "checks/source_check.h"
#include "model/construction_deduct.h"
#include "model/declaration.h"
#include "model/pens.h"

namespace kvz {
namespace {

using test::ScriptedCheckDialog;

TEST(ConstructionObjectLimits, LaterObjectsFrom2014AndPensionersUntil2018) {
    EXPECT_FALSE(IsLaterObject(0, -1));  // the first object added
    EXPECT_TRUE(IsLaterObject(1, -1));   // a second one added
    EXPECT_FALSE(IsLaterObject(1, 0));
    EXPECT_TRUE(IsLaterObject(2, 1));
    // The first of three keeps its early dates when opened again.
    EXPECT_FALSE(IsLaterObject(3, 0));
    EXPECT_TRUE(IsLaterObject(3, 2));

    const ConstructionDateLimits later = ObjectDateLimits(true, false);
    EXPECT_EQ(DateToText(later.earliest), "01.01.2014");
    EXPECT_EQ(DateToText(later.latest), "31.12.2015");
    EXPECT_EQ(BoundFirstUseYear(2010, later), 2014);

    const ConstructionDateLimits pensioner = ObjectDateLimits(false, true);
    EXPECT_EQ(DateToText(pensioner.earliest), "01.01.1990");
    EXPECT_EQ(DateToText(pensioner.latest), "31.12.2018");
    EXPECT_EQ(BoundFirstUseYear(2017, pensioner), 2017);
    EXPECT_EQ(BoundFirstUseYear(1991, pensioner), 1992);
    // Unticking "Являюсь пенсионером" lowers 2017 to 2015.
    EXPECT_EQ(BoundFirstUseYear(2017, ObjectDateLimits(false, false)), 2015);
}

// One rule for the dialog and the declaration check: a stored year is refused
// exactly when the dialog would have moved it, for every place and pensioner.
TEST(ConstructionObjectLimits, TheCheckRefusesWhatTheDialogWouldMove) {
    for (bool later : {false, true})
        for (bool pensioner : {false, true})
            for (int year = 1985; year <= 2022; ++year) {
                mTConstructionDeductObj o = test::CompleteFlat();
                o.Pensioner = pensioner;
                o.FirstUseYear = EncodeDate(year, 1, 1);
                const bool moved = BoundFirstUseYear(year, ObjectDateLimits(later, pensioner)) != year;
                EXPECT_EQ(!FirstUseYearRefusal(o, later).empty(), moved)
                    << year << " later " << later << " pensioner " << pensioner;
            }
    mTConstructionDeductObj o = test::CompleteFlat();
    o.FirstUseYear = EncodeDate(2017, 1, 1);
    o.Pensioner = true;
    EXPECT_EQ(FirstUseYearRefusal(o, false), "");
    o.Pensioner = false;
    EXPECT_EQ(FirstUseYearRefusal(o, false),
              "Год начала использования вычета 2017 не может быть позже 2015 года, за который подается декларация");
    o.FirstUseYear = EncodeDate(2010, 1, 1);
    EXPECT_EQ(FirstUseYearRefusal(o, true), "Год начала использования вычета 2010 не может быть раньше 2014 года");
    EXPECT_EQ(YearOf(NewPropertyObject().FirstUseYear), 2015);
}

// A date the object needs and does not have is asked for, with the field to
// correct; a date of another kind of object is not.
TEST(ConstructionObjectCheck, TheDatesTheObjectNeedsAreAskedFor) {
    struct Case {
        bool investment;
        int32_t kind, ownership, sign;
        std::vector<int> fields;  // with every date at 0
    };
    const Case cases[] = {
        {false, 2, 1, 1, {kObjectFieldRightRegDate}},
        {true, 2, 1, 1, {kObjectFieldTransferActDate}},
        {false, 5, 1, 1, {kObjectFieldRightRegDate, kObjectFieldLandRegDate}},
        {true, 5, 1, 1, {kObjectFieldTransferActDate}},
        {false, 2, 3, 1, {kObjectFieldRightRegDate, kObjectFieldApplicationDate}},
        {false, 2, 1, 2, {kObjectFieldRightRegDate, kObjectFieldApplicationDate}},
        {true, 2, 2, 2, {kObjectFieldTransferActDate}},
    };
    for (const Case& c : cases) {
        mTConstructionDeductObj o = test::CompleteFlat();
        o.ByInvestment = c.investment;
        o.ObjectNameCode = c.kind;
        o.OwnershipKind = c.ownership;
        o.TaxpayerSign = c.sign;
        mTConstructionDeductObj dated = o;
        o.RightRegDate = o.TransferActDate = o.LandRegDate = o.ApplicationDate = 0;
        std::vector<int> fields;
        for (const CheckFinding& f : ConstructionObjectFindings(o)) {
            fields.push_back(f.field);
            EXPECT_EQ(f.message.rfind("Не введена дата ", 0), 0u) << f.message;
        }
        EXPECT_EQ(fields, c.fields) << c.kind << " " << c.ownership << "/" << c.sign;
        dated.RightRegDate = dated.TransferActDate = dated.LandRegDate = dated.ApplicationDate = EncodeDate(2014, 5, 6);
        EXPECT_TRUE(ConstructionObjectFindings(dated).empty());
    }
}

TEST(ConstructionObjectCheck, ListsAndRegionInOrderEachWithItsField) {
    ScriptedCheckDialog dialog({kCheckAnswerClosed, kCheckAnswerClosed, kCheckAnswerFix});
    mTConstructionDeductObj o;  // nothing chosen
    o.RegionCode = " ";
    EXPECT_EQ(CheckConstructionObject(dialog, o), kObjectFieldTaxpayerSign);
    EXPECT_EQ(dialog.Messages(), (std::vector<std::string>{"Не введено наименование объекта",
                                                           "Не введен вид собственности",
                                                           "Не введен признак налогоплательщика"}));
    for (const auto& shown : dialog.Shown) {
        EXPECT_EQ(shown.caption, kCaptionObjectData);
        EXPECT_EQ(shown.buttons, (CheckButtons{false, false}));
    }

    // Closing every message accepts: the region was the last one shown.
    const CheckFindings all = ConstructionObjectFindings(o);
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[3].field, kObjectFieldRegion);
    EXPECT_EQ(all[3].message, "Не заполненно поле \"Код субъекта РФ\"");
    ScriptedCheckDialog closing({kCheckAnswerClosed, kCheckAnswerClosed, kCheckAnswerClosed, kCheckAnswerClosed});
    EXPECT_EQ(CheckConstructionObject(closing, o), 0);
}

TEST(ConstructionObjectCheck, YearOfFirstUseAgainstTheDocumentsAfter2008) {
    // Registered in 2008, first used in 2007: the old rules, no message.
    mTConstructionDeductObj o = test::CompleteFlat();
    o.RightRegDate = EncodeDate(2008, 6, 1);
    o.FirstUseYear = EncodeDate(2007, 1, 1);
    EXPECT_TRUE(ConstructionObjectFindings(o).empty());

    o.RightRegDate = EncodeDate(2014, 6, 1);
    o.FirstUseYear = EncodeDate(2013, 1, 1);
    ScriptedCheckDialog dialog({kCheckAnswerFix});
    EXPECT_EQ(CheckConstructionObject(dialog, o), kObjectFieldFirstUseYear);
    ASSERT_EQ(dialog.Shown.size(), 1u);
    EXPECT_EQ(dialog.Shown[0].caption, kCaptionProperty);
    EXPECT_EQ(dialog.Shown[0].message, "Год начала использования вычета меньше даты регистрации прав собственности");

    // By investment the transfer act counts, not the registration.
    o.ByInvestment = true;
    o.TransferActDate = EncodeDate(2012, 1, 1);
    EXPECT_TRUE(ConstructionObjectFindings(o).empty());
    o.TransferActDate = EncodeDate(2014, 1, 1);
    ASSERT_EQ(ConstructionObjectFindings(o).size(), 1u);
    EXPECT_EQ(ConstructionObjectFindings(o)[0].message, "Год начала использования вычета меньше даты акта о передаче");

    // Not for a pensioner, and not while a list or the region is missing.
    o.Pensioner = true;
    EXPECT_TRUE(ConstructionObjectFindings(o).empty());
    o.Pensioner = false;
    o.RegionCode.clear();
    ASSERT_EQ(ConstructionObjectFindings(o).size(), 1u);
    EXPECT_EQ(ConstructionObjectFindings(o)[0].field, kObjectFieldRegion);
}

mTPens ValidContract() {
    mTPens c;
    c.ContractKind = 1;
    c.OrgName = "НПФ Благосостояние";
    c.OrgInn = "1234567894";
    c.OrgKpp = "123456789";
    c.ContractNumber = "17-А";
    c.ContractDate = EncodeDate(2012, 3, 4);
    c.Contribution = Money::FromUnits(12000);
    return c;
}

TEST(PensionContractCheck, OrganisationNumberAndContribution) {
    // A valid ИНН and КПП pass the strict check thanks to the fixed territory code.
    ScriptedCheckDialog none;
    EXPECT_EQ(CheckPensionContract(none, ValidContract()), 0);
    EXPECT_TRUE(none.Shown.empty());

    mTPens noNumber = ValidContract();
    noNumber.ContractNumber = "  ";
    ScriptedCheckDialog numberDialog({kCheckAnswerFix});
    EXPECT_EQ(CheckPensionContract(numberDialog, noNumber), kContractFieldNumber);
    EXPECT_EQ(numberDialog.Messages(), std::vector<std::string>{"Введите номер договора"});
    EXPECT_EQ(numberDialog.Shown[0].caption, kTitlePensionContracts);
    EXPECT_EQ(numberDialog.Shown[0].buttons, (CheckButtons{false, false}));

    // The file carries the contract's date: day 0 is asked for, not sent as 30.12.1899.
    mTPens noDate = ValidContract();
    noDate.ContractDate = 0;
    ScriptedCheckDialog dateDialog({kCheckAnswerFix});
    EXPECT_EQ(CheckPensionContract(dateDialog, noDate), kContractFieldDate);
    EXPECT_EQ(dateDialog.Messages(), std::vector<std::string>{"Введите дату договора"});

    mTPens badInn = ValidContract();
    badInn.OrgInn = "1234567895";
    ScriptedCheckDialog innDialog({kCheckAnswerFix});
    EXPECT_EQ(CheckPensionContract(innDialog, badInn), kSourceFieldInn);
    EXPECT_EQ(innDialog.Messages(), std::vector<std::string>{"Номер ИНН введен неверно"});

    // The agent's deduction above the contribution: the focus goes to the contribution.
    mTPens over = ValidContract();
    over.AgentDeduction = Money::FromUnits(12001);
    ScriptedCheckDialog overDialog({kCheckAnswerFix});
    EXPECT_EQ(CheckPensionContract(overDialog, over), kContractFieldContribution);
    EXPECT_EQ(overDialog.Messages(), std::vector<std::string>{"Сумма взносов меньше суммы предоставленного вычета"});
    over.AgentDeduction = over.Contribution;
    EXPECT_EQ(CheckPensionContract(none, over), 0);
}

TEST(PensionContractCheck, KindFourHasNoOrganisation) {
    mTPens kind4;
    kind4.ContractKind = mTPens::kKindExtraContributions;
    kind4.Contribution = Money::FromUnits(5000);
    ScriptedCheckDialog none;
    EXPECT_EQ(CheckPensionContract(none, kind4), 0);
    EXPECT_TRUE(none.Shown.empty());

    // The greyed organisation fields are not taken over, so a new contract keeps them empty.
    mTPens typed = kind4;
    typed.OrgName = "Фонд";
    typed.OrgInn = "1234567894";
    typed.ContractDate = EncodeDate(1900, 1, 1);
    mTPens added;
    AcceptPensionContract(typed, added);
    EXPECT_TRUE(added.OrgName.empty());
    EXPECT_TRUE(added.OrgInn.empty());
    EXPECT_EQ(added.ContractDate, 0);
    EXPECT_EQ(added.Contribution, Money::FromUnits(5000));
    AcceptPensionContract(ValidContract(), added);
    EXPECT_EQ(added, ValidContract());
}

TEST(LossesAndInvestment, LimitAndShownTotals) {
    EXPECT_EQ(BoundInvestmentDeduction(Money::FromUnits(500000)), Money::FromUnits(400000));
    EXPECT_EQ(BoundInvestmentDeduction(Money::FromRaw(3999999999)), Money::FromRaw(3999999999));

    std::array<Money, 10> losses{};
    losses[3] = Money::FromUnits(1000);  // 2007: saved, but lapsed
    EXPECT_EQ(ShownLossTotal(losses), Money());
    losses[0] = Money::FromUnits(70);  // 2014
    losses[9] = Money::FromUnits(30);  // 2013
    losses[6] = Money::FromUnits(5);   // 2010
    EXPECT_EQ(ShownLossTotal(losses), Money::FromUnits(105));

    // A document made without the screen: the declaration check names the excess.
    mTDeclaration d;
    d.InvestmentDeduction = Money::FromUnits(400000);
    EXPECT_TRUE(DeductionAmountFindings(d).empty());
    d.InvestmentDeduction = Money::FromRaw(4000000001);
    const CheckFindings findings = DeductionAmountFindings(d);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].field, kCheckFieldLossesAndInvestment);
    EXPECT_EQ(findings[0].sectionTitle, kCaptionLosses);
}

}  // namespace
}  // namespace kvz
