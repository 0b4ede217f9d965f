#pragma once
// Obtaining the XML DOM engine. The export does not take the engine for granted: it
// loads the engine's library from a named folder and creates the document object
// through the library's own entry point, so that a missing or broken engine is
// reported with the program's messages instead of crashing the export.
//
// The engine is libxml2: the library file is the one the program runs with, the
// entry point is its document constructor.
#include <libxml/tree.h>

#include <memory>
#include <string>

namespace kvz {

inline constexpr const char* kDomDocumentClassId = "{88D969C0-F192-11D4-A65F-0040963251E5}";
inline constexpr const char* kDomDocumentInterfaceId = "{2933BF95-7B36-11D2-B20E-00C04F983E60}";

inline constexpr const char* kCannotLoadLibrary = "Невозможно загрузить библиотеку: ";
inline constexpr const char* kNoClassObjectEntry = "Невозможно получить указатель на DllGetClassObject";
inline constexpr const char* kNoClassFactory = "Невозможно создать фабрику классов";
inline constexpr const char* kObjectNotCreated = "Ошибка создания объекта";

struct XmlDocFreer {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using XmlDomDocument = std::unique_ptr<xmlDoc, XmlDocFreer>;

// A loaded library. The library is never unloaded.
struct ComModule {
    void* Handle = nullptr;
    std::string Path;
};

// Loads folder + fileName; an empty folder means the program's own folder, and a
// folder without a trailing "/" gets one. On failure error is "Невозможно загрузить
// библиотеку: " + the full path.
bool LoadComLibrary(const std::string& fileName, ComModule& module, std::string& error, const std::string& folder);

// Creates the object of classId with interfaceId from the module. Only the DOM
// document class and interface exist. On failure error says which step failed and
// object stays unset.
bool CreateComObjectFromLibrary(const ComModule& module, const std::string& classId, const std::string& interfaceId,
                                std::string& error, XmlDomDocument& object);

// The folder (with a trailing "/") and file name of the engine library the program
// runs with.
std::string EngineLibraryFolder();
std::string EngineLibraryFileName();

// Loads the engine and creates an empty document; throws EXmlEngineError with the
// loader's message, or "Ошибка создания объекта:" followed by the creator's message.
// An empty libraryPath means the engine the program runs with.
XmlDomDocument CreateDomDocument(const std::string& libraryPath = std::string());

}  // namespace kvz
