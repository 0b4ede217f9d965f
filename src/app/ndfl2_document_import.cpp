#include "app/ndfl2_document_import.h"

#include <memory>

#include "app/document_controller.h"
#include "directory/atomic_file.h"
#include "import/ndfl2_apply.h"
#include "import/ndfl2_reader.h"
#include "model/declaration.h"

namespace kvz {

namespace {

std::vector<Ndfl2File> ReadFiles(const Ndfl2DocumentImport& request) {
    const std::string schema = request.SchemaPath.empty() ? DefaultNdfl2SchemaPath() : request.SchemaPath;
    std::vector<Ndfl2File> files;
    for (const std::string& path : request.Files) files.push_back(ReadNdfl2File(path, schema));
    return files;
}

std::optional<Ndfl2PersonId> ChosenPerson(const Ndfl2DocumentImport& request) {
    if (!request.PersonKey) return std::nullopt;
    std::optional<Ndfl2PersonId> id = ParsePersonKey(*request.PersonKey);
    if (!id)
        throw ENdfl2Refused("лицо указано неверно: \"" + *request.PersonKey +
                            "\"; нужен ИНН из 12 цифр или \"Фамилия Имя Отчество ДД.ММ.ГГГГ\"");
    return id;
}

std::unique_ptr<mTDeclaration> LoadExisting(const std::string& path) {
    auto d = std::make_unique<mTDeclaration>();
    const LoadedDocument loaded = d->LoadFromFile(path);
    // Saving 2015 income into a document of an earlier year would overwrite that year.
    if (!loaded.Complete)
        throw ENdfl2Refused(path + ": документ не за 2015 год; из него читаются только сведения о налогоплательщике. "
                                   "Откройте его в программе и сохраните под новым именем");
    return d;
}

}  // namespace

Ndfl2ImportReport ImportNdfl2IntoDocument(const Ndfl2DocumentImport& request) {
    const std::optional<Ndfl2PersonId> chosen = ChosenPerson(request);
    const std::vector<Ndfl2File> files = ReadFiles(request);
    const bool exists = PathExists(request.DocumentPath);
    std::unique_ptr<mTDeclaration> document = exists ? LoadExisting(request.DocumentPath) : NewDocumentDeclaration();
    Ndfl2Target target;
    if (exists) {
        target.Person = PersonIdOf(document->Person);
        target.DeclarationKind = document->DeclarationKind;
    }
    const Ndfl2Plan plan = PlanNdfl2Import(files, target, chosen);
    Ndfl2ImportReport report = ApplyNdfl2Plan(*document, plan, !exists);
    // An import that changes nothing leaves the file untouched, byte for byte.
    if (exists && *document == *LoadExisting(request.DocumentPath)) return report;
    document->SaveToFile(request.DocumentPath);
    return report;
}

}  // namespace kvz
