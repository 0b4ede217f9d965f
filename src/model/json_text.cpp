#include "model/json_text.h"

#include <algorithm>
#include <string>

#include "model/json_fields.h"

namespace kvz {

namespace {

// The parser's own texts are English; the place is told in the user's terms.
std::string PlaceOf(std::string_view text, std::size_t byte) {
    std::size_t end = std::min(byte, text.size());
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i + 1 < end; ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return "строка " + std::to_string(line) + ", столбец " + std::to_string(column);
}

}  // namespace

nlohmann::json ParseDocumentJson(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        throw EJsonError("байт NUL в позиции " + std::to_string(nul + 1) + ": файл JSON не может его содержать");
    try {
        return nlohmann::json::parse(text.begin(), text.end());
    } catch (const nlohmann::json::parse_error& e) {
        const bool atEnd = e.byte > text.size();
        throw EJsonError((atEnd ? std::string("текст обрывается") : "ошибка синтаксиса") + " (" +
                         PlaceOf(text, e.byte) + ")");
    } catch (const nlohmann::json::out_of_range&) {
        // A number such as 1e400 that no double holds; the parser gives no place for it.
        throw EJsonError("число вне допустимого диапазона");
    }
}

}  // namespace kvz
