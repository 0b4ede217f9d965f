#include "storage/document_paths.h"

namespace kvz {

namespace {

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::string AsciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

}  // namespace

std::string DocumentTitle(const std::string& documentPath) {
    if (documentPath.empty()) return std::string(kUntitledName) + " - " + kProgramTitle;
    const auto slash = documentPath.find_last_of('/');
    const std::string name = slash == std::string::npos ? documentPath : documentPath.substr(slash + 1);
    return name + " - " + kProgramTitle;
}

std::string ApplyExtensionRule(const std::string& documentPath) {
    if (documentPath.empty() || documentPath.back() == '5') return documentPath;
    std::size_t lastStart = documentPath.size() - 1;
    while (lastStart > 0 && IsUtf8Continuation(documentPath[lastStart])) --lastStart;
    return documentPath.substr(0, lastStart) + "5";
}

std::optional<std::string> CommandLineDocument(const std::vector<std::string>& arguments) {
    if (arguments.empty() || arguments.size() > 2) return std::nullopt;
    if (AsciiLower(arguments[0]) != "-p") return arguments[0];
    return arguments.size() == 2 ? arguments[1] : std::string();
}

std::string WithTrailingSeparator(const std::string& folder) {
    if (!folder.empty() && folder.back() == '/') return folder;
    return folder + "/";
}

std::string DocumentFolder(const std::string& documentPath) {
    const std::size_t slash = documentPath.rfind('/');
    return slash == std::string::npos ? std::string() : documentPath.substr(0, slash + 1);
}

std::string PdfFileOf(const std::string& documentPath) {
    if (documentPath.empty()) return {};
    const std::size_t slash = documentPath.rfind('/');
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = documentPath.rfind('.');
    // A dot only at the name's start (".qz5") is no extension.
    const std::size_t end = dot != std::string::npos && dot > start ? dot : documentPath.size();
    return documentPath.substr(0, end) + ".pdf";
}

}  // namespace kvz
