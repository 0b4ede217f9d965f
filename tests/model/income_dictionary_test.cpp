#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/deduction_amount.h"
#include "model/deduction_code_picker.h"
#include "model/income_code_picker.h"
#include "model/income_dictionary.h"
#include "storage/encoding.h"
#include "storage/errors.h"

namespace kvz {
namespace {

using Codes = std::vector<std::string>;

const IncomeDictionary& Dictionary() {
    static const IncomeDictionary dictionary = IncomeDictionary::LoadEmbedded();
    return dictionary;
}

template <typename Entry>
Codes CodesOf(const std::vector<const Entry*>& rows) {
    Codes codes;
    for (const Entry* row : rows) codes.push_back(row->Code);
    return codes;
}

std::set<std::string> SetOf(const Codes& codes) { return {codes.begin(), codes.end()}; }

Money Roubles(const char* text) { return MoneyFromText(text); }

// Amounts are compared as text so that a failure shows the amounts.
std::string Text(Money m) { return MoneyToText(m); }
std::string Text(std::optional<Money> m) { return m ? MoneyToText(*m) : "typed by the user"; }

const DeductionEntry& DeductionOf(const std::string& income, const std::string& code) {
    const IncomeEntry* entry = Dictionary().FindIncome(income);
    if (entry == nullptr) throw std::runtime_error("no income " + income);
    for (const DeductionEntry& d : entry->Deductions)
        if (d.Code == code) return d;
    throw std::runtime_error("no deduction " + code + " under " + income);
}

int RowOf(const Codes& codes, const std::string& code) {
    auto it = std::find(codes.begin(), codes.end(), code);
    return it == codes.end() ? -1 : static_cast<int>(it - codes.begin());
}

// ---- the dictionary as compiled in ----

TEST(IncomeDictionaryTest, CompiledBytesAreTheDataFileAndParse) {
    std::ifstream file(std::string(KVZ_SOURCE_DIR) + "/data/IncomeDict.xml", std::ios::binary);
    ASSERT_TRUE(file) << "data/IncomeDict.xml missing";
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(IncomeDictionary::EmbeddedBytes(), bytes);
    EXPECT_TRUE(bytes.starts_with("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"));
    // Held in windows-1251: the names' Cyrillic letters are single bytes, not UTF-8 pairs.
    EXPECT_NE(bytes.find(Utf8ToCp1251("Не предоставлять вычет")), std::string::npos);
    EXPECT_EQ(bytes.find("Не предоставлять вычет"), std::string::npos);
    EXPECT_EQ(Dictionary().Incomes(), IncomeDictionary::Parse(bytes).Incomes());
}

TEST(IncomeDictionaryTest, IncomesInPickerOrder) {
    const Codes expected = {
        "1000", "1010", "1011", "1110", "1120", "1200", "1201", "1202", "1203", "1211", "1212", "1213",
        "1215", "1219", "1220", "1240", "1300", "1301", "1400", "1510", "1511", "1512", "1520", "1530",
        "1536", "1531", "1532", "1535", "1533", "1537", "9537", "1538", "9538", "1539", "1540", "1541",
        "1542", "1543", "1550", "2000", "2001", "2010", "2012", "2201", "2202", "2203", "2204", "2205",
        "2206", "2207", "2208", "2209", "2210", "2220", "2300", "2400", "2510", "2520", "2530", "2610",
        "2620", "2630", "2640", "2641", "2710", "2720", "2730", "2740", "2750", "2760", "2761", "2762",
        "2770", "2780", "2790", "2791", "2800", "2900", "3010", "3020", "3022", "4800", "4900"};
    Codes codes;
    for (const IncomeEntry& income : Dictionary().Incomes()) codes.push_back(income.Code);
    EXPECT_EQ(codes, expected);
}

TEST(IncomeDictionaryTest, RateGroupsAndFlags) {
    const IncomeDictionary& d = Dictionary();
    EXPECT_EQ(d.IncomesFor("13", false).size(), 74u);
    EXPECT_EQ(SetOf(CodesOf(d.IncomesFor("35", false))),
              (std::set<std::string>{"2610", "2620", "2740", "3020", "3022"}));
    EXPECT_EQ(CodesOf(d.IncomesFor("9", false)), (Codes{"1110", "1120"}));
    EXPECT_EQ(CodesOf(d.IncomesFor("14", false)), (Codes{"1010"}));
    EXPECT_EQ(CodesOf(d.IncomesFor("99", false)), (Codes{"1000"}));

    const Codes nonResident = {"2000", "2001", "2010", "2012", "2300", "2530", "2791"};
    EXPECT_EQ(CodesOf(d.IncomesFor("13", true)), nonResident);
    EXPECT_TRUE(d.IncomesFor("35", true).empty());
    // Without a rate filter the non-resident flag filters nothing.
    EXPECT_EQ(d.IncomesFor("", true).size(), 83u);

    Codes nrez, sales;
    for (const IncomeEntry& income : d.Incomes()) {
        if (income.NRez13) nrez.push_back(income.Code);
        if (income.SaleDate) sales.push_back(income.Code);
    }
    EXPECT_EQ(nrez, nonResident);
    EXPECT_EQ(SetOf(sales), (std::set<std::string>{"1510", "1511", "1512", "1520", "1530", "1531", "1532",
                                                   "1533", "1535", "1536", "1537", "1538", "1539", "1541",
                                                   "9537", "9538"}));
}

TEST(IncomeDictionaryTest, DeductionListsOfEveryIncome) {
    const std::map<std::string, Codes> expected = {
        {"1211", {"510"}},         {"1510", {"901", "903"}}, {"1511", {"904", "903"}},
        {"1512", {"902", "903"}},  {"1520", {"906", "903"}}, {"1530", {"201", "218"}},
        {"1531", {"202", "219"}},  {"1536", {"203"}},        {"1532", {"206"}},
        {"1535", {"207"}},         {"1533", {"220"}},        {"1537", {"211"}},
        {"9537", {"211"}},         {"1538", {"215"}},        {"9538", {"215"}},
        {"1539", {"213"}},
        {"1540", {"315"}},         {"1542", {"316"}},        {"1550", {"314"}},
        {"2010", {"403"}},         {"2720", {"501"}},        {"2730", {"502"}},
        {"2740", {"505"}},         {"2760", {"503"}},        {"2761", {"506"}},
        {"2762", {"508"}},         {"2770", {"504"}},        {"2790", {"507"}},
        {"2791", {"509"}},         {"4900", {"908"}},
        {"2201", {"404", "405"}},  {"2202", {"404", "405"}}, {"2203", {"404", "405"}},
        {"2204", {"404", "405"}},  {"2205", {"404", "405"}}, {"2206", {"404", "405"}},
        {"2207", {"404", "405"}},  {"2208", {"404", "405"}}, {"2209", {"404", "405"}}};
    for (const IncomeEntry& income : Dictionary().Incomes()) {
        SCOPED_TRACE(income.Code);
        Codes codes;
        for (const DeductionEntry& d : income.Deductions) codes.push_back(d.Code);
        auto it = expected.find(income.Code);
        if (it == expected.end()) {
            EXPECT_TRUE(codes.empty());
            continue;
        }
        Codes withNone = it->second;
        withNone.push_back("0");
        EXPECT_EQ(codes, withNone);
        const DeductionEntry& none = income.Deductions.back();
        EXPECT_EQ(none.Name, "Не предоставлять вычет");
        EXPECT_FALSE(none.Visible);
        EXPECT_FALSE(none.Enabled);
    }
}

TEST(IncomeDictionaryTest, NamesPresentAndTakenFromTheClassifiers) {
    for (const IncomeEntry& income : Dictionary().Incomes()) {
        EXPECT_FALSE(income.Name.empty()) << income.Code;
        EXPECT_TRUE(CanEncodeCp1251(income.Name)) << income.Code;
        for (const DeductionEntry& d : income.Deductions) EXPECT_FALSE(d.Name.empty()) << d.Code;
    }
    const IncomeDictionary& d = Dictionary();
    EXPECT_EQ(d.FindIncome("1010")->Name, "Дивиденды");
    EXPECT_EQ(d.FindIncome("1000")->Name, "Суммы прибыли контролируемых иностранных компаний");
    EXPECT_EQ(d.FindIncome("2720")->Name, "Стоимость подарков");
    // Punctuation of the classifier survives the XML round trip.
    EXPECT_TRUE(d.FindIncome("2000")->Name.starts_with("Вознаграждение, получаемое налогоплательщиком за "
                                                       "выполнение трудовых или иных обязанностей; "));
    EXPECT_EQ(DeductionOf("1211", "510").Name,
              "Вычет в сумме уплаченных работодателем страховых взносов за работника (в пределах 12 000)");
    EXPECT_EQ(DeductionOf("1510", "903").Name, "В сумме документально подтвержденных расходов ");
    EXPECT_EQ(DeductionOf("2791", "509").Name, "Сумма оплаты труда в натуральной форме");
    EXPECT_EQ(DeductionOf("4900", "908").Name, "Вычет, предусмотренный пп. 1.1 п.1 ст. 220 НК");
    EXPECT_EQ(DeductionOf("2201", "405").Name, "В пределах норматива затрат");
}

TEST(IncomeDictionaryTest, HowEachDeductionAmountIsFound) {
    const std::map<std::string, int> normative = {{"2201", 20}, {"2202", 30}, {"2203", 40},
                                                  {"2204", 30}, {"2205", 40}, {"2206", 25},
                                                  {"2207", 20}, {"2208", 20}, {"2209", 30}};
    for (const auto& [income, percent] : normative) {
        const DeductionEntry& d = DeductionOf(income, "405");
        EXPECT_EQ(d.Percent, percent) << income;
        EXPECT_EQ(d.Stav, std::to_string(percent)) << income;
        EXPECT_FALSE(d.Enabled) << income;
        EXPECT_TRUE(d.Visible) << income;
    }
    // Code, income, editable, equals income, ceiling.
    struct Row { const char* income; const char* code; bool enabled; bool equivalent; const char* max; };
    const Row rows[] = {
        {"1211", "510", true, true, "12000"},  {"1510", "901", false, true, "1000000"},
        {"1512", "902", false, true, "250000"}, {"1511", "904", true, false, "1000000"},
        {"1520", "906", true, false, "250000"}, {"1510", "903", true, false, "0"},
        {"2720", "501", true, true, "4000"},    {"2730", "502", true, true, "4000"},
        {"2760", "503", true, true, "4000"},    {"2770", "504", true, true, "4000"},
        {"2740", "505", true, true, "4000"},    {"2761", "506", true, true, "4000"},
        {"2790", "507", true, true, "10000"},   {"2762", "508", true, false, "0"},
        {"2791", "509", true, false, "0"},      {"4900", "908", true, false, "0"},
        {"1530", "201", true, false, "0"},      {"2201", "404", true, false, "0"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        const DeductionEntry& d = DeductionOf(row.income, row.code);
        EXPECT_EQ(d.Enabled, row.enabled);
        EXPECT_EQ(d.Equivalent, row.equivalent);
        EXPECT_EQ(Text(d.MaxSum), row.max);
        EXPECT_TRUE(d.Visible);
        EXPECT_EQ(d.Stav, " ");
        EXPECT_EQ(d.Percent, 0);
    }
}

TEST(IncomeDictionaryTest, DeductionsOfferedToResidentAndNonResident) {
    const IncomeDictionary& d = Dictionary();
    EXPECT_EQ(CodesOf(d.DeductionsFor("1530", true)), (Codes{"201", "218", "0"}));
    EXPECT_EQ(CodesOf(d.DeductionsFor("1530", false)), (Codes{"201", "0"}));
    EXPECT_EQ(CodesOf(d.DeductionsFor("2201", true)), (Codes{"404", "405", "0"}));
    EXPECT_EQ(CodesOf(d.DeductionsFor("2201", false)), (Codes{"0"}));
    EXPECT_EQ(CodesOf(d.DeductionsFor("2720", false)), (Codes{"501", "0"}));
    EXPECT_EQ(CodesOf(d.DeductionsFor("1510", false)), (Codes{"0"}));
    EXPECT_TRUE(d.DeductionsFor("2000", true).empty());
    EXPECT_EQ(CodesOf(d.DeductionsFor("1539", true)), (Codes{"213", "0"}));
    // A code the dictionary lacks (an old document's, or none yet) offers nothing
    // rather than the list of some other income.
    EXPECT_TRUE(d.DeductionsFor("1544", true).empty());
    EXPECT_TRUE(d.DeductionsFor("", true).empty());
}

// ---- the deduction amount ----

TEST(DeductionAmountTest, PercentOfIncomeRoundsHalfKopecksUp) {
    EXPECT_EQ(Text(PercentOfIncome(Roubles("100000"), 25)), "25000");
    EXPECT_EQ(Text(PercentOfIncome(Roubles("1234.56"), 20)), "246.91");  // 246.912
    EXPECT_EQ(Text(PercentOfIncome(Roubles("0.1"), 25)), "0.03");        // 0.025 exactly
    EXPECT_EQ(Text(PercentOfIncome(Roubles("0.02"), 25)), "0.01");       // 0.005 exactly
    EXPECT_EQ(Text(PercentOfIncome(Roubles("0.0198"), 25)), "0");        // 0.00495
    EXPECT_EQ(Text(PercentOfIncome(Roubles("10.05"), 30)), "3.02");      // 3.015 exactly
    EXPECT_EQ(Text(PercentOfIncome(Roubles("0"), 40)), "0");
    EXPECT_EQ(Text(PercentOfIncome(kAbsentAmount, 20)), "0");
    // The largest amounts stay exact.
    EXPECT_EQ(Text(PercentOfIncome(Roubles("900000000000000.01"), 40)), "360000000000000");
    EXPECT_EQ(Text(PercentOfIncome(Roubles("900000000000000.02"), 25)), "225000000000000.01");
    EXPECT_THROW(PercentOfIncome(Roubles("1"), 101), std::invalid_argument);
    EXPECT_THROW(PercentOfIncome(Roubles("1"), -1), std::invalid_argument);
}

TEST(DeductionAmountTest, AutomaticAndTypedAmounts) {
    const DeductionAmountRule normative = DeductionAmountRule::Of(DeductionOf("2206", "405"));
    EXPECT_EQ(Text(AutomaticDeductionAmount(Roubles("100000"), normative)), "25000");

    const DeductionAmountRule gift = DeductionAmountRule::Of(DeductionOf("2720", "501"));
    EXPECT_EQ(Text(AutomaticDeductionAmount(Roubles("6000"), gift)), "4000");
    EXPECT_EQ(Text(AutomaticDeductionAmount(Roubles("3000"), gift)), "3000");
    EXPECT_EQ(Text(AutomaticDeductionAmount(Roubles("4000"), gift)), "4000");
    EXPECT_EQ(Text(AutomaticDeductionAmount(kAbsentAmount, gift)), "0");

    const DeductionAmountRule pension = DeductionAmountRule::Of(DeductionOf("1211", "510"));
    EXPECT_EQ(Text(AutomaticDeductionAmount(Roubles("15000"), pension)), "12000");
    EXPECT_EQ(Text(TypedDeductionAmount(Roubles("13000"), pension)), "12000");
    EXPECT_EQ(Text(TypedDeductionAmount(Roubles("11999.99"), pension)), "11999.99");

    // Equal to the income without a ceiling.
    EXPECT_EQ(Text(AutomaticDeductionAmount(Roubles("7654321.5"), DeductionAmountRule{0, true, Money()})),
              "7654321.5");
    // A percentage is limited by a ceiling too.
    EXPECT_EQ(Text(AutomaticDeductionAmount(Roubles("1000"), DeductionAmountRule{20, false, Roubles("150")})),
              "150");

    const DeductionAmountRule expenses = DeductionAmountRule::Of(DeductionOf("1510", "903"));
    EXPECT_EQ(Text(AutomaticDeductionAmount(Roubles("5000000"), expenses)), "typed by the user");
    EXPECT_EQ(Text(TypedDeductionAmount(Roubles("5000000"), expenses)), "5000000");
}

// ---- the pickers ----

TEST(IncomeCodePickerTest, RateFilterKeepsTheFilterAsRate) {
    IncomeCodePicker picker(Dictionary(), false, "2000", "13");
    Codes rows = CodesOf(picker.Rows());
    ASSERT_EQ(rows.size(), 74u);
    EXPECT_EQ(picker.SelectedRow(), RowOf(rows, "2000"));
    EXPECT_EQ(picker.ChosenCode(), "2000");
    EXPECT_EQ(picker.ChosenName(), Dictionary().FindIncome("2000")->Name);
    EXPECT_EQ(picker.ChosenRate(), 13);
    EXPECT_FALSE(picker.HasDeductions());
    EXPECT_FALSE(picker.IsSale());

    picker.Select(RowOf(rows, "1510"));
    EXPECT_EQ(picker.ChosenCode(), "1510");
    EXPECT_EQ(picker.ChosenRate(), 13);
    EXPECT_TRUE(picker.HasDeductions());
    EXPECT_TRUE(picker.IsSale());

    picker.Select(RowOf(rows, "2201"));
    EXPECT_TRUE(picker.HasDeductions());
    EXPECT_FALSE(picker.IsSale());

    EXPECT_THROW(picker.Select(74), std::out_of_range);
    EXPECT_THROW(picker.Select(-1), std::out_of_range);
    EXPECT_EQ(picker.ChosenCode(), "2201");
}

TEST(IncomeCodePickerTest, WithoutFilterTheRateIsTheIncomes) {
    IncomeCodePicker picker(Dictionary(), true, "1010", "");
    Codes rows = CodesOf(picker.Rows());
    ASSERT_EQ(rows.size(), 83u);
    EXPECT_EQ(picker.ChosenCode(), "1010");
    EXPECT_EQ(picker.ChosenRate(), 14);
    picker.Select(RowOf(rows, "1000"));
    EXPECT_EQ(picker.ChosenRate(), 99);
    picker.Select(RowOf(rows, "3020"));
    EXPECT_EQ(picker.ChosenRate(), 35);
    picker.Select(RowOf(rows, "1110"));
    EXPECT_EQ(picker.ChosenRate(), 9);
}

TEST(IncomeCodePickerTest, StartRowAndEmptyList) {
    IncomeCodePicker nonResident(Dictionary(), true, "", "13");
    EXPECT_EQ(CodesOf(nonResident.Rows()).size(), 7u);
    EXPECT_EQ(nonResident.SelectedRow(), 0);
    EXPECT_EQ(nonResident.ChosenCode(), "2000");

    IncomeCodePicker unknown(Dictionary(), false, "7777", "");
    EXPECT_EQ(unknown.SelectedRow(), 0);
    EXPECT_EQ(unknown.ChosenCode(), "1000");

    IncomeCodePicker none(Dictionary(), false, "", "15");
    EXPECT_TRUE(none.Rows().empty());
    EXPECT_EQ(none.SelectedRow(), -1);
    EXPECT_EQ(none.ChosenCode(), "");
    EXPECT_EQ(none.ChosenRate(), 15);
    EXPECT_FALSE(none.HasDeductions());
    EXPECT_THROW(none.Select(0), std::out_of_range);

    EXPECT_THROW(IncomeCodePicker(Dictionary(), false, "", "13%"), EConvertError);
}

TEST(DeductionCodePickerTest, ResultsForEachKindOfDeduction) {
    {  // fixed ceiling, follows the income, may be typed
        DeductionCodePicker p(Dictionary(), true, "510", "1211");
        EXPECT_EQ(p.ChosenDeductionCode(), "510");
        EXPECT_EQ(Text(p.ChosenMaxSum()), "12000");
        EXPECT_TRUE(p.AmountShown());
        EXPECT_TRUE(p.AmountEditable());
        EXPECT_TRUE(p.AmountEqualsIncome());
        EXPECT_EQ(p.ChosenPercent(), 0);
    }
    {  // normative percentage, computed
        DeductionCodePicker p(Dictionary(), true, "405", "2206");
        EXPECT_EQ(p.SelectedRow(), 1);
        EXPECT_EQ(p.ChosenDeductionName(), "В пределах норматива затрат");
        EXPECT_EQ(p.ChosenPercent(), 25);
        EXPECT_TRUE(p.AmountShown());
        EXPECT_FALSE(p.AmountEditable());
        EXPECT_FALSE(p.AmountEqualsIncome());
        EXPECT_EQ(Text(p.ChosenMaxSum()), "0");
        EXPECT_EQ(Text(AutomaticDeductionAmount(Roubles("100000"), p.AmountRule())), "25000");
    }
    {  // equal to the income up to the housing allowance, not editable
        DeductionCodePicker p(Dictionary(), true, "901", "1510");
        EXPECT_FALSE(p.AmountEditable());
        EXPECT_TRUE(p.AmountEqualsIncome());
        EXPECT_EQ(Text(p.ChosenMaxSum()), "1000000");
        EXPECT_EQ(Text(AutomaticDeductionAmount(Roubles("2500000"), p.AmountRule())), "1000000");
    }
    {  // documented expenses, typed without a limit
        DeductionCodePicker p(Dictionary(), true, "903", "1510");
        EXPECT_EQ(p.ChosenDeductionName(), "В сумме документально подтвержденных расходов ");
        EXPECT_TRUE(p.AmountEditable());
        EXPECT_FALSE(p.AmountEqualsIncome());
        EXPECT_EQ(Text(p.ChosenMaxSum()), "0");
        EXPECT_FALSE(AutomaticDeductionAmount(Roubles("100"), p.AmountRule()).has_value());
    }
    {  // no deduction: nothing shown or typed
        DeductionCodePicker p(Dictionary(), true, "0", "2201");
        EXPECT_EQ(p.ChosenDeductionCode(), "0");
        EXPECT_EQ(p.ChosenDeductionName(), "Не предоставлять вычет");
        EXPECT_FALSE(p.AmountShown());
        EXPECT_FALSE(p.AmountEditable());
        EXPECT_FALSE(AutomaticDeductionAmount(Roubles("100"), p.AmountRule()).has_value());
    }
}

TEST(DeductionCodePickerTest, RowsAndSelection) {
    DeductionCodePicker first(Dictionary(), true, "999", "2201");
    EXPECT_EQ(CodesOf(first.Rows()), (Codes{"404", "405", "0"}));
    EXPECT_EQ(first.SelectedRow(), 0);
    EXPECT_EQ(first.ChosenDeductionCode(), "404");
    first.Select(1);
    EXPECT_EQ(first.ChosenPercent(), 20);
    first.Select(0);
    EXPECT_EQ(first.ChosenPercent(), 0);  // nothing carried over from the previous choice
    EXPECT_THROW(first.Select(3), std::out_of_range);

    // A non-resident's earlier normative deduction is no longer offered.
    DeductionCodePicker nonResident(Dictionary(), false, "405", "2201");
    EXPECT_EQ(CodesOf(nonResident.Rows()), (Codes{"0"}));
    EXPECT_EQ(nonResident.ChosenDeductionCode(), "0");

    DeductionCodePicker unknown(Dictionary(), true, "", "1234");
    EXPECT_TRUE(unknown.Rows().empty());
    EXPECT_EQ(unknown.SelectedRow(), -1);
    EXPECT_EQ(unknown.ChosenDeductionCode(), "");
    EXPECT_FALSE(unknown.AmountShown());
}

// ---- reading damaged dictionaries ----

std::string Document(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<IncomeDict>" + Utf8ToCp1251(body) +
           "</IncomeDict>";
}

TEST(IncomeDictionaryParseTest, ReadsWindows1251AsUtf8) {
    IncomeDictionary d = IncomeDictionary::Parse(Document(
        "<Income Stav=\"13\" Code=\"2720\" Name=\"Стоимость подарков &amp; призов\">"
        "<Deduction Code=\"501\" Name=\"Вычет\" Stav=\" \" Visible=\"True\" Enabled=\"True\""
        " Equivalent=\"True\" MaxSum=\"4000.5\"/><!-- remark --></Income>"));
    ASSERT_EQ(d.Incomes().size(), 1u);
    const IncomeEntry& income = d.Incomes()[0];
    EXPECT_EQ(income.Name, "Стоимость подарков & призов");
    EXPECT_FALSE(income.NRez13);
    ASSERT_EQ(income.Deductions.size(), 1u);
    EXPECT_EQ(income.Deductions[0].Name, "Вычет");
    EXPECT_EQ(Text(income.Deductions[0].MaxSum), "4000.5");
    EXPECT_TRUE(income.Deductions[0].Equivalent);
}

TEST(IncomeDictionaryParseTest, RefusesDamagedDocuments) {
    const std::string good = R"(<Income Stav="13" Code="2000" Name="a"/>)";
    EXPECT_NO_THROW(IncomeDictionary::Parse(Document(good)));
    const std::string bad[] = {
        "",
        "not xml at all",
        "<?xml version=\"1.0\"?><Other/>",
        Document(good).substr(0, Document(good).size() - 5),
        Document(R"(<Income Stav="13" Name="a"/>)"),
        Document(R"(<Income Stav="13" Code="20x0" Name="a"/>)"),
        Document(R"(<Income Stav="13" Code="2000" Name=""/>)"),
        Document(R"(<Income Stav="" Code="2000" Name="a"/>)"),
        Document(R"(<Income Stav="13" Code="2000" Name="a"><Other/></Income>)"),
        Document(R"(<Income Stav="13" Code="2000" Name="a"><Deduction Code="1" Name="b" MaxSum="x"/></Income>)"),
        Document(R"(<Income Stav="13" Code="2000" Name="a"><Deduction Code="1" Name="b" MaxSum="-5"/></Income>)"),
        Document(R"(<Income Stav="13" Code="2000" Name="a"><Deduction Code="1" Name="b" Stav="2%"/></Income>)"),
        Document(R"(<Income Stav="13" Code="2000" Name="a"><Deduction Code="1" Name="b" Stav="101"/></Income>)"),
        Document(R"(<Income Stav="13" Code="2000" Name="a"/><Deduction Code="1" Name="b"/>)"),
    };
    for (const std::string& text : bad)
        EXPECT_THROW(IncomeDictionary::Parse(text), EIncomeDictionaryError) << text;
    std::string embedded(IncomeDictionary::EmbeddedBytes());
    EXPECT_THROW(IncomeDictionary::Parse(embedded.substr(0, embedded.size() / 2)), EIncomeDictionaryError);
}

TEST(IncomeDictionaryParseTest, RateNumbers) {
    EXPECT_EQ(RateNumber(""), 0);
    EXPECT_EQ(RateNumber(" "), 0);
    EXPECT_EQ(RateNumber("25"), 25);
    EXPECT_EQ(RateNumber(" 13 "), 13);
    EXPECT_THROW(RateNumber("1 3"), EConvertError);
    EXPECT_THROW(RateNumber("-5"), EConvertError);
    EXPECT_THROW(RateNumber("9999999999"), EConvertError);
}

}  // namespace
}  // namespace kvz
