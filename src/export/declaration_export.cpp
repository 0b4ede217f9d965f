#include "export/declaration_export.h"

#include <iostream>

#include "calc/svod_sum.h"
#include "export/export_error.h"
#include "export/export_file_name.h"
#include "export/export_file_writer.h"
#include "export/guid_source.h"
#include "export/ndfl3_document.h"
#include "export/ndfl4_export.h"
#include "export/ndfl4_text_limits.h"
#include "export/schema_validation.h"
#include "export/xml_dom.h"
#include "export/xml_engine.h"

namespace kvz {

namespace {

void Show(const ExportSettings& settings, const std::string& text) {
    if (settings.ShowMessage) settings.ShowMessage(text);
    else std::cerr << text << "\n";
}

std::string SchemaPathOf(const std::string& schemaPath) {
    return schemaPath.empty() ? DefaultNdfl3SchemaPath() : schemaPath;
}

// Builds the document and refuses it when it cannot be written as it stands.
std::string BuildCheckedDocument(xmlDoc* document, const mTDeclaration& d, const kTSvodSum& sum,
                                 const ExportSettings& settings) {
    const std::string identifier = BuildDeclarationDocument(document, d, sum);
    CheckWritableValues(document);
    if (d.DeclarationKind == kDecl4Ndfl) CheckNdfl4TextLengths(document);
    else CheckAgainstSchema(document, SchemaPathOf(settings.SchemaPath));
    return identifier;
}

// The file (file mode) or the text of a finished document.
void Deliver(const std::string& folder, xmlDoc* document, const std::string& identifier, int mode,
             std::string& result, const ExportSettings& settings) {
    if (mode != kExportFileMode) {
        result = SerializeUtf8(document);
        return;
    }
    CheckFileIdentifier(identifier);
    const std::string name = identifier + kXmlExtension;
    const std::string bytes = SerializeCp1251(document);
    if (settings.FileGroup) settings.FileGroup->Add(folder + name, bytes);
    else WriteExportFile(folder + name, bytes);
    result = name;
}

// Runs one step of the export, telling the user why it failed.
template <typename Step>
void Guarded(const ExportSettings& settings, std::string& result, const Step& step) {
    try {
        step();
    } catch (const EExportRefused& e) {
        Show(settings, e.what());
        result = kExportErrorResult;
    } catch (const EExportWriteFailed& e) {
        // The file is not there: the caller offers another folder.
        Show(settings, e.what());
        result.clear();
    } catch (const std::exception& e) {
        Show(settings, std::string(kExportFailedMessage) + "\n" + e.what());
        result = kExportErrorResult;
    }
}

}  // namespace

std::string BuildDeclarationDocument(xmlDoc* document, const mTDeclaration& d, const kTSvodSum& sum) {
    const DateTime today = Today();
    const bool ndfl4 = d.DeclarationKind == kDecl4Ndfl;
    const auto identifierWith = [&](const std::string& guid) {
        return ndfl4 ? Ndfl4FileIdentifier(d.InspectionCode, d.Person.PersonInn, today, guid)
                     : Ndfl3FileIdentifier(d.InspectionCode, d.Person.PersonInn, today, guid);
    };
    // Built first under an empty identifier, which then takes the GUID of that content:
    // the same declaration on the same day is the same file, wherever it is built.
    if (ndfl4) BuildNdfl4Document(document, d, identifierWith(std::string()), today);
    else BuildNdfl3Document(document, d, sum, identifierWith(std::string()), today);
    xmlNode* root = RootOf(document).Node();
    static const xmlChar* const kIdAttribute = reinterpret_cast<const xmlChar*>("ИдФайл");
    xmlSetProp(root, kIdAttribute, reinterpret_cast<const xmlChar*>(""));
    const std::string identifier = identifierWith(ContentGuidText(SerializeUtf8(document)));
    if (!xmlSetProp(root, kIdAttribute, reinterpret_cast<const xmlChar*>(identifier.c_str())))
        throw std::runtime_error("атрибут ИдФайл не записан в документ XML");
    return identifier;
}

std::vector<SchemaViolation> ExportRefusals(XmlDomDocument& document, const mTDeclaration& d, const kTSvodSum& sum,
                                            const std::string& schemaPath, std::optional<ValidatedExport>* validated) {
    std::string identifier = BuildDeclarationDocument(document.get(), d, sum);
    std::vector<SchemaViolation> refusals;
    for (UnwritableValue& u : UnwritableValueList(document.get()))
        refusals.push_back({u.Element, u.Attribute, u.Value, u.Reason, u.Reason});
    std::vector<SchemaViolation> format = d.DeclarationKind == kDecl4Ndfl
                                              ? Ndfl4TextLengthViolations(document.get())
                                              : SchemaViolationList(document.get(), SchemaPathOf(schemaPath));
    for (SchemaViolation& v : format) refusals.push_back(std::move(v));
    if (refusals.empty() && validated) validated->emplace(ValidatedExport(std::move(document), std::move(identifier)));
    return refusals;
}

void ExportDeclaration(const std::string& folder, mTDeclaration& declaration, int mode, std::string& result,
                       const ExportSettings& settings) {
    kTSvodSum sum;
    try {
        sum.Calculate(declaration);
    } catch (const std::exception& e) {
        // Records of a failed calculation are never exported.
        Show(settings, std::string(kCalculationFailedMessage) + "\n" + e.what());
        result = kExportErrorResult;
        return;
    }
    XmlDomDocument document = CreateDomDocument(settings.EngineLibrary);
    Guarded(settings, result, [&] {
        const std::string identifier = BuildCheckedDocument(document.get(), declaration, sum, settings);
        Deliver(folder, document.get(), identifier, mode, result, settings);
    });
}

void ExportValidated(const std::string& folder, const ValidatedExport& validated, int mode, std::string& result,
                     const ExportSettings& settings) {
    Guarded(settings, result,
            [&] { Deliver(folder, validated.Document(), validated.Identifier(), mode, result, settings); });
}

}  // namespace kvz
