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

std::unique_ptr<mTDeclaration> LoadDocumentOrReport(const std::string& path) {
    auto declaration = std::make_unique<mTDeclaration>();
    try {
        declaration->LoadFromFile(path);
        return declaration;
    } catch (const std::exception& e) {
        std::cerr << DocumentErrorMessage(e) << "\n";
        return nullptr;
    }
}

}  // namespace kvz::cli
