#pragma once
// Loading a document for a command, with the program's messages on failure.
#include <memory>
#include <string>

#include "model/declaration.h"

namespace kvz::cli {

// Loads path; on failure returns null and error holds the program's message.
std::unique_ptr<mTDeclaration> LoadDocument(const std::string& path, std::string& error);
// Loads path; on failure prints the program's message to stderr and returns null.
std::unique_ptr<mTDeclaration> LoadDocumentOrReport(const std::string& path);
// The message shown for an error raised while loading or saving a document.
std::string DocumentErrorMessage(const std::exception& e);

}  // namespace kvz::cli
