#include "export/signer_element.h"

#include "export/full_name_element.h"
#include "export/representative_name.h"

namespace kvz {

void WriteSigner(const XmlElement& document, const mTDeclaration& d, bool withOrganisation) {
    const XmlElement signer = document.Add("Подписант");
    const bool personally = d.ConfirmedBy == 0;
    signer.Set("ПрПодп", personally ? "1" : "2");
    if (personally) return;
    WriteFullName(signer, "ФИО", SplitRepresentativeName(d.RepresentativeName));
    const XmlElement representative = signer.Add("СвПред");
    representative.Set("НаимДок", d.RepresentativeDocument);
    if (withOrganisation) representative.SetOptional("НаимОрг", d.RepresentativeOrganization);
}

}  // namespace kvz
