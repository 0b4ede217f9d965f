// Obtaining the XML engine: each failure gives its own message at its own point.
#include <gtest/gtest.h>

#include <uuid/uuid.h>
#include <dlfcn.h>

#include <filesystem>

#include "export/declaration_export.h"
#include "export/export_error.h"
#include "export/export_folder.h"
#include "export/xml_engine.h"
#include "support/calc_fixtures.h"
#include "support/temp_dir.h"

namespace kvz {
namespace {

// The folder and file of a library that loads but is no XML engine.
std::string OtherLibraryPath() {
    Dl_info info{};
    EXPECT_NE(::dladdr(reinterpret_cast<void*>(&uuid_generate), &info), 0);
    return info.dli_fname;
}

TEST(XmlEngine, TheEngineTheProgramRunsWithLoadsAndMakesDocuments) {
    ComModule module;
    std::string error;
    ASSERT_TRUE(LoadComLibrary(EngineLibraryFileName(), module, error, EngineLibraryFolder())) << error;
    XmlDomDocument document;
    ASSERT_TRUE(CreateComObjectFromLibrary(module, kDomDocumentClassId, kDomDocumentInterfaceId, error, document));
    EXPECT_NE(document.get(), nullptr);
    // The ids are compared as GUIDs, whatever their letter case.
    XmlDomDocument second;
    EXPECT_TRUE(CreateComObjectFromLibrary(module, "{88d969c0-f192-11d4-a65f-0040963251e5}",
                                           kDomDocumentInterfaceId, error, second));
}

TEST(XmlEngine, FolderGetsTrailingSlashAndEmptyFolderMeansTheProgramsOwn) {
    ComModule module;
    std::string error;
    EXPECT_FALSE(LoadComLibrary("absent-engine.so", module, error, "/nonexistent/folder"));
    EXPECT_EQ(error, "Невозможно загрузить библиотеку: /nonexistent/folder/absent-engine.so");
    EXPECT_FALSE(LoadComLibrary("absent-engine.so", module, error, "/nonexistent/folder/"));
    EXPECT_EQ(error, "Невозможно загрузить библиотеку: /nonexistent/folder/absent-engine.so");
    EXPECT_FALSE(LoadComLibrary("absent-engine.so", module, error, ""));
    EXPECT_EQ(error, "Невозможно загрузить библиотеку: " + ProgramFolder() + "absent-engine.so");
    EXPECT_EQ(module.Handle, nullptr);
}

TEST(XmlEngine, EachCreationStepHasItsMessage) {
    const std::string other = OtherLibraryPath();
    const std::size_t slash = other.rfind('/');
    ComModule library;
    std::string error;
    ASSERT_TRUE(LoadComLibrary(other.substr(slash + 1), library, error, other.substr(0, slash)));
    XmlDomDocument document;
    EXPECT_FALSE(CreateComObjectFromLibrary(library, kDomDocumentClassId, kDomDocumentInterfaceId, error, document));
    EXPECT_EQ(error, "Невозможно получить указатель на DllGetClassObject");
    EXPECT_EQ(document.get(), nullptr);

    ComModule engine;
    ASSERT_TRUE(LoadComLibrary(EngineLibraryFileName(), engine, error, EngineLibraryFolder()));
    EXPECT_FALSE(CreateComObjectFromLibrary(engine, "{00000000-0000-0000-0000-000000000001}",
                                            kDomDocumentInterfaceId, error, document));
    EXPECT_EQ(error, "Невозможно создать фабрику классов");
    EXPECT_FALSE(CreateComObjectFromLibrary(engine, kDomDocumentClassId, "{00000001-0000-0000-C000-000000000046}",
                                            error, document));
    EXPECT_EQ(error, "Ошибка создания объекта");
    EXPECT_EQ(document.get(), nullptr);
}

TEST(XmlEngine, TheExportRaisesTheEngineMessagesAndWritesNothing) {
    test::TempDir dir;
    auto declaration = test::NewDeclaration(kDecl3Ndfl, 0);
    ExportSettings settings;
    std::vector<std::string> shown;
    settings.ShowMessage = [&](const std::string& text) { shown.push_back(text); };
    std::string result;
    settings.EngineLibrary = "/nonexistent/folder/absent-engine.so";
    try {
        ExportDeclaration(dir.Path() + "/", *declaration, kExportFileMode, result, settings);
        ADD_FAILURE() << "no exception";
    } catch (const EXmlEngineError& e) {
        EXPECT_STREQ(e.what(), "Невозможно загрузить библиотеку: /nonexistent/folder/absent-engine.so");
    }
    settings.EngineLibrary = OtherLibraryPath();
    try {
        ExportDeclaration(dir.Path() + "/", *declaration, kExportFileMode, result, settings);
        ADD_FAILURE() << "no exception";
    } catch (const EXmlEngineError& e) {
        EXPECT_STREQ(e.what(), "Ошибка создания объекта:Невозможно получить указатель на DllGetClassObject");
    }
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

}  // namespace
}  // namespace kvz
