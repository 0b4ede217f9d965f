#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kvz
