#pragma once
// The lengths the authority's 4-НДФЛ format allows its texts. No schema of that
// format ships with the program, so the file is held against these before it is
// written: a name, phone, document or organisation that is too long would make a
// file the tax office refuses.
#include <libxml/tree.h>

#include <vector>

#include "export/schema_validation.h"

namespace kvz {

// Every text of a built 4-НДФЛ document that is longer than its format allows, in
// document order. Elements point into document.
std::vector<SchemaViolation> Ndfl4TextLengthViolations(xmlDoc* document);

// Throws EExportRefused with kSchemaRefusedHeading and a line for each of them.
void CheckNdfl4TextLengths(xmlDoc* document);

}  // namespace kvz
