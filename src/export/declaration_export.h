#pragma once
// The export of the open declaration as the tax authority's XML file: 3-НДФЛ for a
// resident or non-resident declaration, 4-НДФЛ for the expected income. Serves the
// export command (file mode) and the print hand-over (text mode).
#include <libxml/tree.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calc/svod_sum.h"
#include "export/export_file_writer.h"
#include "export/schema_validation.h"
#include "export/xml_engine.h"
#include "model/declaration.h"

namespace kvz {

inline constexpr int kExportFileMode = 1;
inline constexpr int kExportTextMode = 2;
inline constexpr const char* kExportErrorResult = "ERROR";

inline constexpr const char* kCalculationFailedMessage =
    "Ошибка в рассчетах. Пожалуйста, свяжитесь с разработчиками через службу поддержки";
inline constexpr const char* kExportFailedMessage =
    "Ошибка в выгрузке. Пожалуйста, свяжитесь с разработчиками через службу поддержки";

struct ExportSettings {
    // Shows a message to the user (a message box in the window, stderr in the
    // command-line tool). Without one the messages go to stderr.
    std::function<void(const std::string&)> ShowMessage;
    // The 3-НДФЛ schema; empty: the copy next to the program.
    std::string SchemaPath;
    // The XML engine's library; empty: the engine the program runs with.
    std::string EngineLibrary;
    // When set, file mode adds the file to this group instead of writing it at once:
    // the file is under its name only once the caller commits the group.
    ExportFileGroup* FileGroup = nullptr;
};

// Computes the declaration and builds its document. File mode (1) writes it as
// folder + identifier + ".xml" (folder ends with "/") and sets result to the file
// name; any other mode sets result to the document's text in UTF-8. When the
// calculation fails, the document cannot be built or breaks the authority's schema,
// the user is told why, nothing is written and result is "ERROR". When the file
// cannot be written (the user's disk or folder), the user is told why and result is
// empty.
// An XML engine that cannot be obtained throws EXmlEngineError.
void ExportDeclaration(const std::string& folder, mTDeclaration& declaration, int mode, std::string& result,
                       const ExportSettings& settings = {});

// Builds the document of the declaration's form (3-НДФЛ or 4-НДФЛ) from its
// calculated records into document, as the export writes it; returns the file's
// identifier. Nothing is checked.
std::string BuildDeclarationDocument(xmlDoc* document, const mTDeclaration& declaration, const kTSvodSum& sum);

// A document of one declaration that the export may write as it stands: built as the
// export builds it and found free of everything the export refuses. Only
// ExportRefusals makes one, from the document it has just built and held against
// every refusal, so that holding one means the document passed.
class ValidatedExport {
public:
    xmlDoc* Document() const { return Document_.get(); }
    const std::string& Identifier() const { return Identifier_; }

private:
    friend std::vector<SchemaViolation> ExportRefusals(XmlDomDocument&, const mTDeclaration&, const kTSvodSum&,
                                                       const std::string&, std::optional<ValidatedExport>*);
    ValidatedExport(XmlDomDocument document, std::string identifier)
        : Document_(std::move(document)), Identifier_(std::move(identifier)) {}

    XmlDomDocument Document_;
    std::string Identifier_;
};

// Everything the export would refuse in the declaration's document, which is built
// into document: values that windows-1251 cannot hold and, for 3-НДФЛ, every
// violation of the schema (schemaPath; empty: the copy next to the program).
// Elements of the result point into document. When nothing is refused and validated
// is given, the document moves into *validated (document is then empty).
std::vector<SchemaViolation> ExportRefusals(XmlDomDocument& document, const mTDeclaration& declaration,
                                            const kTSvodSum& sum, const std::string& schemaPath = {},
                                            std::optional<ValidatedExport>* validated = nullptr);

// Writes (file mode) or serialises (text mode) a validated document exactly as
// ExportDeclaration would have written the same declaration, telling the user and
// setting result the same way when the file cannot be written.
void ExportValidated(const std::string& folder, const ValidatedExport& validated, int mode, std::string& result,
                     const ExportSettings& settings = {});

}  // namespace kvz
