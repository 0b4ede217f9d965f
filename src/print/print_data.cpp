#include "print/print_data.h"

#include "directory/data_file_error.h"
#include "directory/xml_document.h"
#include "export/xml_dom.h"

namespace kvz {

namespace {

const std::string kNoValue;

FormElement ReadElement(const xmlNode* node) {
    FormElement element;
    element.Name = reinterpret_cast<const char*>(node->name);
    for (const xmlAttr* attribute = node->properties; attribute; attribute = attribute->next) {
        const char* name = reinterpret_cast<const char*>(attribute->name);
        element.Attributes.emplace_back(name, Attribute(node, name).value_or(std::string()));
    }
    for (const xmlNode* child : ChildElements(node)) element.Children.push_back(ReadElement(child));
    return element;
}

}  // namespace

const std::string& FormElement::Value(std::string_view attribute) const {
    for (const auto& [name, value] : Attributes)
        if (name == attribute) return value;
    return kNoValue;
}

const FormElement* FormElement::Child(std::string_view name) const {
    for (const FormElement& child : Children)
        if (child.Name == name) return &child;
    return nullptr;
}

PrintData ReadPrintData(std::string_view xmlText) {
    if (xmlText == kExportFailedText) throw EPrintDataError(kNoDeclarationToPrint);
    XmlDocument document;
    try {
        document = ParseXml(xmlText, "Текст декларации для печати: ");
    } catch (const EDataFileError& e) {
        throw EPrintDataError(e.what());
    }
    const xmlNode* root = RootElement(document);
    if (!IsNamed(root, "Файл") || !FirstChildNamed(root, "Документ"))
        throw EPrintDataError("Текст для печати не является файлом декларации: нет элементов Файл/Документ.");
    PrintData data;
    data.Root = ReadElement(root);
    data.FileBytes = SerializeCp1251(document.get());
    return data;
}

}  // namespace kvz
