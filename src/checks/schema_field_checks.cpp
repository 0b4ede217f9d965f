#include "checks/schema_field_checks.h"

#include <libxml/tree.h>

#include <memory>
#include <set>
#include <tuple>

#include "checks/schema_places.h"
#include "export/declaration_export.h"
#include "export/ndfl3_parts.h"
#include "export/xml_engine.h"
#include "storage/xml_node.h"

namespace kvz {

namespace {

std::string NameOf(const xmlNode* node) { return node->name ? reinterpret_cast<const char*>(node->name) : ""; }

bool IsElement(const xmlNode* node) { return node && node->type == XML_ELEMENT_NODE; }

// Names below the document element: "Документ/СвНП/НПФЛ3/ФИОФЛ".
std::string PathBelowRoot(const xmlNode* element) {
    std::string path;
    for (const xmlNode* node = element; IsElement(node) && IsElement(node->parent); node = node->parent)
        path = NameOf(node) + (path.empty() ? "" : "/" + path);
    return path;
}

const xmlNode* Enclosing(const xmlNode* element, const std::string& name) {
    for (const xmlNode* node = element; IsElement(node); node = node->parent)
        if (NameOf(node) == name) return node;
    return nullptr;
}

// 1-based place among the siblings of the same name.
int PositionOf(const xmlNode* element) {
    int position = 0;
    for (const xmlNode* node = element; node; node = node->prev)
        if (IsElement(node) && NameOf(node) == NameOf(element)) ++position;
    return position;
}

const char* CaptionOf(uint16_t section, int field) {
    switch (section) {
    case kCheckSectionConditions: return kCaptionConditions;
    case kCheckSectionPerson:
    case kCheckSectionAddress: return kCaptionPerson;
    case kCheckSectionThirteen: return kCaptionThirteen;
    case kCheckSectionNinePercent: return kCaptionNine;
    case kCheckSectionDividends: return kCaptionDividends;
    case kCheckSectionThirteenNR: return kCaptionThirteen;
    case kCheckSectionThirtyFive: return kCaptionThirtyFive;
    case kCheckSectionForeign: return kCaptionForeign;
    case kCheckSectionBusiness: return kCaptionBusiness;
    case kCheckSectionDeductions:
        switch (DeductionPageOf(field)) {
        case kCheckFieldStandardDeductions: return kCaptionStandard;
        case kCheckFieldPropertyDeduction: return kCaptionProperty;
        case kCheckFieldLossesAndInvestment: return kCaptionLosses;
        default: return kCaptionSocial;
        }
    case kCheckSectionInvestTov: return kCaptionInvestTov;
    default: return kCaptionCalculation;
    }
}

struct Target {
    uint16_t Section = kCheckSectionNone;
    int Field = 1;
    int Row = 0;  // 0: not in a list
};

class Mapper {
public:
    Mapper(const mTDeclaration& d, const kTSvodSum& sum)
        : Sum_(sum), Origins_(ndfl3::IncomeSourceOrigins(d, sum)) {}

    Target Locate(const SchemaPlace& place, const xmlNode* element) const {
        Target t{place.Section, place.Field, 0};
        switch (place.Row) {
        case SchemaRow::None: break;
        case SchemaRow::Position:
            if (const xmlNode* item = Enclosing(element, place.RowElement)) t.Row = PositionOf(item);
            break;
        case SchemaRow::IncomeSource: LocateSource(element, t); break;
        case SchemaRow::ForeignIncome: LocateForeign(element, t); break;
        }
        if (t.Field == 0) t.Field = t.Row > 0 ? t.Row : 1;
        // Property objects are rows of a page of the deductions screen.
        if (t.Section == kCheckSectionDeductions && t.Field == kCheckFieldPropertyDeduction && t.Row > 0)
            t.Field = PropertyObjectField(t.Row);
        return t;
    }

private:
    void LocateSource(const xmlNode* element, Target& t) const {
        const xmlNode* entry = Enclosing(element, "ДоходИстРФ");
        const int position = entry ? PositionOf(entry) : 0;
        if (position < 1 || position > static_cast<int>(Origins_.size())) return;
        const ndfl3::IncomeSourceOrigin& o = Origins_[static_cast<std::size_t>(position - 1)];
        t.Row = o.Index + 1;
        switch (o.List) {
        case ndfl3::IncomeSourceList::Thirteen: t.Section = kCheckSectionThirteen; break;
        case ndfl3::IncomeSourceList::ThirteenNR: t.Section = kCheckSectionThirteenNR; break;
        case ndfl3::IncomeSourceList::Nine: t.Section = kCheckSectionNinePercent; break;
        case ndfl3::IncomeSourceList::Dividends: t.Section = kCheckSectionDividends; break;
        case ndfl3::IncomeSourceList::ThirtyFive: t.Section = kCheckSectionThirtyFive; break;
        case ndfl3::IncomeSourceList::InvestTov: t.Section = kCheckSectionInvestTov; break;
        }
    }

    void LocateForeign(const xmlNode* element, Target& t) const {
        const xmlNode* item = Enclosing(element, "РасчДохНалИно");
        if (!item || !IsElement(item->parent)) return;
        const std::string rate = AttributeText(item->parent, "Ставка");
        const kTSvodSumPrilB* sheet = rate == "09" ? &Sum_.PrilB9 : rate == "35" ? &Sum_.PrilB35 : &Sum_.PrilB13;
        const int position = PositionOf(item);
        if (position >= 1 && position <= sheet->ItemCount())
            t.Row = sheet->Items[static_cast<std::size_t>(position - 1)].SourceRow;
    }

    const kTSvodSum& Sum_;
    std::vector<ndfl3::IncomeSourceOrigin> Origins_;
};

std::string MessageOf(const SchemaPlace* place, const Target& t, const SchemaViolation& v) {
    std::string message;
    if (t.Row > 0 && place && *place->RowWord) message = std::string(place->RowWord) + " № " + std::to_string(t.Row) + ". ";
    message += place ? place->Name : "Файл декларации";
    if (!v.Value.empty()) message += " \"" + v.Value + "\"";
    return message + ": " + v.Requirement;
}

// The findings of the refusals in document, which is built here; see ExportRefusals for
// validated.
CheckFindings FindingsOfDocument(XmlDomDocument document, const mTDeclaration& declaration, const kTSvodSum& sum,
                                 const std::string& schemaPath, std::optional<ValidatedExport>* validated) {
    std::vector<SchemaViolation> refusals;
    try {
        refusals = ExportRefusals(document, declaration, sum, schemaPath, validated);
    } catch (const std::exception& e) {
        return {CheckFinding{kCheckSectionNone, kCaptionCalculation, 1, e.what()}};
    }
    if (refusals.empty()) return {};
    const Mapper mapper(declaration, sum);
    CheckFindings findings;
    std::set<std::tuple<int, int, int>> told;
    for (const SchemaViolation& v : refusals) {
        const SchemaPlace* place = v.Element ? FindSchemaPlace(PathBelowRoot(v.Element), v.Attribute) : nullptr;
        const Target t = place ? mapper.Locate(*place, v.Element) : Target{};
        if (!told.insert({t.Section, t.Field, t.Row}).second) continue;
        findings.push_back(CheckFinding{t.Section, CaptionOf(t.Section, t.Field), t.Field, MessageOf(place, t, v)});
    }
    return findings;
}

}  // namespace

CheckFindings SchemaFieldFindings(const mTDeclaration& declaration, const kTSvodSum& sum,
                                  const std::string& schemaPath) {
    XmlDomDocument document(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
    if (!document) throw std::bad_alloc();
    return FindingsOfDocument(std::move(document), declaration, sum, schemaPath, nullptr);
}

CheckFindings SchemaFieldFindings(const mTDeclaration& declaration, const kTSvodSum& sum,
                                  const ExportSettings& settings, std::optional<ValidatedExport>& validated) {
    // An engine that cannot be obtained fails the export as it would without the check.
    return FindingsOfDocument(CreateDomDocument(settings.EngineLibrary), declaration, sum, settings.SchemaPath,
                              &validated);
}

}  // namespace kvz
