// Certificate files carried into documents through the same function the command
// uses, over the shapes the import meets: several rates, corrections, annulment,
// the not-withheld report, a non-resident, two people in one file, unknown codes,
// broken arithmetic, and the files it must refuse without touching the document.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "app/ndfl2_document_import.h"
#include "import/ndfl2_builder.h"
#include "import/ndfl2_reader.h"
#include "model/declaration.h"
#include "support/temp_dir.h"

namespace kvz::test {
namespace {

std::string Schema() { return std::string(KVZ_SOURCE_DIR) + "/data/NO_NDFL2_1_399_00_05_04_02.xsd"; }

struct SourceSeen {
    std::string List;
    std::string Inn;
    std::string Income;
    std::string Withheld;
    int Lines = 0;
    bool operator==(const SourceSeen&) const = default;
};

void PrintTo(const SourceSeen& s, std::ostream* os) {
    *os << s.List << " " << s.Inn << " " << s.Income << "/" << s.Withheld << " lines " << s.Lines;
}

template <class List>
void Collect(const char* name, const List& list, std::vector<SourceSeen>& out) {
    for (int i = 0; i < list.Count(); ++i) {
        const auto& s = list.Get(i);
        int lines = 0;
        if constexpr (requires { s.LineCount(); }) lines = s.LineCount();
        out.push_back({name, s.Inn, MoneyToText(s.IncomeTotal), MoneyToText(s.TaxWithheld), lines});
    }
}

std::vector<SourceSeen> Sources(const mTDeclaration& d) {
    std::vector<SourceSeen> out;
    Collect("13", d.Thirteen, out);
    Collect("13NR", d.ThirteenNR, out);
    Collect("9", d.Nine, out);
    Collect("35", d.ThirtyFive, out);
    Collect("div", d.Dividends, out);
    return out;
}

CertSpec Person(const std::string& surname, const std::string& inn, std::vector<BlockSpec> blocks) {
    CertSpec c;
    c.Surname = surname;
    c.Inn = inn;
    c.Blocks = std::move(blocks);
    return c;
}

CertSpec With(CertSpec c, const std::function<void(CertSpec&)>& change) {
    change(c);
    return c;
}

const CertSpec kBase = Person("Иванов", "500100732259", {Salary(13, "10000.00")});

struct Case {
    const char* Name;
    std::vector<std::string> Files;
    std::optional<std::string> Person;
    // Success: the sources, how many items were skipped, words the warnings must hold.
    std::vector<SourceSeen> Expected;
    std::size_t Skipped = 0;
    std::vector<std::string> Warned;
    // Refusal: words of the message; the existing document must stay byte for byte.
    std::string Refused;
    bool NonResident = false;
    bool Fresh = false;  // a refusal when there is no document yet: none is made
};

std::vector<Case> Cases() {
    BlockSpec benefit;
    benefit.Rate = 35;
    benefit.Lines = {{"05", 2610, "3000.00", 0, ""}};
    BlockSpec mortgage;
    mortgage.Rate = 9;
    mortgage.Lines = {{"06", 1110, "2000.00", 0, ""}, {"12", 1110, "2000.00", 0, ""}};
    BlockSpec mixed = Salary(13, "10000.00", 2);
    mixed.Lines.push_back({"04", 1010, "5000.00", 0, ""});
    BlockSpec unknown = Salary(13, "10000.00", 1);
    unknown.Lines.push_back({"02", 9999, "700.00", 777, "100.00"});
    unknown.Lines.push_back({"03", 2000, "1000.00", 503, "100.00"});  // a deduction the dictionary does not pair
    BlockSpec wrongTotal = Salary(13, "10000.00", 2);
    wrongTotal.TotalOverride = "25000.00";
    BlockSpec foreignDividends;
    foreignDividends.Rate = 15;
    foreignDividends.Lines = {{"07", 1010, "1000.00", 0, ""}};
    const CertSpec foreigner = With(Person("Смит", "", {Salary(30, "20000.00", 3), foreignDividends}),
                                    [](CertSpec& c) { c.Status = "2"; c.Patronymic = ""; c.Citizenship = "840"; });
    const CertSpec other = With(Person("Петрова", "772800154450", {Salary(13, "5000.00")}),
                                [](CertSpec& c) { c.FirstName = "Анна"; c.Birth = "03.04.1990"; });
    const CertSpec second = With(kBase, [](CertSpec& c) { c.Number = "2"; });
    std::string damaged = FileXml({kBase});
    damaged.resize(damaged.size() / 2);
    BlockSpec huge = Salary(13, "10000.00", 1);
    huge.Lines[0].Amount = "999999999999999.99";  // schema-valid, past the money type's range
    BlockSpec badMonth = Salary(13, "10000.00", 1);
    badMonth.Lines[0].Month = "1";
    return {
        {"SeveralRates", {FileXml({Person("Иванов", "500100732259", {Salary(13, "10000.00"), benefit, mortgage})})},
         {}, {{"13", "7707083893", "120000", "15600", 12}, {"9", "7707083893", "4000", "360", 0},
              {"35", "7707083893", "3000", "1050", 0}}},
        {"CorrectionWins",
         {FileXml({kBase, With(kBase, [](CertSpec& c) { c.Correction = "01"; c.Blocks = {Salary(13, "11000.00")}; })})},
         {}, {{"13", "7707083893", "132000", "17160", 12}}, 1},
        {"AnnulmentDrops", {FileXml({kBase, With(kBase, [](CertSpec& c) { c.Correction = "99"; })})}, {}, {}, 2},
        {"NotWithheldReported", {FileXml({With(kBase, [](CertSpec& c) { c.Sign = "2"; })})}, {}, {}, 1},
        {"NonResident", {FileXml({foreigner})}, {},
         {{"13", "7707083893", "60000", "18000", 3}, {"div", "7707083893", "1000", "150", 0}}, 0, {}, "", true},
        {"TwoPeopleNeedAChoice", {FileXml({kBase, other})}, {}, {}, 0, {}, "нескольких лиц", false, true},
        {"TwoPeopleByInn", {FileXml({kBase, other})}, "772800154450", {{"13", "7707083893", "60000", "7800", 12}}},
        {"TwoPeopleByName", {FileXml({kBase, other})}, "Петрова Анна Сергеевич 03.04.1990",
         {{"13", "7707083893", "60000", "7800", 12}}},
        {"UnknownCodesKept", {FileXml({Person("Иванов", "500100732259", {unknown})})}, {},
         {{"13", "7707083893", "11700", "1495", 3}}, 0, {"9999", "777", "вычет 503"}},
        {"ArithmeticWarned", {FileXml({Person("Иванов", "500100732259", {wrongTotal})})}, {},
         {{"13", "7707083893", "20000", "2600", 2}}, 0, {"25000", "20000"}},
        {"DividendsApart", {FileXml({Person("Иванов", "500100732259", {mixed})})}, {},
         {{"13", "7707083893", "20000", "2600", 2}, {"div", "7707083893", "5000", "650", 0}}, 0, {"1010"}},
        {"TwoCertificatesOneSource", {FileXml({kBase, second})}, {}, {{"13", "7707083893", "240000", "31200", 24}}},
        {"Damaged", {damaged}, {}, {}, 0, {}, "поврежден"},
        {"OtherVersion", {FileXml({kBase}, "5.05")}, {}, {}, 0, {}, "версия формата"},
        {"OtherYear", {FileXml({With(kBase, [](CertSpec& c) { c.Year = "2016"; })}, "5.04", "2016")}, {}, {}, 0, {},
         "2016 год"},
        {"SchemaBroken", {FileXml({Person("Иванов", "500100732259", {badMonth})})}, {}, {}, 0, {}, "Месяц"},
        {"Stranger", {FileXml({kBase}), FileXml({other})}, {}, {}, 0, {}, "нет справок налогоплательщика"},
        {"AmountPastRange", {FileXml({Person("Иванов", "500100732259", {huge})})}, {}, {}, 0, {}, "слишком велика"},
        {"WrongKey", {FileXml({kBase})}, "Иванов 01.02.1980", {}, 0, {}, "указано неверно"},
    };
}

class Ndfl2ImportTable : public testing::TestWithParam<Case> {};

TEST_P(Ndfl2ImportTable, CarriesOrRefuses) {
    const Case& c = GetParam();
    TempDir dir;
    Ndfl2DocumentImport request{dir.File("doc.qz5"), {}, c.Person, Schema()};
    for (std::size_t i = 0; i < c.Files.size(); ++i) {
        request.Files.push_back(dir.File("f" + std::to_string(i) + ".xml"));
        WriteFileText(request.Files.back(), c.Files[i]);
    }
    if (!c.Refused.empty()) {
        // A document of the base person exists: a refusal leaves it as it was.
        const std::string base = dir.File("base.xml");
        WriteFileText(base, FileXml({kBase}));
        if (!c.Fresh) ImportNdfl2IntoDocument({request.DocumentPath, {base}, {}, Schema()});
        const auto before = c.Fresh ? std::vector<unsigned char>() : ReadFileBytes(request.DocumentPath);
        try {
            ImportNdfl2IntoDocument(request);
            FAIL() << "not refused";
        } catch (const ENdfl2Refused& e) {
            EXPECT_NE(std::string(e.what()).find(c.Refused), std::string::npos) << e.what();
        }
        if (c.Fresh) EXPECT_FALSE(FileExists(request.DocumentPath));
        else EXPECT_EQ(ReadFileBytes(request.DocumentPath), before);
        return;
    }
    const Ndfl2ImportReport report = ImportNdfl2IntoDocument(request);
    mTDeclaration d;
    d.LoadFromFile(request.DocumentPath);
    EXPECT_EQ(Sources(d), c.Expected);
    EXPECT_EQ(report.Skipped.size(), c.Skipped);
    std::string warnings;
    for (const std::string& w : report.Warnings) warnings += w + "\n";
    for (const std::string& word : c.Warned) EXPECT_NE(warnings.find(word), std::string::npos) << warnings;
    if (c.Warned.empty()) EXPECT_EQ(warnings, "");
    EXPECT_EQ(d.DeclarationKind, c.NonResident ? kDecl3NdflNonResident : kDecl3Ndfl);
    // The same files again change nothing, byte for byte.
    const auto first = ReadFileBytes(request.DocumentPath);
    const Ndfl2ImportReport again = ImportNdfl2IntoDocument(request);
    EXPECT_EQ(ReadFileBytes(request.DocumentPath), first);
    EXPECT_TRUE(again.Added.empty());
    EXPECT_EQ(again.Replaced.size(), report.Added.size());
}

// A document of an earlier year gives up only its taxpayer; writing 2015 income into
// it would overwrite that year's file, so it is refused and left as it was.
TEST(Ndfl2Import, EarlierYearDocumentIsRefusedUntouched) {
    TempDir dir;
    const std::string file = dir.File("f.xml"), doc = dir.File("old.qz5");
    WriteFileText(file, FileXml({kBase}));
    ImportNdfl2IntoDocument({doc, {file}, {}, Schema()});
    std::vector<unsigned char> bytes = ReadFileBytes(doc);
    const std::string name = "Kvrz2015";
    const auto at = std::search(bytes.begin(), bytes.end(), name.begin(), name.end());
    ASSERT_NE(at, bytes.end());
    at[7] = '4';
    WriteFileBytes(doc, bytes);
    EXPECT_THROW(ImportNdfl2IntoDocument({doc, {file}, {}, Schema()}), ENdfl2Refused);
    EXPECT_EQ(ReadFileBytes(doc), bytes);
}

// A later correction imported on its own replaces the source of the same agent and
// rate with its lines and totals; the user's flag on that source stays.
TEST(Ndfl2Import, LaterImportReplacesTheSourceNeverDoubles) {
    TempDir dir;
    const std::string first = dir.File("a.xml"), second = dir.File("b.xml"), doc = dir.File("doc.qz5");
    WriteFileText(first, FileXml({kBase}));
    WriteFileText(second, FileXml({With(kBase, [](CertSpec& c) {
                      c.Correction = "01";
                      c.Blocks = {Salary(13, "12000.00", 6)};
                  })}));
    ImportNdfl2IntoDocument({doc, {first}, {}, Schema()});
    mTDeclaration d;
    d.LoadFromFile(doc);
    d.Thirteen.Get(0).StandardDeductionsHere = true;
    d.SaveToFile(doc);
    const Ndfl2ImportReport report = ImportNdfl2IntoDocument({doc, {second}, {}, Schema()});
    EXPECT_TRUE(report.Added.empty());
    ASSERT_EQ(report.Replaced.size(), 1u);
    EXPECT_FALSE(report.Replaced[0].Unchanged);
    mTDeclaration after;
    after.LoadFromFile(doc);
    EXPECT_EQ(Sources(after), (std::vector<SourceSeen>{{"13", "7707083893", "72000", "9360", 6}}));
    EXPECT_TRUE(after.Thirteen.Get(0).StandardDeductionsHere);
}

INSTANTIATE_TEST_SUITE_P(Shapes, Ndfl2ImportTable, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace kvz::test
