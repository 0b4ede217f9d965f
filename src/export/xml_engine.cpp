#include "export/xml_engine.h"

#include <dlfcn.h>
#include <libxml/parser.h>
#include <strings.h>

#include <stdexcept>

#include "export/export_error.h"
#include "export/export_folder.h"

namespace kvz {

namespace {

// The engine's document constructor: the entry point through which documents are made.
constexpr const char* kEntryPoint = "xmlNewDoc";
using NewDocFunction = xmlDocPtr (*)(const xmlChar*);

bool SameId(const std::string& a, const char* b) { return ::strcasecmp(a.c_str(), b) == 0; }

// The path of the shared object that holds the engine the program is linked with;
// asked once, as every export asks for it.
const std::string& EngineLibraryPath() {
    static const std::string path = [] {
        Dl_info info{};
        if (::dladdr(reinterpret_cast<void*>(&xmlNewDoc), &info) == 0 || !info.dli_fname) return std::string();
        return std::string(info.dli_fname);
    }();
    return path;
}

bool CreateObject(const ComModule& module, const std::string& classId, const std::string& interfaceId,
                  std::string& error, XmlDomDocument& object) {
    void* entry = module.Handle ? ::dlsym(module.Handle, kEntryPoint) : nullptr;
    if (!entry) {
        error = kNoClassObjectEntry;
        return false;
    }
    // The class factory exists only for the DOM document class of an engine that can
    // initialise its parser.
    if (!SameId(classId, kDomDocumentClassId)) {
        error = kNoClassFactory;
        return false;
    }
    xmlInitParser();
    if (!SameId(interfaceId, kDomDocumentInterfaceId)) {
        error = kObjectNotCreated;
        return false;
    }
    const auto newDoc = reinterpret_cast<NewDocFunction>(entry);
    XmlDomDocument created(newDoc(reinterpret_cast<const xmlChar*>("1.0")));
    if (!created) {
        error = kObjectNotCreated;
        return false;
    }
    object = std::move(created);
    return true;
}

}  // namespace

bool LoadComLibrary(const std::string& fileName, ComModule& module, std::string& error, const std::string& folder) {
    const std::string base = WithTrailingSlash(folder.empty() ? ProgramFolder() : folder);
    const std::string path = base + fileName;
    // Never closed: the engine stays loaded for the rest of the run.
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        error = kCannotLoadLibrary + path;
        return false;
    }
    module.Handle = handle;
    module.Path = path;
    return true;
}

bool CreateComObjectFromLibrary(const ComModule& module, const std::string& classId, const std::string& interfaceId,
                                std::string& error, XmlDomDocument& object) {
    try {
        return CreateObject(module, classId, interfaceId, error, object);
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
}

std::string EngineLibraryFolder() {
    const std::string& path = EngineLibraryPath();
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string EngineLibraryFileName() {
    const std::string& path = EngineLibraryPath();
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

XmlDomDocument CreateDomDocument(const std::string& libraryPath) {
    std::string folder = EngineLibraryFolder();
    std::string fileName = EngineLibraryFileName();
    if (!libraryPath.empty()) {
        const std::size_t slash = libraryPath.rfind('/');
        folder = slash == std::string::npos ? std::string() : libraryPath.substr(0, slash + 1);
        fileName = slash == std::string::npos ? libraryPath : libraryPath.substr(slash + 1);
    }
    ComModule module;
    std::string message;
    if (!LoadComLibrary(fileName, module, message, folder)) throw EXmlEngineError(message);
    XmlDomDocument document;
    if (!CreateComObjectFromLibrary(module, kDomDocumentClassId, kDomDocumentInterfaceId, message, document))
        throw EXmlEngineError(std::string(kObjectNotCreated) + ":" + message);
    return document;
}

}  // namespace kvz
