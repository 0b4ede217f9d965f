#include "export/ndfl3_document.h"

#include "export/full_name_element.h"
#include "export/ndfl3_parts.h"
#include "export/signer_element.h"
#include "export/xml_dom.h"

namespace kvz {

namespace {

constexpr const char* kDefaultCountry = "643";

std::string CountryCode(const std::string& code) {
    const std::string trimmed = TrimText(code);
    return PadWithZeros(trimmed.empty() ? kDefaultCountry : trimmed, 3);
}

void WriteIdentityDocument(const XmlElement& parent, const mTPersonInformation& p) {
    const XmlElement e = parent.Add("УдЛичн");
    e.Set("КодВидДок", PadWithZeros(IntegerText(p.DocTypeCode), 2));
    e.Set("СерНомДок", p.DocSeriesNumber);
    e.Set("ДатаДок", ExportDateText(p.DocIssueDate));
    e.Set("ВыдДок", p.DocIssuedBy);
}

void WritePersonalData(const XmlElement& taxpayer, const mTPersonInformation& p) {
    if (!IsBlankText(p.PersonInn)) {
        const XmlElement e = taxpayer.Add("СведФЛ1");
        e.Set("ИННФЛ", p.PersonInn);
        e.Set("ДатаРожд", ExportDateText(p.BirthDate));
        e.SetOptional("МестоРожд", p.BirthPlace);
        e.Set("ОКСМ", CountryCode(p.CitizenshipCode));
        if (p.DocTypeCode != 0) WriteIdentityDocument(e, p);
    } else {
        // Without an ИНН the person is known by the identity document.
        const XmlElement e = taxpayer.Add("СведФЛ2");
        e.Set("ДатаРожд", ExportDateText(p.BirthDate));
        e.Set("МестоРожд", p.BirthPlace);
        e.Set("ОКСМ", CountryCode(p.CitizenshipCode));
        WriteIdentityDocument(e, p);
    }
}

void WriteAddress(const XmlElement& taxpayer, const mTPersonInformation& p) {
    const XmlElement kind = taxpayer.Add("СвАдрРФ");
    kind.Set("ПрАдр", p.AddressIsStay ? "2" : "1");
    ndfl3::SetRussianAddress(kind.Add("АдрРФ"), p, IntegerText(p.RegionCode));
}

void WriteTaxpayer(const XmlElement& document, const mTDeclaration& d) {
    const mTPersonInformation& p = d.Person;
    const XmlElement taxpayer = document.Add("СвНП").Add("НПФЛ3");
    taxpayer.Set("ДокПредст", Ndfl3TaxpayerCategoryCode(d.TaxpayerKind));
    taxpayer.Set("Статус", d.DeclarationKind == kDecl3Ndfl ? "1" : "2");
    taxpayer.SetOptional("АдрИно", p.ForeignAddress);
    taxpayer.SetOptional("Тлф", p.HomePhone);
    WriteFullName(taxpayer, "ФИОФЛ", p);
    WriteAddress(taxpayer, p);
    WritePersonalData(taxpayer, p);
}

void WriteSheets(const XmlElement& ndfl3, const mTDeclaration& d, const kTSvodSum& sum) {
    ndfl3::WritePaymentLines(ndfl3, sum);
    ndfl3::WriteRateBlocks(ndfl3, sum);
    ndfl3::WriteIncomeSources(ndfl3, d, sum);
    ndfl3::WriteForeignIncome(ndfl3, d, sum);
    ndfl3::WriteBusinessIncome(ndfl3, d, sum);
    ndfl3::WriteExemptIncome(ndfl3, d, sum);
    ndfl3::WriteHousingDeduction(ndfl3, d, sum);
    ndfl3::WritePropertySaleDeduction(ndfl3, sum);
    ndfl3::WriteStandardSocialDeductions(ndfl3, d, sum);
    ndfl3::WritePensionInvestmentDeductions(ndfl3, sum);
    ndfl3::WriteProfessionalDeductions(ndfl3, sum);
    ndfl3::WriteSecurities(ndfl3, d, sum);
    ndfl3::WritePartnerships(ndfl3, sum);
}

}  // namespace

std::string Ndfl3HeaderText(const std::string& identifier) {
    return FileHeaderText(identifier, kNdfl3ProgramVersion, kNdfl3FormatVersion);
}

std::string Ndfl3TaxpayerCategoryCode(uint8_t taxpayerKind) {
    switch (taxpayerKind) {
    case 0: return "720";
    case 1: return "770";
    case 2: return "730";
    case 3: return "740";
    case 6: return "750";
    default: return "760";
    }
}

void BuildNdfl3Document(xmlDoc* xml, const mTDeclaration& d, const kTSvodSum& sum, const std::string& identifier,
                        DateTime date) {
    LoadDocumentText(xml, Ndfl3HeaderText(identifier));
    const XmlElement document = RootOf(xml).Add("Документ");
    document.Set("КНД", "1151020");
    document.Set("ДатаДок", ExportDateText(date));
    document.Set("Период", "34");
    document.Set("ОтчетГод", "2015");
    document.Set("КодНО", d.InspectionCode);
    document.Set("НомКорр", IntegerText(d.CorrectionNumber));
    WriteTaxpayer(document, d);
    WriteSigner(document, d, false);
    WriteSheets(document.Add("НДФЛ3"), d, sum);
}

}  // namespace kvz
