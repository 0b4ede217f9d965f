// Certificates carried into the window's document: a fresh document takes the
// taxpayer from them, the document is modified but not saved, and the income screen
// is shown; a document that names someone else refuses another person's files.
#include <gtest/gtest.h>

#include "app/document_controller.h"
#include "app/fake_platform.h"
#include "import/ndfl2_apply.h"
#include "import/ndfl2_reader.h"
#include "model/declaration.h"

namespace kvz::test {
namespace {

Ndfl2File Sample(const char* name) {
    return ReadNdfl2File(std::string(KVZ_TEST_DATA_DIR) + "/ndfl2/" + name,
                         std::string(KVZ_SOURCE_DIR) + "/data/NO_NDFL2_1_399_00_05_04_02.xsd");
}

TEST(Ndfl2Controller, CertificatesFillTheOpenDocumentWithoutSavingIt) {
    FakePlatform platform;
    DocumentServices services{[](mTDeclaration&) { return 0u; },
                              [](const std::string&, mTDeclaration&) { return std::string("ERROR"); },
                              [](mTDeclaration&, int) {}};
    DocumentController controller(platform, services, "/tmp");
    controller.Start({});
    const std::vector<Ndfl2File> files{Sample("sample_employer_one.xml")};

    const Ndfl2Target fresh = controller.CertificateTarget();
    EXPECT_FALSE(fresh.Person);
    const int storesBefore = platform.stores;
    const Ndfl2ImportReport report = controller.ImportCertificates(PlanNdfl2Import(files, fresh, {}), {});
    EXPECT_GT(platform.stores, storesBefore);  // what the screen held is kept first
    EXPECT_TRUE(report.Created);
    EXPECT_EQ(controller.Declaration().Person.Surname, "Кольцова");
    EXPECT_EQ(controller.Declaration().Thirteen.Count(), 1);
    EXPECT_FALSE(controller.Unchanged());
    EXPECT_EQ(controller.DocumentPath(), "");
    ASSERT_FALSE(platform.shown.empty());
    EXPECT_EQ(platform.shown.back(), Section::RussianIncome);

    // Now the document names her: another person's files are refused, her own replace.
    const Ndfl2Target named = controller.CertificateTarget();
    ASSERT_TRUE(named.Person);
    EXPECT_THROW(PlanNdfl2Import({Sample("sample_many_people.xml")}, named, {}), ENdfl2Refused);
    const Ndfl2ImportReport again = controller.ImportCertificates(PlanNdfl2Import(files, named, {}), {false});
    EXPECT_FALSE(again.Created);
    EXPECT_EQ(again.Skipped.size(), 1u);  // not ticked
    EXPECT_EQ(controller.Declaration().Thirteen.Count(), 1);
}

}  // namespace
}  // namespace kvz::test
