#pragma once
// Подписант: who signs the declaration, shared by both forms.
#include "export/xml_dom.h"
#include "model/declaration.h"

namespace kvz {

// ПрПодп "1" when the taxpayer signs personally, "2" for a representative (a person
// or an organisation), who gets ФИО from the split name and СвПред with the
// document; withOrganisation adds НаимОрг when the organisation's name is not blank.
void WriteSigner(const XmlElement& document, const mTDeclaration& declaration, bool withOrganisation);

}  // namespace kvz
