#include <gtest/gtest.h>

#include <vector>

#include "storage/document_paths.h"

namespace kvz {
namespace {

TEST(DocumentPaths, ExtensionRuleReplacesTheLastCharacter) {
    EXPECT_EQ(ApplyExtensionRule("/d/old.qz4"), "/d/old.qz5");
    EXPECT_EQ(ApplyExtensionRule("report.txt"), "report.tx5");
    EXPECT_EQ(ApplyExtensionRule("/d/new.qz5"), "/d/new.qz5");
    EXPECT_EQ(ApplyExtensionRule("old.qzl"), "old.qz5");
    // A two-byte letter is replaced whole; cutting one byte would leave broken text.
    EXPECT_EQ(ApplyExtensionRule("/d/декларация"), "/d/деклараци5");
}

TEST(DocumentPaths, CommandLineNamesTheDocument) {
    using Args = std::vector<std::string>;
    EXPECT_EQ(CommandLineDocument(Args{}), std::nullopt);
    EXPECT_EQ(CommandLineDocument(Args{"a.qz5"}), "a.qz5");
    EXPECT_EQ(CommandLineDocument(Args{"a.qz5", "b.qz5"}), "a.qz5");
    EXPECT_EQ(CommandLineDocument(Args{"-P", "b.qz5"}), "b.qz5");
    EXPECT_EQ(CommandLineDocument(Args{"-p", "b.qz5"}), "b.qz5");
    EXPECT_EQ(CommandLineDocument(Args{"-p"}), "");
    EXPECT_EQ(CommandLineDocument(Args{"-p", "a", "b"}), std::nullopt);
}

// Where dialogs start for a document and the PDF file its preview offers.
TEST(DocumentPaths, FolderAndPdfOfADocument) {
    struct Case {
        std::string document, folder, pdf;
    };
    for (const Case& c : std::vector<Case>{
             {"/home/olga/Декларации/2015.qz5", "/home/olga/Декларации/", "/home/olga/Декларации/2015.pdf"},
             {"/home/olga/old.qz4", "/home/olga/", "/home/olga/old.pdf"},
             {"/home/olga/v.1/без расширения", "/home/olga/v.1/", "/home/olga/v.1/без расширения.pdf"},
             {"/home/olga/.qz5", "/home/olga/", "/home/olga/.qz5.pdf"},
             {"doc.qz5", "", "doc.pdf"},
             {"", "", ""},
         }) {
        EXPECT_EQ(DocumentFolder(c.document), c.folder) << c.document;
        EXPECT_EQ(PdfFileOf(c.document), c.pdf) << c.document;
    }
}

}  // namespace
}  // namespace kvz
