// Whole export files compared byte for byte with files written out by hand, the
// clock and the GUID fixed: a resident with every sheet, a non-resident with a
// partnership and dividends, a taxpayer without ИНН, an empty declaration, and a
// 4-НДФЛ signed for a representative organisation.
#include <gtest/gtest.h>

#include <fstream>

#include "export/export_fixtures.h"
#include "export/export_file_name.h"
#include "export/full_resident.h"
#include "storage/encoding.h"
#include "support/calc_fixtures.h"
#include "support/temp_dir.h"

namespace kvz::test {
namespace {

// On a difference the produced file is left beside the build for a diff.
void ExpectSameAsGolden(const std::string& bytes, const std::string& golden) {
    const std::string expected = ReadBytes(GoldenPath(golden));
    if (bytes == expected) return;
    const std::string kept = ::testing::TempDir() + "actual_" + golden;
    std::ofstream(kept, std::ios::binary) << bytes;
    ADD_FAILURE() << golden << " differs; produced file kept as " << kept << "\n" << Cp1251ToUtf8(bytes);
}

// Exports in file mode into a fresh folder and returns the one file's bytes,
// checking that it reads back as the file it claims to be.
std::string ExportedFile(mTDeclaration& declaration, const std::string& schemaForCheck) {
    TempDir dir;
    std::vector<std::string> messages;
    std::string result;
    ExportDeclaration(dir.Path() + "/", declaration, kExportFileMode, result, CollectingSettings(messages));
    EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages[0]);
    const std::vector<std::string> files = FilesIn(dir.Path());
    EXPECT_EQ(files, std::vector<std::string>{result});
    if (files.size() != 1) return {};
    const std::string bytes = ReadBytes(dir.File(result));
    const ReadBack back = ReadExported(bytes);
    EXPECT_TRUE(back.WellFormed);
    EXPECT_EQ(back.Encoding, "windows-1251");
    EXPECT_EQ(back.RootName, "Файл");
    EXPECT_EQ(back.Identifier + ".xml", result);
    EXPECT_EQ(Violations(bytes, schemaForCheck), std::vector<std::string>{});
    return bytes;
}

std::unique_ptr<mTDeclaration> Taxpayer(uint8_t kind, uint8_t incomeKinds) {
    auto d = NewDeclaration(kind, incomeKinds);
    d->InspectionCode = "7724";
    FillPerson(d->Person);
    return d;
}

void Name(mTSourseIncomeInfo& s, const char* name, const char* inn, const char* kpp, const char* oktmo) {
    s.SourceName = name;
    s.Inn = inn;
    s.Kpp = kpp;
    s.Oktmo = oktmo;
}

TEST(GoldenFiles, ResidentWithEverySheet) {
    auto declaration = FullResidentDeclaration();
    kTSvodSum sum;
    FillFullResidentRecords(sum);
    const std::string identifier =
        Ndfl3FileIdentifier("0701", "500100732259", FixedNow(), kFixedGuid);
    const std::string bytes = Ndfl3Bytes(*declaration, sum, identifier);
    ExpectSameAsGolden(bytes, "ndfl3_resident_full.xml");
    const ReadBack back = ReadExported(bytes);
    EXPECT_EQ(back.Encoding, "windows-1251");
    EXPECT_EQ(back.Identifier, identifier);
    EXPECT_EQ(Violations(bytes, Ndfl3SchemaPath()), std::vector<std::string>{});
}

TEST(GoldenFiles, NonResidentWithPartnershipAndDividends) {
    FixedClockAndGuid fixed;
    auto d = Taxpayer(kDecl3NdflNonResident, kIncomeRussian | kIncomeInvestTov);
    Name(AddThirteen(*d, {Line(2000, Rub(100000))}, {Rub(100000), Rub(30000), Rub(30000), ""}),
         "ООО Южный ветер", "7724261610", "772401001", "45915000");
    Name(AddDividend(*d, Rub("1003.40"), {Rub("1003.40"), Rub(130), Rub(100), ""}), "АО Дивиденд", "7702070139",
         "770201001", "45380000");
    Name(AddPartnership(*d, {PartnershipLine(1, Rub(50000), Rub(10000))}, {Rub(40000), Rub(12000), Money(), ""}),
         "Товарищество «Рост»", "7724012349", "772401001", "45915000");
    ExpectSameAsGolden(ExportedFile(*d, Ndfl3SchemaPath()), "ndfl3_nonresident.xml");
}

TEST(GoldenFiles, TaxpayerWithoutInn) {
    FixedClockAndGuid fixed;
    auto d = Taxpayer(kDecl3Ndfl, kIncomeRussian);
    d->Person.PersonInn = "";
    d->Standard.Granted = false;
    Name(AddThirteen(*d, {Line(2000, Rub(120000))}, {Rub(120000), Rub(15600), Rub(15600), ""}),
         "ООО Южный ветер", "7724261610", "772401001", "45915000");
    ExpectSameAsGolden(ExportedFile(*d, Ndfl3SchemaPath()), "ndfl3_no_inn.xml");
}

TEST(GoldenFiles, EmptyDeclarationStillCarriesOneRateBlock) {
    FixedClockAndGuid fixed;
    auto d = Taxpayer(kDecl3Ndfl, 0);
    ExpectSameAsGolden(ExportedFile(*d, Ndfl3SchemaPath()), "ndfl3_empty.xml");
}

TEST(GoldenFiles, ExpectedIncomeSignedForAnOrganisation) {
    FixedClockAndGuid fixed;
    auto d = Taxpayer(kDecl4Ndfl, 0);
    d->TaxpayerKind = 0;
    d->ConfirmedBy = 2;
    d->RepresentativeName = "Сидоров Алексей";
    d->RepresentativeDocument = "Доверенность № 3";
    d->RepresentativeOrganization = "ООО «Бухгалтер и партнёры»";
    d->ExpectedIncome = Rub(120000);
    ExpectSameAsGolden(ExportedFile(*d, Ndfl4SchemaPath()), "ndfl4_representative.xml");
}

}  // namespace
}  // namespace kvz::test
