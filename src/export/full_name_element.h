#pragma once
// A person's full name as the forms write it, for the taxpayer and the signer alike.
#include "export/xml_dom.h"

namespace kvz {

// Appends the element tag with Фамилия and Имя, and Отчество when there is one.
// Name is any record with Surname, FirstName and Patronymic.
template <class Name>
void WriteFullName(const XmlElement& parent, const char* tag, const Name& name) {
    const XmlElement element = parent.Add(tag);
    element.Set("Фамилия", name.Surname);
    element.Set("Имя", name.FirstName);
    element.SetOptional("Отчество", name.Patronymic);
}

}  // namespace kvz
