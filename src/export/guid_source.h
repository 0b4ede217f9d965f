#pragma once
// New GUIDs for the unique part of the export file names. The source is injectable
// so that files and golden tests are reproducible.
#include <functional>
#include <string>

namespace kvz {

// Returns a GUID in its registry text form without braces: 36 characters,
// upper-case hexadecimal digits in groups 8-4-4-4-12 joined by "-".
using GuidSource = std::function<std::string()>;

// An empty function restores the platform's GUIDs.
void SetGuidSource(GuidSource source);
std::string NewGuidText();

}  // namespace kvz
