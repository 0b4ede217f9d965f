#include "storage/xml_error_text.h"

#include <libxml/globals.h>

#include <string_view>

namespace kvz {

namespace {

constexpr const char* kDamagedXml = "файл XML поврежден";

std::string Text(const char* text) { return text ? text : ""; }

// "0x98" of libxml2's "0x98 0x22 0x2F 0x3E" or "Bytes: 0xFF 0xFE …": the byte at fault.
std::string FirstByte(const char* bytes) {
    std::string_view text = bytes ? bytes : "";
    const std::size_t at = text.find("0x");
    return at == std::string_view::npos ? std::string() : std::string(text.substr(at, 4));
}

std::string InvalidCharacter(const xmlError& error) {
    // libxml2 names the bytes only when the text is not the UTF-8 it reads by default.
    if (std::string_view(Text(error.str1)).starts_with("Bytes:"))
        return "текст не в кодировке UTF-8, а другая кодировка в объявлении XML не указана (байт " +
               FirstByte(error.str1) + ")";
    if (error.code == XML_ERR_INVALID_CHAR && error.int1 > 0)
        return "недопустимый в XML символ с кодом " + std::to_string(error.int1);
    return "недопустимый в XML символ";
}

std::string Named(const char* before, const char* name, const char* after = "") {
    const std::string text = Text(name);
    return text.empty() ? std::string(before) + after : std::string(before) + " " + text + after;
}

void IgnoreMessage(void*, const char*, ...) {}

std::string Place(int line, int column) {
    if (line <= 0) return {};
    std::string place = "строка " + std::to_string(line);
    if (column > 0) place += ", столбец " + std::to_string(column);
    return place + ": ";
}

}  // namespace

std::string XmlErrorReason(const xmlError& error) {
    switch (error.code) {
    case XML_ERR_NO_MEMORY: return "недостаточно памяти";
    case XML_ERR_DOCUMENT_EMPTY: return "нет ни одного элемента: файл пуст или это не файл XML";
    case XML_ERR_DOCUMENT_END:
    case XML_ERR_EXTRA_CONTENT:
    case XML_ERR_NOT_WELL_BALANCED: return "после конца документа есть лишнее содержимое";
    case XML_ERR_INVALID_HEX_CHARREF:
    case XML_ERR_INVALID_DEC_CHARREF:
    case XML_ERR_INVALID_CHARREF:
    case XML_ERR_INVALID_CHAR: return InvalidCharacter(error);
    case XML_ERR_INVALID_ENCODING: return "текст не соответствует кодировке файла";
    case XML_I18N_CONV_FAILED:
        return FirstByte(error.str1).empty() ? "текст не соответствует кодировке файла"
                                             : "байт " + FirstByte(error.str1) + " недопустим в кодировке файла";
    case XML_ERR_UNKNOWN_ENCODING:
    case XML_ERR_UNSUPPORTED_ENCODING: return Named("кодировка", error.str1, " не поддерживается");
    case XML_ERR_ENTITYREF_SEMICOL_MISSING: return "после ссылки на сущность нет точки с запятой";
    case XML_ERR_UNDECLARED_ENTITY:
    case XML_WAR_UNDECLARED_ENTITY:
    case XML_ERR_UNPARSED_ENTITY:
    case XML_ERR_ENTITY_IS_EXTERNAL:
    case XML_ERR_ENTITY_IS_PARAMETER:
        return error.str1 ? "ссылка на неизвестную сущность &" + Text(error.str1) + ";"
                          : "ссылка на неизвестную сущность";
    case XML_ERR_ENTITY_NOT_STARTED:
    case XML_ERR_ENTITY_NOT_FINISHED:
    case XML_ERR_ENTITY_PE_INTERNAL:
    case XML_ERR_ENTITY_LOOP:
    case XML_ERR_ENTITY_BOUNDARY: return "сущности XML записаны неверно или ссылаются сами на себя";
    case XML_ERR_NAME_REQUIRED: return "здесь должно стоять имя элемента, атрибута или сущности";
    case XML_ERR_LT_IN_ATTRIBUTE: return "символ \"<\" в значении атрибута";
    case XML_ERR_ATTRIBUTE_NOT_STARTED: return "значение атрибута должно стоять в кавычках";
    case XML_ERR_ATTRIBUTE_NOT_FINISHED: return "значение атрибута не закрыто кавычкой";
    case XML_ERR_ATTRIBUTE_WITHOUT_VALUE: return Named("у атрибута", error.str1, " нет значения");
    case XML_ERR_ATTRIBUTE_REDEFINED: return Named("атрибут", error.str1, " указан дважды");
    case XML_ERR_SPACE_REQUIRED: return "пропущен пробел (например, между атрибутами)";
    case XML_ERR_EQUAL_REQUIRED: return "после имени атрибута нет знака \"=\"";
    case XML_ERR_STRING_NOT_STARTED:
    case XML_ERR_STRING_NOT_CLOSED: return "значение в объявлении XML не в кавычках";
    case XML_ERR_COMMENT_NOT_FINISHED: return "комментарий не закрыт";
    case XML_ERR_HYPHEN_IN_COMMENT: return "два дефиса подряд внутри комментария";
    case XML_ERR_PI_NOT_STARTED:
    case XML_ERR_PI_NOT_FINISHED: return "инструкция обработки записана неверно";
    case XML_ERR_CDATA_NOT_FINISHED: return "раздел CDATA не закрыт";
    case XML_ERR_MISPLACED_CDATA_END: return "последовательность \"]]>\" в тексте";
    case XML_ERR_RESERVED_XML_NAME: return "объявление XML допускается только в самом начале файла";
    case XML_ERR_XMLDECL_NOT_STARTED:
    case XML_ERR_XMLDECL_NOT_FINISHED:
    case XML_ERR_VERSION_MISSING: return "объявление XML записано неверно";
    case XML_ERR_UNKNOWN_VERSION:
    case XML_WAR_UNKNOWN_VERSION: return Named("неизвестная версия XML", error.str1);
    case XML_ERR_DOCTYPE_NOT_FINISHED: return "объявление типа документа не закрыто";
    case XML_ERR_LT_REQUIRED: return "пропущен символ \"<\"";
    case XML_ERR_GT_REQUIRED:
        return error.str1 ? Named("не закончен тег элемента", error.str1) : "пропущен символ \">\"";
    case XML_ERR_LTSLASH_REQUIRED: return "нет закрывающего тега";
    case XML_ERR_TAG_NAME_MISMATCH:
        return Named("элемент", error.str1) +
               (error.int1 > 0 ? " (открыт в строке " + std::to_string(error.int1) + ")" : "") +
               Named(" закрыт тегом", error.str2);
    case XML_ERR_TAG_NOT_FINISHED: return Named("файл обрывается, не закрыт элемент", error.str1);
    default: return kDamagedXml;
    }
}

XmlParseErrors::XmlParseErrors()
    : PreviousHandler_(xmlStructuredError), PreviousContext_(xmlStructuredErrorContext),
      PreviousGeneric_(xmlGenericError), PreviousGenericContext_(xmlGenericErrorContext) {
    xmlSetStructuredErrorFunc(this, &XmlParseErrors::Collect);
    // A few of libxml2's complaints bypass the handler and would print as they are.
    xmlSetGenericErrorFunc(nullptr, &IgnoreMessage);
}

XmlParseErrors::~XmlParseErrors() {
    xmlSetGenericErrorFunc(PreviousGenericContext_, PreviousGeneric_);
    xmlSetStructuredErrorFunc(PreviousContext_, PreviousHandler_);
}

void XmlParseErrors::Collect(void* self, xmlErrorPtr error) {
    auto& errors = static_cast<XmlParseErrors*>(self)->Errors_;
    // A damaged file raises a handful; a hostile one must not fill memory with them.
    constexpr std::size_t kKept = 32;
    if (!error || errors.size() >= kKept) return;
    try {
        errors.push_back({error->code, error->level, error->line, error->int2, XmlErrorReason(*error)});
    } catch (...) {
        // libxml2 cannot pass an exception on; the parse fails all the same.
    }
}

std::string XmlParseErrors::Text() const {
    // A byte the converter refuses ends the text there, so the parser's complaints
    // that follow (an element not closed) are its consequence; so are the complaints
    // before the end of a cut file.
    auto rank = [](const Error& e) {
        return e.Code == XML_I18N_CONV_FAILED ? 2 : e.Code == XML_ERR_TAG_NOT_FINISHED ? 1 : 0;
    };
    const Error* told = nullptr;
    for (const Error& e : Errors_)
        if (e.Level >= XML_ERR_ERROR && (!told || rank(e) > rank(*told))) told = &e;
    if (!told && !Errors_.empty()) told = &Errors_.front();
    if (!told) return kDamagedXml;
    int line = told->Line, column = told->Column;
    // A converter's error carries no place; the parser's next one has it.
    for (const Error* e = told; line <= 0 && e != Errors_.data() + Errors_.size(); ++e)
        if (e->Line > 0) line = e->Line, column = e->Column;
    return Place(line, column) + told->Reason;
}

std::string SchemaValueRefusal(int code) {
    switch (code) {
    case XML_SCHEMAV_CVC_ENUMERATION_VALID: return "значения нет в списке допустимых";
    case XML_SCHEMAV_CVC_PATTERN_VALID: return "значение записано не по образцу формата";
    case XML_SCHEMAV_CVC_LENGTH_VALID:
    case XML_SCHEMAV_CVC_MINLENGTH_VALID:
    case XML_SCHEMAV_CVC_MAXLENGTH_VALID: return "недопустимая длина значения";
    case XML_SCHEMAV_CVC_MININCLUSIVE_VALID:
    case XML_SCHEMAV_CVC_MAXINCLUSIVE_VALID:
    case XML_SCHEMAV_CVC_MINEXCLUSIVE_VALID:
    case XML_SCHEMAV_CVC_MAXEXCLUSIVE_VALID: return "значение вне допустимых пределов";
    case XML_SCHEMAV_CVC_TOTALDIGITS_VALID:
    case XML_SCHEMAV_CVC_FRACTIONDIGITS_VALID: return "в числе слишком много цифр";
    case XML_SCHEMAV_CVC_DATATYPE_VALID_1_2_1:
    case XML_SCHEMAV_CVC_DATATYPE_VALID_1_2_2:
    case XML_SCHEMAV_CVC_DATATYPE_VALID_1_2_3: return "значение не того вида, что требует формат";
    default: return "значение не принято форматом";
    }
}

std::string SchemaPlaceRefusal(int code) {
    switch (code) {
    case XML_SCHEMAV_CVC_COMPLEX_TYPE_2_1:
    case XML_SCHEMAV_CVC_COMPLEX_TYPE_2_3: return "текст внутри элемента не допускается";
    case XML_SCHEMAV_CVC_ELT_1: return "такого элемента в формате нет";
    default:
        // The element's own text refused as a value.
        if (code >= XML_SCHEMAV_CVC_DATATYPE_VALID_1_2_1 && code <= XML_SCHEMAV_CVC_ENUMERATION_VALID)
            return SchemaValueRefusal(code);
        return "формат не допускает это место";
    }
}

}  // namespace kvz
