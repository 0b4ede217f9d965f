// What the declaration check accepts, the export writes: complete declarations with
// the slips a user makes on the screens (a short inspection number, a bad country
// code, an unfinished property object, kopecks in a whole-rouble amount, random
// texts anywhere) either fail the check or export without a refusal. The check and
// export in one call, which writes the document the check validated, gives what the
// check and a separate export give, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "checks/declaration_check.h"
#include "export/export_fixtures.h"
#include "export/random_complete_declaration.h"
#include "support/example_document.h"
#include "support/random_declaration.h"
#include "support/random_deductions.h"
#include "support/random_income_sections.h"
#include "support/temp_dir.h"

namespace kvz::test {
namespace {

int Uniform(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

using Slip = std::function<void(std::mt19937&, mTDeclaration&)>;

const std::vector<Slip>& Slips() {
    static const std::vector<Slip> slips = {
        [](std::mt19937&, mTDeclaration& d) { d.InspectionCode = "12"; },
        [](std::mt19937&, mTDeclaration& d) { d.Person.CitizenshipCode = "99a9"; },
        [](std::mt19937&, mTDeclaration& d) { d.Person.PostIndex = "123"; },
        [](std::mt19937& rng, mTDeclaration& d) { d.Person.Patronymic = RandomText(rng, 80); },
        [](std::mt19937& rng, mTDeclaration& d) { d.Person.Street = RandomText(rng, 60); },
        [](std::mt19937& rng, mTDeclaration& d) { d.Person.DocSeriesNumber = RandomText(rng, 30); },
        [](std::mt19937& rng, mTDeclaration& d) { d.RepresentativeName = RandomText(rng, 20); },
        [](std::mt19937& rng, mTDeclaration& d) { d.CorrectionNumber = Uniform(rng, -2, 1000); },
        [](std::mt19937& rng, mTDeclaration& d) { RandomFill(rng, d.Person); },
        [](std::mt19937&, mTDeclaration& d) { d.CorrectedExpense = Money::FromRaw(12345678); },
        [](std::mt19937& rng, mTDeclaration& d) {
            if (d.Construction.ObjectCount() == 0) return;
            mTConstructionDeductObj& o = d.Construction.Object(0);
            if (Uniform(rng, 0, 1)) o.OwnershipKind = 0;
            else o.ObjectNameCode = 0;
            o.LandRegDate = o.ApplicationDate = 0;
        },
        [](std::mt19937& rng, mTDeclaration& d) {
            if (d.Construction.ObjectCount() > 0) RandomFill(rng, d.Construction.Object(0));
        },
        [](std::mt19937& rng, mTDeclaration& d) {
            if (d.Business.Count() > 0) RandomFill(rng, d.Business.Get(0));
        },
        [](std::mt19937& rng, mTDeclaration& d) {
            if (d.Foreign.Count() > 0) RandomFill(rng, d.Foreign.Get(0));
        },
        [](std::mt19937& rng, mTDeclaration& d) {
            if (d.Thirteen.Count() == 0) return;
            mTThirteenPercent& s = d.Thirteen.Get(0);
            s.Kpp = RandomText(rng, 12);
            s.SourceName = RandomText(rng, 200);
        },
        [](std::mt19937& rng, mTDeclaration& d) { RandomFill(rng, d.Social); },
    };
    return slips;
}

TEST(CheckedThenExported, EveryDeclarationTheCheckAcceptsIsExported) {
    FixedClockAndGuid fixed;
    std::mt19937 rng(20161218u);
    int accepted = 0, refused = 0;
    for (int i = 0; i < 300; ++i) {
        auto d = RandomCompleteDeclaration(rng, static_cast<uint8_t>(Uniform(rng, 0, 1)));
        for (int n = Uniform(rng, 0, 2); n > 0; --n) Slips()[Uniform(rng, 0, int(Slips().size()) - 1)](rng, *d);
        if (const CheckFindings findings = CheckDeclarationForExport(*d); !findings.empty()) {
            ++refused;
            // Refused in one call too, with the same findings and no file.
            TempDir dir;
            std::string result;
            std::vector<std::string> messages;
            EXPECT_EQ(CheckAndExportDeclaration(dir.Path() + "/", *d, kExportFileMode, result,
                                                CollectingSettings(messages)),
                      findings);
            EXPECT_EQ(result, "");
            EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{});
            continue;
        }
        ++accepted;
        TempDir dir;
        std::vector<std::string> messages;
        std::string result;
        ExportDeclaration(dir.Path() + "/", *d, kExportFileMode, result, CollectingSettings(messages));
        ASSERT_NE(result, "ERROR") << "declaration " << i << ": " << (messages.empty() ? "" : messages[0]);
        const std::string separate = ReadBytes(dir.File(result));
        std::filesystem::remove(dir.File(result));
        std::string checked;
        ASSERT_EQ(CheckAndExportDeclaration(dir.Path() + "/", *d, kExportFileMode, checked, CollectingSettings(messages)),
                  CheckFindings{});
        ASSERT_EQ(checked, result);
        EXPECT_EQ(ReadBytes(dir.File(checked)), separate) << "declaration " << i;
    }
    // Both ways must be well used, or the property says little.
    EXPECT_GE(accepted, 60);
    EXPECT_GE(refused, 60);
}

// The example as text in one call is the text of the check and a separate export; an
// edit between two calls is in the second text, never the document of the first.
TEST(CheckedThenExported, OneCallTextIsTheSeparateTextOfTheDeclarationAsItIsNow) {
    FixedClockAndGuid fixed;
    auto d = std::make_unique<mTDeclaration>();
    LoadExample(*d);
    std::vector<std::string> messages;
    ASSERT_EQ(CheckDeclarationForExport(*d), CheckFindings{});
    std::string separate;
    ExportDeclaration(std::string(), *d, kExportTextMode, separate, CollectingSettings(messages));
    std::string checked;
    ASSERT_EQ(CheckAndExportDeclaration(std::string(), *d, kExportTextMode, checked, CollectingSettings(messages)),
              CheckFindings{});
    EXPECT_EQ(checked, separate);
    EXPECT_EQ(messages, std::vector<std::string>{});

    d->Person.Surname = "Подольская";
    std::string edited;
    ASSERT_EQ(CheckAndExportDeclaration(std::string(), *d, kExportTextMode, edited, CollectingSettings(messages)),
              CheckFindings{});
    EXPECT_EQ(XmlView(edited).Value("//ФИОФЛ/@Фамилия"), "ПОДОЛЬСКАЯ");
    ExportDeclaration(std::string(), *d, kExportTextMode, separate, CollectingSettings(messages));
    EXPECT_EQ(edited, separate);
}

// The slips of the window land on their fields with the program's words.
TEST(CheckedThenExported, SlipsAreFindingsOnTheirFields) {
    std::mt19937 rng(7);
    auto d = RandomCompleteDeclaration(rng, kDecl3Ndfl);
    d->InspectionCode = "12";
    CheckFindings f = CheckDeclarationForExport(*d);
    ASSERT_FALSE(f.empty());
    EXPECT_EQ(f[0].section, kCheckSectionConditions);
    EXPECT_EQ(f[0].field, kCheckFieldInspection);
    EXPECT_EQ(f[0].message, "Номер инспекции \"12\": нужно 4 цифры");

    d = RandomCompleteDeclaration(rng, kDecl3Ndfl);
    d->Person.CitizenshipCode = "99a9";
    f = CheckDeclarationForExport(*d);
    ASSERT_FALSE(f.empty());
    EXPECT_EQ(f[0].section, kCheckSectionPerson);
    EXPECT_EQ(f[0].field, kCheckFieldCitizenshipCode);

    // 4-НДФЛ texts beyond the format's lengths: on the taxpayer's and the signer's fields.
    d = RandomCompleteDeclaration(rng, kDecl4Ndfl);
    d->Person.Patronymic = std::string(61, 'W');
    d->ConfirmedBy = 1;
    d->RepresentativeName = "Сидоров Алексей";
    d->RepresentativeDocument = std::string(121, 'D');
    f = CheckDeclarationForExport(*d);
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0], (CheckFinding{kCheckSectionPerson, kCaptionPerson, kCheckFieldPatronymic,
                                  "Отчество \"" + std::string(61, 'W') + "\": нужно не больше 60 символов, а здесь 61"}));
    EXPECT_EQ(f[1].section, kCheckSectionConditions);
    EXPECT_EQ(f[1].field, kCheckFieldRepresentativeDocument);
    TempDir dir;
    std::string result;
    std::vector<std::string> messages;
    EXPECT_EQ(CheckAndExportDeclaration(dir.Path() + "/", *d, kExportFileMode, result, CollectingSettings(messages)), f);
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{});
}

}  // namespace
}  // namespace kvz::test
