#include "export/ndfl4_export.h"

#include "export/export_texts.h"
#include "export/full_name_element.h"
#include "export/ndfl3_document.h"
#include "export/signer_element.h"
#include "export/xml_dom.h"

namespace kvz {

namespace {

void WriteTaxpayer(const XmlElement& document, const mTDeclaration& d) {
    const mTPersonInformation& p = d.Person;
    const XmlElement taxpayer = document.Add("СвНП").Add("НПФЛ");
    taxpayer.Set("ДокПредст", Ndfl4TaxpayerCategoryCode(d.TaxpayerKind));
    taxpayer.Set("ИННФЛ", p.PersonInn);
    taxpayer.Set("ОКТМО", p.ResidenceOktmo);
    taxpayer.SetOptional("Тлф", p.HomePhone);
    WriteFullName(taxpayer, "ФИО", p);
}

}  // namespace

std::string Ndfl4HeaderText(const std::string& identifier) {
    return FileHeaderText(identifier, kNdfl4ProgramVersion, kNdfl4FormatVersion);
}

std::string Ndfl4TaxpayerCategoryCode(uint8_t taxpayerKind) {
    // The entrepreneur, the farm's head, the notary and the lawyer, coded as in 3-НДФЛ.
    return taxpayerKind <= 3 ? Ndfl3TaxpayerCategoryCode(taxpayerKind) : "000";
}

void BuildNdfl4Document(xmlDoc* xml, const mTDeclaration& d, const std::string& identifier, DateTime date) {
    LoadDocumentText(xml, Ndfl4HeaderText(identifier));
    const XmlElement document = RootOf(xml).Add("Документ");
    document.Set("КНД", "1151021");
    document.Set("ДатаДок", ExportDateText(date));
    document.Set("ОтчетГод", "2016");
    document.Set("КодНО", d.InspectionCode);
    document.Set("НомКорр", IntegerText(d.CorrectionNumber));
    WriteTaxpayer(document, d);
    WriteSigner(document, d, true);
    document.Add("НДФЛ4").Set("ПредДоход", PlainForm(d.ExpectedIncome));
}

}  // namespace kvz
