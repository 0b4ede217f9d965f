// The JSON of `kvarzen-cli create` taken as far as the tool takes it: parsed, read
// into a declaration, its derived values filled, checked, exported as the authority's
// XML text, and saved and loaded again as a document. Every refusal must be one of the program's own errors.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "checks/declaration_check.h"
#include "directory/derived_values.h"
#include "export/declaration_export.h"
#include "model/declaration.h"
#include "model/declaration_json.h"
#include "model/json_fields.h"
#include "model/json_text.h"
#include "storage/document_storage.h"
#include "storage/errors.h"

namespace {

void SaveAndLoad(kvz::mTDeclaration& declaration) {
    std::vector<uint8_t> bytes;
    try {
        bytes.assign(declaration.ComputeSize(), 0);
        kvz::mTDocumentStorage storage(bytes.data(), static_cast<uint32_t>(bytes.size()), false);
        declaration.WriteAll(storage);
    } catch (const kvz::mEPrivBase&) {
        return;  // too long a text, too many records
    } catch (const kvz::EEncodingError&) {
        return;
    }
    kvz::mTDeclaration loaded;
    loaded.LoadFromBuffer(bytes.data(), static_cast<uint32_t>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kvz::mTDeclaration declaration;
    try {
        const nlohmann::json json =
            kvz::ParseDocumentJson(std::string_view(reinterpret_cast<const char*>(data), size));
        kvz::DeclarationFromJson(json, declaration);
        kvz::DeriveDeclarationValues(declaration, kvz::ProgramDerivationSources());
    } catch (const kvz::EJsonError&) {
        return 0;
    } catch (const kvz::EDerivedValueError&) {
        return 0;
    }
    kvz::CheckDeclarationForExport(declaration);
    kvz::ExportSettings settings;
    settings.ShowMessage = [](const std::string&) {};
    settings.SchemaPath = KVZ_NDFL3_SCHEMA;
    std::string result;
    kvz::ExportDeclaration(std::string(), declaration, kvz::kExportTextMode, result, settings);
    SaveAndLoad(declaration);
    return 0;
}
