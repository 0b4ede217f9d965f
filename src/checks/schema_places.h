#pragma once
// Where each place of the authority's file is entered: the one table from an
// element (and attribute) of the 3-НДФЛ or 4-НДФЛ document to the check section, the field on
// its screen and the field's name in the user's words.
#include <cstdint>
#include <string>
#include <string_view>

namespace kvz {

// How a place inside a list of the declaration finds its row.
enum class SchemaRow {
    None,           // a single field
    Position,       // the place of the RowElement among its same-named siblings
    IncomeSource,   // the payment source behind the ДоходИстРФ
    ForeignIncome,  // the foreign income behind the РасчДохНалИно
};

struct SchemaPlace {
    const char* Element;    // names below Файл: "Документ/СвНП/НПФЛ3/ФИОФЛ"
    const char* Attribute;  // "" for the element itself and every attribute without an entry of its own
    uint16_t Section;       // CheckSectionNumber
    int Field;              // CheckFieldNumber; 0: the row is the field (lists of their own screen)
    SchemaRow Row;
    const char* RowElement;  // with SchemaRow::Position
    const char* RowWord;     // "Объект", "Вид деятельности": names the row in the message
    const char* Name;        // the field in the user's words
};

// The entry of the attribute of an element (its names below Файл); without one of
// its own, the element's entry, then the nearest enclosing element's; null when
// nothing encloses it (Файл itself).
const SchemaPlace* FindSchemaPlace(std::string_view elementPath, std::string_view attribute);

}  // namespace kvz
