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

void JsonObjectReader::Read(const char* key, Money& field) {
    const nlohmann::json* v = Find(key);
    if (!v) return;
    if (!v->is_string()) Fail(key, "сумма записывается строкой с точкой, например \"1234.5\"");
    Money m;
    if (!TryParseMoneyExact(v->get<std::string>(), m, '.'))
        Fail(key, "\"" + v->get<std::string>() + "\" не сумма (не более четырех знаков после точки)");
    field = m;
}

void JsonObjectReader::ReadOptionalMoney(const char* key, Money& field, bool& present) {
    const nlohmann::json* v = Find(key);
    if (!v) return;
    if (v->is_null()) {
        present = false;
        field = kAbsentAmount;
        return;
    }
    Read(key, field);
    present = true;
}

void JsonObjectReader::ReadDate(const char* key, DateTime& field) {
    const nlohmann::json* v = Find(key);
    if (!v) return;
    if (!v->is_string()) Fail(key, "дата записывается строкой ДД.ММ.ГГГГ");
    DateTime d;
    std::string text = v->get<std::string>();
    if (text.size() != 10 || !TryDateFromText(text, d, '.')) Fail(key, "\"" + text + "\" не существующая дата ДД.ММ.ГГГГ");
    field = d;
}

void JsonObjectReader::Read(const char* key, bool& field) {
    const nlohmann::json* v = Find(key);
    if (!v) return;
    if (!v->is_boolean()) Fail(key, "нужно true или false");
    field = v->get<bool>();
}

namespace {

int64_t IntegerIn(const JsonObjectReader& reader, const char* key, const nlohmann::json& v, int64_t lo, int64_t hi) {
    if (!v.is_number_integer()) reader.Fail(key, "нужно целое число");
    int64_t value = v.is_number_unsigned() && v.get<uint64_t>() > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())
                        ? std::numeric_limits<int64_t>::max()
                        : v.get<int64_t>();
    if (value < lo || value > hi)
        reader.Fail(key, "число вне допустимого диапазона " + std::to_string(lo) + "…" + std::to_string(hi));
    return value;
}

}  // namespace

void JsonObjectReader::Read(const char* key, int32_t& field) {
    if (const nlohmann::json* v = Find(key))
        field = static_cast<int32_t>(IntegerIn(*this, key, *v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

void JsonObjectReader::Read(const char* key, uint16_t& field) {
    if (const nlohmann::json* v = Find(key)) field = static_cast<uint16_t>(IntegerIn(*this, key, *v, 0, 65535));
}

void JsonObjectReader::Read(const char* key, uint8_t& field) {
    if (const nlohmann::json* v = Find(key)) field = static_cast<uint8_t>(IntegerIn(*this, key, *v, 0, 255));
}

void JsonObjectReader::Read(const char* key, double& field) {
    const nlohmann::json* v = Find(key);
    if (!v) return;
    if (!v->is_number()) Fail(key, "нужно число");
    field = v->get<double>();
}

std::vector<nlohmann::json> JsonObjectReader::Array(const char* key) {
    const nlohmann::json* v = Find(key);
    if (!v) return {};
    if (!v->is_array()) Fail(key, "нужен список");
    return v->get<std::vector<nlohmann::json>>();
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
