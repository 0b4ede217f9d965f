#include "print/form_content.h"

#include <algorithm>
#include <string_view>

namespace kvz {

namespace {

// The sheets of 3-НДФЛ in the order of the paper form, each with the element of the
// file it shows and how many of those elements one page of the form holds.
struct SheetRule {
    std::string_view Element;
    const char* Title;
    std::size_t PerPage;
};
constexpr SheetRule kSheets[] = {
    {"СумНалПу", "Раздел 1", 3},      {"НалБаза", "Раздел 2", 1},       {"ДоходИстРФ", "Лист А", 3},
    {"ДоходИстИно", "Лист Б", 1},     {"ДоходПредпр", "Лист В", 1},     {"ДоходОсвПрев", "Лист Г", 1},
    {"ИмущНалВычНов", "Лист Д1", 1},  {"ИмущНалВычПр", "Лист Д2", 1},   {"ВычСтандСоц", "Лист Е1", 1},
    {"ВычСоцИнв219", "Лист Е2", 1},   {"ПрофНалВыч", "Лист Ж", 1},      {"ДохОперЦБ", "Лист З", 1},
    {"ДохИвестТов", "Лист И", 1},
};

// Line codes of the lines the form numbers.
struct LineCode {
    std::string_view Element;
    std::string_view Attribute;
    const char* Code;
};
constexpr LineCode kLineCodes[] = {
    {"СумНалПу", "ПрУплВозв", "010"}, {"СумНалПу", "КБК", "020"},         {"СумНалПу", "ОКТМО", "030"},
    {"СумНалПу", "ПодлУпл", "040"},   {"СумНалПу", "ПодлВозв", "050"},    {"ДоходИстРФ", "Ставка", "010"},
    {"ДоходИстРФ", "ВидДоход", "020"}, {"ИстЮЛ", "ИННЮЛ", "030"},         {"ИстФЛИн", "ИННФЛ", "030"},
    {"ИстЮЛ", "КПП", "040"},          {"ДоходИстРФ", "ОКТМО", "050"},     {"ИстЮЛ", "Наим", "060"},
    {"ИстФЛИн", "ФИОИн", "060"},      {"ДоходИстРФ", "Доход", "070"},     {"ДоходИстРФ", "ДоходОбл", "080"},
    {"ДоходИстРФ", "НалИсчисл", "090"}, {"ДоходИстРФ", "НалУдерж", "100"},
};

// Elements whose children print within their own block (the source of a Лист А line).
constexpr std::string_view kMergedChildren[] = {"ИстЮЛ", "ИстФЛИн"};

// Wording for what the 3-НДФЛ schema does not describe (the 4-НДФЛ form).
struct OwnLabel {
    std::string_view Key;
    const char* Text;
};
constexpr OwnLabel kOwnLabels[] = {
    {"НПФЛ", "Сведения о налогоплательщике - физическом лице"},
    {"НДФЛ4", "Сведения о предполагаемом доходе"},
    {"@ПредДоход", "Сумма предполагаемого дохода"},
    {"@НаимОрг", "Наименование организации - представителя налогоплательщика"},
};

const char* OwnLabel(std::string_view key) {
    for (const auto& label : kOwnLabels)
        if (label.Key == key) return label.Text;
    return nullptr;
}

std::string LineCodeOf(std::string_view element, std::string_view attribute) {
    for (const auto& line : kLineCodes)
        if (line.Element == element && line.Attribute == attribute) return line.Code;
    return std::string();
}

bool IsMergedChild(std::string_view name) {
    return std::find(std::begin(kMergedChildren), std::end(kMergedChildren), name) != std::end(kMergedChildren);
}

// The sheet's wording without the letter the schema adds in brackets: "... (А)".
std::string WithoutSheetLetter(std::string text) {
    const auto open = text.rfind(" (");
    if (open != std::string::npos && text.back() == ')' && text.size() - open <= 8) text.erase(open);
    return text;
}

class ContentBuilder {
public:
    ContentBuilder(const SchemaLabels& labels, FormContent& content) : Labels_(labels), Content_(content) {}

    std::string ElementLabel(const std::vector<std::string>& path) const {
        std::string text = Labels_.ElementLabel(path);
        if (text.empty())
            if (const char* own = OwnLabel(path.back())) text = own;
        return text.empty() ? path.back() : text;
    }

    FormField Field(const std::vector<std::string>& path, const std::string& attribute, const std::string& value) const {
        std::string label = Labels_.AttributeLabel(path, attribute);
        if (label.empty())
            if (const char* own = OwnLabel("@" + attribute)) label = own;
        return {LineCodeOf(path.back(), attribute), label.empty() ? attribute : label, value};
    }

    void AddFields(FormBlock& block, const FormElement& element, const std::vector<std::string>& path,
                   const std::vector<std::string_view>& skip = {}) const {
        for (const auto& [name, value] : element.Attributes)
            if (std::find(skip.begin(), skip.end(), name) == skip.end()) block.Fields.push_back(Field(path, name, value));
    }

    // The element as a block with its attributes, then its child elements below it.
    void AddElement(FormPage& page, const FormElement& element, std::vector<std::string> path, int depth,
                    const std::vector<std::string_view>& skipAttributes = {},
                    const std::vector<std::string_view>& skipChildren = {}, bool heading = true) const {
        path.push_back(element.Name);
        FormBlock block{heading ? ElementLabel(path) : std::string(), depth, {}};
        AddFields(block, element, path, skipAttributes);
        bool merged = false;
        for (const FormElement& child : element.Children) {
            if (!IsMergedChild(child.Name)) continue;
            auto childPath = path;
            childPath.push_back(child.Name);
            AddFields(block, child, childPath);
            merged = true;
        }
        if (merged) {
            std::stable_sort(block.Fields.begin(), block.Fields.end(),
                             [](const FormField& a, const FormField& b) { return a.Code < b.Code; });
        }
        page.Blocks.push_back(std::move(block));
        for (const FormElement& child : element.Children) {
            if (IsMergedChild(child.Name)) continue;
            if (std::find(skipChildren.begin(), skipChildren.end(), child.Name) != skipChildren.end()) continue;
            AddElement(page, child, path, depth + 1);
        }
    }

    FormPage& NewPage(const std::string& title, const std::string& subtitle) {
        Content_.Pages.push_back({title, subtitle, {}});
        return Content_.Pages.back();
    }

private:
    const SchemaLabels& Labels_;
    FormContent& Content_;
};

const std::vector<std::string> kDocumentPath = {"Файл", "Документ"};

// The title page: the document's codes, the recipient, the taxpayer, the signer and
// the file's own data; and its second page with the address.
void AddTitlePages(ContentBuilder& builder, const FormElement& root, const FormElement& document,
                   const std::string& recipient, bool withAddressPage) {
    FormPage& title = builder.NewPage("Титульный лист", std::string());
    FormBlock codes{std::string(), 0, {}};
    for (const auto& [name, value] : document.Attributes) {
        codes.Fields.push_back(builder.Field(kDocumentPath, name, value));
        if (name == "КодНО" && !recipient.empty()) codes.Fields.push_back({std::string(), kRecipientParam, recipient});
    }
    title.Blocks.push_back(std::move(codes));

    const FormElement* taxpayerInfo = document.Child("СвНП");
    const FormElement* person = nullptr;
    if (taxpayerInfo) {
        for (const FormElement& child : taxpayerInfo->Children) {
            person = &child;
            builder.AddElement(title, child, {"Файл", "Документ", "СвНП"}, 0, {"АдрИно"}, {"СвАдрРФ"});
        }
    }
    if (const FormElement* signer = document.Child("Подписант"))
        builder.AddElement(title, *signer, kDocumentPath, 0);

    // The file's own data close the title pages: on the address page of 3-НДФЛ, on
    // the title page of 4-НДФЛ, which has no address page.
    FormPage* last = &title;
    if (withAddressPage) {
        last = &builder.NewPage("Титульный лист (стр. 2)", std::string());
        if (person) {
            const std::vector<std::string> personPath = {"Файл", "Документ", "СвНП", person->Name};
            if (const FormElement* address = person->Child("СвАдрРФ"))
                builder.AddElement(*last, *address, personPath, 0);
            if (const std::string& abroad = person->Value("АдрИно"); !abroad.empty()) {
                FormBlock block{std::string(), 0, {builder.Field(personPath, "АдрИно", abroad)}};
                last->Blocks.push_back(std::move(block));
            }
        }
    }
    FormBlock file{builder.ElementLabel({"Файл"}), 0, {}};
    builder.AddFields(file, root, {"Файл"});
    last->Blocks.push_back(std::move(file));
}

const SheetRule* SheetOf(std::string_view element) {
    for (const auto& sheet : kSheets)
        if (sheet.Element == element) return &sheet;
    return nullptr;
}

// Раздел 1, Раздел 2 and the sheets, in the form's order; elements the form has no
// sheet for print on a page of their own rather than not at all.
void AddSheets(ContentBuilder& builder, const FormElement& body, const std::vector<std::string>& bodyPath) {
    for (const SheetRule& sheet : kSheets) {
        std::size_t onPage = 0;
        FormPage* page = nullptr;
        for (const FormElement& element : body.Children) {
            if (element.Name != sheet.Element) continue;
            if (!page || onPage == sheet.PerPage) {
                auto path = bodyPath;
                path.push_back(element.Name);
                page = &builder.NewPage(sheet.Title, WithoutSheetLetter(builder.ElementLabel(path)));
                onPage = 0;
            }
            // A page of one element is named by its subtitle already; elements that
            // share a page keep their headings as separators.
            builder.AddElement(*page, element, bodyPath, 0, {}, {}, sheet.PerPage > 1);
            ++onPage;
        }
    }
    for (const FormElement& element : body.Children) {
        if (SheetOf(element.Name)) continue;
        auto path = bodyPath;
        path.push_back(element.Name);
        FormPage& page = builder.NewPage("Прочие сведения", builder.ElementLabel(path));
        builder.AddElement(page, element, bodyPath, 0);
    }
}

std::string InnOf(const FormElement& document) {
    const FormElement* info = document.Child("СвНП");
    if (!info) return std::string();
    for (const FormElement& person : info->Children) {
        if (!person.Value("ИННФЛ").empty()) return person.Value("ИННФЛ");
        if (const FormElement* data = person.Child("СведФЛ1")) return data->Value("ИННФЛ");
    }
    return std::string();
}

}  // namespace

FormContent BuildFormContent(const FormElement& root, const SchemaLabels& labels, const std::string& recipient) {
    FormContent content;
    const FormElement* document = root.Child("Документ");
    if (!document) throw EPrintDataError("Текст для печати не является файлом декларации: нет элемента Документ.");
    const bool expectedIncome = document->Child("НДФЛ4") != nullptr;
    content.FormName = expectedIncome ? "4-НДФЛ" : "3-НДФЛ";
    content.Inn = InnOf(*document);
    ContentBuilder builder(labels, content);
    AddTitlePages(builder, root, *document, recipient, !expectedIncome);
    for (const FormElement& child : document->Children) {
        if (child.Name == "НДФЛ3") {
            AddSheets(builder, child, {"Файл", "Документ", "НДФЛ3"});
        } else if (child.Name == "НДФЛ4") {
            FormPage& page = builder.NewPage(builder.ElementLabel({"Файл", "Документ", "НДФЛ4"}), std::string());
            FormBlock block{std::string(), 0, {}};
            builder.AddFields(block, child, {"Файл", "Документ", "НДФЛ4"});
            page.Blocks.push_back(std::move(block));
        }
    }
    return content;
}

}  // namespace kvz
