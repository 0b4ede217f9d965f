#pragma once
// What loading a document found. A container of another name (an earlier year's
// document, or one whose header is damaged) gives up only the taxpayer's data: the
// caller tells the user so and never writes the result back over that file unasked.
#include <string>

namespace kvz {

struct LoadedDocument {
    bool Complete = true;
    std::string StorageName;  // as read from the header, trimmed
};

// The message for a document of which only the taxpayer's data was taken; empty for
// a complete one.
std::string PartialLoadMessage(const std::string& path, const LoadedDocument& loaded);

// The question before such a document is saved over the file it came from.
std::string ReplacePartialQuestion(const std::string& path);

}  // namespace kvz
