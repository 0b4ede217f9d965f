#pragma once
// libxml2's errors said in the program's own Russian words. A damaged XML file is
// reported with the line (and column) where reading stopped and what was wrong
// there; libxml2's English texts never reach the user.
#include <libxml/xmlerror.h>

#include <string>
#include <vector>

namespace kvz {

// Collects the errors libxml2 raises on this thread while it lives (parsing with
// xmlReadMemory and the like) and keeps its English texts off stderr; tells the
// error that explains the failure.
class XmlParseErrors {
public:
    XmlParseErrors();
    ~XmlParseErrors();
    XmlParseErrors(const XmlParseErrors&) = delete;
    XmlParseErrors& operator=(const XmlParseErrors&) = delete;

    // "строка 2, столбец 20: файл обрывается, не закрыт элемент Name". The first
    // error is told, unless a byte outside the file's encoding or the end of a cut
    // file caused the rest. Without any error: "файл XML поврежден".
    std::string Text() const;

private:
    struct Error {
        int Code = 0;
        int Level = 0;
        int Line = 0;
        int Column = 0;
        std::string Reason;
    };
    static void Collect(void* self, xmlErrorPtr error);

    std::vector<Error> Errors_;
    xmlStructuredErrorFunc PreviousHandler_;
    void* PreviousContext_;
    xmlGenericErrorFunc PreviousGeneric_;
    void* PreviousGenericContext_;
};

// The reason of one parser error without its place: "элемент Name (открыт в строке 2)
// закрыт тегом Nom", "атрибут Code указан дважды"; "файл XML поврежден" for a code
// without a text of its own.
std::string XmlErrorReason(const xmlError& error);

// What the schema refuses in a value or in a place when nothing more exact can be
// said about it: "значения нет в списке допустимых", "текст внутри элемента не
// допускается".
std::string SchemaValueRefusal(int code);
std::string SchemaPlaceRefusal(int code);

}  // namespace kvz
