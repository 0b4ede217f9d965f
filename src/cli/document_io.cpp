#include "cli/document_io.h"

#include <iostream>

#include "storage/errors.h"

namespace kvz::cli {

std::string DocumentErrorMessage(const std::exception& e) {
    // The window shows the conversion error as the bad-format message; so does the tool.
    if (dynamic_cast<const EConvertError*>(&e)) return msg::kBadFormat;
    std::string text = e.what();
    for (char& c : text)
        if (c == '\r') c = '\n';
    return text;
}

std::unique_ptr<mTDeclaration> LoadDocument(const std::string& path, std::string& error) {
    auto declaration = std::make_unique<mTDeclaration>();
    try {
        const LoadedDocument loaded = declaration->LoadFromFile(path);
        if (!loaded.Complete) std::cerr << PartialLoadMessage(path, loaded) << "\n";
        return declaration;
    } catch (const std::exception& e) {
        error = DocumentErrorMessage(e);
        return nullptr;
    }
}

std::unique_ptr<mTDeclaration> LoadDocumentOrReport(const std::string& path) {
    std::string error;
    auto declaration = LoadDocument(path, error);
    if (!declaration) std::cerr << error << "\n";
    return declaration;
}

}  // namespace kvz::cli
