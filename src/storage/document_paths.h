#pragma once
// Naming rules for document files: the window title, the extension a plain save
// gives, the document named on the command line and the export folder's form.
#include <optional>
#include <string>
#include <vector>

namespace kvz {

inline constexpr const char* kProgramTitle = "Кварзен 2015";
inline constexpr const char* kUntitledName = "Без имени";

// "<file name> - Кварзен 2015", or "Без имени - Кварзен 2015" for an empty path.
std::string DocumentTitle(const std::string& documentPath);

// A plain save writes this year's extension: the last character becomes "5"
// (old.qz4 -> old.qz5). Works on characters, so a Cyrillic last letter is replaced whole.
std::string ApplyExtensionRule(const std::string& documentPath);

// The document named by the program's arguments (without the program name): with one
// or two arguments the first, or the second when the first is "-p" in any case;
// nothing with no argument or more than two. A lone "-p" names the empty path.
std::optional<std::string> CommandLineDocument(const std::vector<std::string>& arguments);

// The folder a document lies in, with its trailing "/"; "" for an empty path.
std::string DocumentFolder(const std::string& documentPath);
// The PDF file of a printed document: its name with ".pdf" for its extension, in its
// folder; "" for an empty path.
std::string PdfFileOf(const std::string& documentPath);

// The folder with exactly one trailing "/" added when it has none.
std::string WithTrailingSeparator(const std::string& folder);

}  // namespace kvz
