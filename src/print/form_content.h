#pragma once
// The printed declaration as pages of labelled values, before anything is drawn:
// which page of the paper form each value of the file belongs to, its line code
// where the form numbers its lines, and its wording from the schema.
#include <string>
#include <vector>

#include "print/print_data.h"
#include "print/schema_labels.h"

namespace kvz {

struct FormField {
    std::string Code;  // the form's line code ("010"), or ""
    std::string Label;
    std::string Value;
};

struct FormBlock {
    std::string Heading;  // "" for fields that follow the page title directly
    int Depth = 0;        // nesting below the page's own element, for indentation
    std::vector<FormField> Fields;
};

// One page of the paper form. Its content may need more than one sheet of paper;
// the drawing then continues it on the next.
struct FormPage {
    std::string Title;     // "Раздел 1", "Лист А", "Титульный лист"
    std::string Subtitle;  // the schema's wording of the page's element
    std::vector<FormBlock> Blocks;
};

struct FormContent {
    std::string FormName;  // "3-НДФЛ" or "4-НДФЛ"
    std::string Inn;       // the taxpayer's ИНН, "" when the file has none
    std::vector<FormPage> Pages;
};

// The program's settings for the printout (the module's SetPrintTiffParam).
inline constexpr const char* kRecipientParam = "Наименование налогового органа-получателя";
// The file the preview offers to save the PDF as.
inline constexpr const char* kPdfFileParam = "Файл PDF";

// Lays the file's values out over the pages of its form: the title page and its
// second page, then for 3-НДФЛ Раздел 1, Раздел 2 and the sheets the file holds.
// recipient is the recipient inspection's name, printed under its code.
FormContent BuildFormContent(const FormElement& root, const SchemaLabels& labels, const std::string& recipient);

}  // namespace kvz
