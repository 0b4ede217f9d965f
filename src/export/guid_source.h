#pragma once
// The GUID in the export file's identifier. By default it is derived from the file's
// content, so that one declaration exported twice on one day gives the same bytes and
// the printed form's barcode names the same file as the export; a different content
// gives a different GUID. The source is injectable so that golden tests can fix it.
#include <functional>
#include <string>
#include <string_view>

namespace kvz {

// Returns a GUID in its registry text form without braces: 36 characters,
// upper-case hexadecimal digits in groups 8-4-4-4-12 joined by "-".
using GuidSource = std::function<std::string()>;

// An empty function restores the content-derived GUIDs.
void SetGuidSource(GuidSource source);

// The name-based (SHA-1, version 5) UUID of the content in the program's own
// namespace, unless a source is injected.
std::string ContentGuidText(std::string_view content);

}  // namespace kvz
