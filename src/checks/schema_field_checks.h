#pragma once
// The authority's own rules on every value the user enters: the declaration's file
// is built as the export builds it and held against the shipped schema, and each
// refusal becomes a finding on the section and field where the value is entered.
// So a declaration that passes the check is never refused by the export.
#include <optional>
#include <string>

#include "calc/svod_sum.h"
#include "checks/declaration_check.h"
#include "export/declaration_export.h"
#include "model/declaration.h"

namespace kvz {

// The findings of a calculated declaration in document order, one per field (the
// first refusal of a field stands for the rest). schemaPath: empty for the copy next
// to the program. A schema that cannot be read gives one finding saying so.
CheckFindings SchemaFieldFindings(const mTDeclaration& declaration, const kTSvodSum& sum,
                                  const std::string& schemaPath = {});

// The same for an export that follows in the same call: the document comes from the
// export's engine and is held against its schema, and when nothing is refused it
// moves into *validated for that export to write.
CheckFindings SchemaFieldFindings(const mTDeclaration& declaration, const kTSvodSum& sum,
                                  const ExportSettings& settings, std::optional<ValidatedExport>& validated);

}  // namespace kvz
