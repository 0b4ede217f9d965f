#pragma once
// Writing of the program's XML data files: the text is put together in UTF-8 and
// converted to windows-1251 as a whole, so that a character the code page cannot
// hold stops the write with a message instead of being replaced.
#include <string>
#include <string_view>

namespace kvz {

inline constexpr const char* kXmlDeclaration1251 = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";

// Escapes &, <, > and " (and tab, line feed and carriage return as character
// references) for both text content and attribute values. Other control characters
// cannot appear in XML at all: EEncodingError.
std::string EscapeXml(std::string_view text);
// ` name="value"` with the value escaped.
std::string XmlAttribute(std::string_view name, std::string_view value);

}  // namespace kvz
