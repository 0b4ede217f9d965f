#include "model/json_fields.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "storage/encoding.h"

namespace kvz {

nlohmann::json MoneyJson(Money m) { return MoneyToText(m, '.'); }
nlohmann::json DateJson(DateTime d) { return DateToText(d, '.'); }

JsonObjectReader::JsonObjectReader(const nlohmann::json& object, std::string path)
    : Object_(object), Path_(std::move(path)) {
    if (!Object_.is_object()) throw EJsonError((Path_.empty() ? std::string("документ") : Path_) + ": нужен объект JSON");
}

std::string JsonObjectReader::PathOf(const char* key) const {
    return Path_.empty() ? std::string(key) : Path_ + "." + key;
}

std::string JsonObjectReader::PathOf(const char* key, std::size_t index) const {
    return PathOf(key) + "[" + std::to_string(index) + "]";
}

void JsonObjectReader::Fail(const char* key, const std::string& what) const {
    throw EJsonError(PathOf(key) + ": " + what);
}

void JsonObjectReader::Mark(const char* key) {
    if (std::find(Seen_.begin(), Seen_.end(), key) == Seen_.end()) Seen_.emplace_back(key);
}

const nlohmann::json* JsonObjectReader::Find(const char* key) {
    Mark(key);
    auto it = Object_.find(key);
    return it == Object_.end() ? nullptr : &*it;
}

bool JsonObjectReader::Has(const char* key) const { return Object_.contains(key); }

namespace {

// Each conversion returns what is wrong with the value, or nothing when it fits.
std::string Convert(const nlohmann::json& v, Money& out) {
    if (!v.is_string()) return "сумма записывается строкой с точкой, например \"1234.5\"";
    if (!TryParseMoneyExact(v.get<std::string>(), out, '.'))
        return "\"" + v.get<std::string>() + "\" не сумма (не более четырех знаков после точки)";
    return {};
}

std::string Convert(const nlohmann::json& v, DateTime& out) {
    if (!v.is_string()) return "дата записывается строкой ДД.ММ.ГГГГ";
    const std::string text = v.get<std::string>();
    if (text.size() != 10 || !TryDateFromText(text, out, '.')) return "\"" + text + "\" не существующая дата ДД.ММ.ГГГГ";
    return {};
}

std::string Convert(const nlohmann::json& v, bool& out) {
    if (!v.is_boolean()) return "нужно true или false";
    out = v.get<bool>();
    return {};
}

template <class Integer>
std::string Convert(const nlohmann::json& v, Integer& out) {
    constexpr int64_t lo = std::numeric_limits<Integer>::min();
    constexpr int64_t hi = std::numeric_limits<Integer>::max();
    if (!v.is_number_integer()) return "нужно целое число";
    int64_t value = v.is_number_unsigned() && v.get<uint64_t>() > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())
                        ? std::numeric_limits<int64_t>::max()
                        : v.get<int64_t>();
    if (value < lo || value > hi)
        return "число вне допустимого диапазона " + std::to_string(lo) + "…" + std::to_string(hi);
    out = static_cast<Integer>(value);
    return {};
}

}  // namespace

template <class T>
void JsonObjectReader::ReadValue(const char* key, T& field) {
    const nlohmann::json* v = Find(key);
    if (!v) return;
    T value{};
    const std::string wrong = Convert(*v, value);
    if (!wrong.empty()) Fail(key, wrong);
    field = std::move(value);
}

void JsonObjectReader::Read(const char* key, std::string& field) {
    const nlohmann::json* v = Find(key);
    if (!v) return;
    if (!v->is_string()) Fail(key, "нужна строка");
    std::string text = v->get<std::string>();
    // A control character (NUL above all) would cut or break the text in the
    // document and in the authority's file.
    auto control = std::find_if(text.begin(), text.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
    if (control != text.end()) {
        char code[8];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(static_cast<unsigned char>(*control)));
        Fail(key, std::string("управляющий символ ") + code + " в тексте недопустим");
    }
    if (!CanEncodeCp1251(text)) {
        try {
            Utf8ToCp1251(text);
        } catch (const std::exception& e) {
            Fail(key, e.what());
        }
    }
    field = std::move(text);
}

void JsonObjectReader::Read(const char* key, Money& field) { ReadValue(key, field); }
void JsonObjectReader::Read(const char* key, DateTime& field) { ReadValue(key, field); }
void JsonObjectReader::Read(const char* key, bool& field) { ReadValue(key, field); }
void JsonObjectReader::Read(const char* key, int32_t& field) { ReadValue(key, field); }
void JsonObjectReader::Read(const char* key, uint16_t& field) { ReadValue(key, field); }
void JsonObjectReader::Read(const char* key, uint8_t& field) { ReadValue(key, field); }

template <class T>
void JsonObjectReader::ReadElementValue(const char* key, std::size_t index, const nlohmann::json& value, T& out) const {
    T converted{};
    const std::string wrong = Convert(value, converted);
    if (!wrong.empty()) throw EJsonError(PathOf(key, index) + ": " + wrong);
    out = converted;
}

void JsonObjectReader::ReadElement(const char* key, std::size_t index, const nlohmann::json& value, Money& out) const {
    ReadElementValue(key, index, value, out);
}
void JsonObjectReader::ReadElement(const char* key, std::size_t index, const nlohmann::json& value, int32_t& out) const {
    ReadElementValue(key, index, value, out);
}
void JsonObjectReader::ReadElement(const char* key, std::size_t index, const nlohmann::json& value, bool& out) const {
    ReadElementValue(key, index, value, out);
}

std::vector<nlohmann::json> JsonObjectReader::Array(const char* key) {
    const nlohmann::json* v = Find(key);
    if (!v) return {};
    if (!v->is_array()) Fail(key, "нужен список");
    return v->get<std::vector<nlohmann::json>>();
}

std::vector<nlohmann::json> JsonObjectReader::FixedArray(const char* key, std::size_t count) {
    std::vector<nlohmann::json> values = Array(key);
    if (Has(key) && values.size() != count) Fail(key, "нужно ровно " + std::to_string(count) + " значений");
    return values;
}

const nlohmann::json& JsonObjectReader::Object(const char* key) {
    const nlohmann::json* v = Find(key);
    if (!v || !v->is_object()) Fail(key, "нужен объект");
    return *v;
}

void JsonObjectReader::Finish() const {
    for (auto it = Object_.begin(); it != Object_.end(); ++it)
        if (std::find(Seen_.begin(), Seen_.end(), it.key()) == Seen_.end())
            throw EJsonError(PathOf(it.key().c_str()) + ": неизвестный ключ");
}

}  // namespace kvz
