#include "export/ndfl4_export.h"

#include "export/export_texts.h"
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
    const XmlElement name = taxpayer.Add("ФИО");
    name.Set("Фамилия", p.Surname);
    name.Set("Имя", p.FirstName);
    name.SetOptional("Отчество", p.Patronymic);
}

}  // namespace

std::string Ndfl4HeaderText(const std::string& identifier) {
    return std::string("<?xml version=\"1.0\" encoding=\"windows-1251\"?><Файл ИдФайл=\"") +
           EscapeAttributeText(identifier) + "\" ВерсПрог=\"" + kNdfl4ProgramVersion + "\" ВерсФорм=\"" +
           kNdfl4FormatVersion + "\"/>";
}

std::string Ndfl4TaxpayerCategoryCode(uint8_t taxpayerKind) {
    switch (taxpayerKind) {
    case 0: return "720";
    case 1: return "770";
    case 2: return "730";
    case 3: return "740";
    default: return "000";
    }
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
