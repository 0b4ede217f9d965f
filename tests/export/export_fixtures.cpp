#include "export/export_fixtures.h"

#include <libxml/parser.h>
#include <libxml/xpath.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "export/guid_source.h"
#include "export/ndfl3_document.h"
#include "export/schema_validation.h"
#include "export/xml_dom.h"
#include "export/xml_engine.h"
#include "storage/encoding.h"

namespace kvz::test {

namespace {

struct DocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

std::unique_ptr<xmlDoc, DocFree> Parse(const std::string& bytes) {
    return std::unique_ptr<xmlDoc, DocFree>(xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                                          nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR |
                                                                       XML_PARSE_NOWARNING));
}

}  // namespace

DateTime FixedNow() { return EncodeDate(2016, 3, 15) + 10.5 / 24; }

FixedClockAndGuid::FixedClockAndGuid() {
    SetClock([] { return FixedNow(); });
    SetGuidSource([] { return std::string(kFixedGuid); });
}

FixedClockAndGuid::~FixedClockAndGuid() {
    SetClock(nullptr);
    SetGuidSource(nullptr);
}

std::string Ndfl3SchemaPath() { return std::string(KVZ_SOURCE_DIR) + "/data/" + kNdfl3SchemaFileName; }
std::string Ndfl4SchemaPath() { return std::string(KVZ_TEST_DATA_DIR) + "/export/NO_NDFL4_5_02.xsd"; }
std::string GoldenPath(const std::string& name) { return std::string(KVZ_TEST_DATA_DIR) + "/export/" + name; }

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Cp1251Text(const std::string& utf8) { return Utf8ToCp1251(utf8); }

ExportSettings CollectingSettings(std::vector<std::string>& messages) {
    ExportSettings settings;
    settings.ShowMessage = [&messages](const std::string& text) { messages.push_back(text); };
    settings.SchemaPath = Ndfl3SchemaPath();
    return settings;
}

void FillPerson(mTPersonInformation& p) {
    p.Surname = "Смирнова";
    p.FirstName = "Ольга";
    p.Patronymic = "Викторовна";
    p.PersonInn = "772412345636";
    p.DocTypeCode = 21;
    p.DocSeriesNumber = "45 08 123456";
    p.DocIssueDate = EncodeDate(2008, 9, 12);
    p.BirthDate = EncodeDate(1983, 6, 4);
    p.DocIssuedBy = "ОВД района Бирюлево Восточное г. Москвы";
    p.BirthPlace = "г. Москва";
    p.CitizenshipKind = "1";
    p.PostIndex = "115569";
    p.RegionCode = 77;
    p.City = "Москва";
    p.Street = "Шипиловская ул";
    p.House = "28";
    p.Building = "1";
    p.Flat = "112";
    p.ResidenceOktmo = "45915000";
    p.HomePhone = "+7 495 3216547";
}

std::string Ndfl3Bytes(const mTDeclaration& declaration, const kTSvodSum& sum, const std::string& identifier) {
    XmlDomDocument document = CreateDomDocument();
    BuildNdfl3Document(document.get(), declaration, sum, identifier, FixedNow());
    return SerializeCp1251(document.get());
}

ReadBack ReadExported(const std::string& bytes) {
    ReadBack result;
    auto doc = Parse(bytes);
    if (!doc) return result;
    result.WellFormed = true;
    result.Encoding = doc->encoding ? reinterpret_cast<const char*>(doc->encoding) : "";
    const xmlNode* root = xmlDocGetRootElement(doc.get());
    result.RootName = root ? reinterpret_cast<const char*>(root->name) : "";
    if (xmlChar* id = root ? xmlGetProp(root, reinterpret_cast<const xmlChar*>("ИдФайл")) : nullptr) {
        result.Identifier = reinterpret_cast<const char*>(id);
        xmlFree(id);
    }
    return result;
}

std::vector<std::string> Violations(const std::string& bytes, const std::string& schemaPath) {
    auto doc = Parse(bytes);
    if (!doc) return {"not well-formed"};
    return SchemaViolations(doc.get(), schemaPath);
}

struct XmlView::Impl {
    std::unique_ptr<xmlDoc, DocFree> Doc;
    xmlXPathContextPtr Context = nullptr;

    // The nodes of an expression, or none.
    std::vector<xmlNodePtr> Nodes(const std::string& xpath) const {
        // libxml2's XPath parser takes a step after "/" only when it starts with an
        // ASCII letter; the explicit axis lets Cyrillic names through.
        std::string expression;
        for (std::size_t i = 0; i < xpath.size(); ++i) {
            expression += xpath[i];
            if (xpath[i] == '/' && i + 1 < xpath.size() && static_cast<unsigned char>(xpath[i + 1]) >= 0x80)
                expression += "child::";
        }
        std::vector<xmlNodePtr> nodes;
        xmlXPathObjectPtr found =
            xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(expression.c_str()), Context);
        if (!found) throw std::runtime_error("bad XPath " + xpath);
        if (found->nodesetval)
            for (int i = 0; i < found->nodesetval->nodeNr; ++i) nodes.push_back(found->nodesetval->nodeTab[i]);
        xmlXPathFreeObject(found);
        return nodes;
    }
};

XmlView::XmlView(const std::string& bytes) : Impl_(new Impl) {
    Impl_->Doc = Parse(bytes);
    if (!Impl_->Doc) {
        delete Impl_;
        throw std::runtime_error("not well-formed");
    }
    Impl_->Context = xmlXPathNewContext(Impl_->Doc.get());
}

XmlView::~XmlView() {
    xmlXPathFreeContext(Impl_->Context);
    delete Impl_;
}

int XmlView::Count(const std::string& xpath) const { return static_cast<int>(Impl_->Nodes(xpath).size()); }

std::vector<std::string> XmlView::Values(const std::string& xpath) const {
    std::vector<std::string> values;
    for (xmlNodePtr node : Impl_->Nodes(xpath)) {
        xmlChar* text = xmlNodeGetContent(node);
        values.push_back(text ? reinterpret_cast<const char*>(text) : "");
        if (text) xmlFree(text);
    }
    return values;
}

std::string XmlView::Value(const std::string& xpath) const {
    const std::vector<std::string> values = Values(xpath);
    return values.empty() ? std::string() : values.front();
}

std::string XmlView::AttributeNames(const std::string& xpath) const {
    const std::vector<xmlNodePtr> nodes = Impl_->Nodes(xpath);
    std::string names;
    if (nodes.empty()) return names;
    for (xmlAttrPtr a = nodes.front()->properties; a; a = a->next)
        names += (names.empty() ? "" : " ") + std::string(reinterpret_cast<const char*>(a->name));
    return names;
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    return names;
}

}  // namespace kvz::test
