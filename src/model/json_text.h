#pragma once
// The text of a document's JSON (`kvarzen-cli create`) as one JSON value. The text
// must be exactly one value: a NUL byte (which the parser would take for the end)
// or anything but white space after the value is refused, so nothing of the file
// is silently left unread.
#include <string_view>

#include <nlohmann/json.hpp>

namespace kvz {

// Throws EJsonError saying what is wrong and where.
nlohmann::json ParseDocumentJson(std::string_view text);

}  // namespace kvz
