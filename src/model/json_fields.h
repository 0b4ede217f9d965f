#pragma once
// Reading and writing model fields as JSON, with the key path in every error so a
// user who prepares documents by hand is told exactly which value is wrong.
//
// Shape: money as decimal text with "." and at most four decimals; dates as
// "DD.MM.YYYY"; integers and booleans as JSON numbers and booleans; texts UTF-8
// (and writable in windows-1251). A missing key keeps the field's default.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "model/field_list.h"
#include "storage/dates.h"
#include "storage/message_error.h"
#include "storage/money.h"

namespace kvz {

using EJsonError = MessageError<struct JsonErrorTag>;

// Values as they appear in JSON: money as text, a DateTime as "DD.MM.YYYY".
nlohmann::json MoneyJson(Money m);
nlohmann::json DateJson(DateTime d);
inline nlohmann::json JsonValue(const std::string& v) { return v; }
inline nlohmann::json JsonValue(Money v) { return MoneyJson(v); }
inline nlohmann::json JsonValue(DateTime v) { return DateJson(v); }
inline nlohmann::json JsonValue(bool v) { return v; }
inline nlohmann::json JsonValue(int32_t v) { return v; }
inline nlohmann::json JsonValue(uint16_t v) { return v; }
inline nlohmann::json JsonValue(uint8_t v) { return v; }
template <class Range>
nlohmann::json JsonValues(const Range& values) {
    nlohmann::json out = nlohmann::json::array();
    for (const auto& v : values) out.push_back(JsonValue(v));
    return out;
}
template <class T, std::size_t N>
nlohmann::json JsonValue(const std::array<T, N>& values) { return JsonValues(values); }

// A view of one JSON object at a path ("Thirteen[0].Lines[2]"). Every Read* leaves
// the field alone when the key is missing, and throws EJsonError naming the whole
// key path for a wrong type or value. Finish() refuses keys nobody read.
class JsonObjectReader {
public:
    JsonObjectReader(const nlohmann::json& object, std::string path);

    void Read(const char* key, std::string& field);
    void Read(const char* key, Money& field);
    void Read(const char* key, DateTime& field);  // "DD.MM.YYYY"
    void Read(const char* key, bool& field);
    void Read(const char* key, int32_t& field);
    void Read(const char* key, uint16_t& field);
    void Read(const char* key, uint8_t& field);
    // Exactly N values under key.
    template <class T, std::size_t N>
    void Read(const char* key, std::array<T, N>& field) {
        const std::vector<nlohmann::json> values = FixedArray(key, N);
        for (std::size_t i = 0; i < values.size(); ++i) ReadElement(key, i, values[i], field[i]);
    }
    // Element index of the list under key (the list itself comes from Array).
    void ReadElement(const char* key, std::size_t index, const nlohmann::json& value, Money& out) const;
    void ReadElement(const char* key, std::size_t index, const nlohmann::json& value, int32_t& out) const;
    void ReadElement(const char* key, std::size_t index, const nlohmann::json& value, bool& out) const;

    bool Has(const char* key) const;
    // The array under key (empty when missing); marks the key as read.
    std::vector<nlohmann::json> Array(const char* key);
    // The same, but a present array must hold exactly count values.
    std::vector<nlohmann::json> FixedArray(const char* key, std::size_t count);
    // The object under key; marks the key as read. Throws unless it is an object.
    const nlohmann::json& Object(const char* key);
    std::string PathOf(const char* key) const;
    std::string PathOf(const char* key, std::size_t index) const;

    // Throws for the first key that no Read touched.
    void Finish() const;

    [[noreturn]] void Fail(const char* key, const std::string& what) const;

private:
    template <class T>
    void ReadValue(const char* key, T& field);
    template <class T>
    void ReadElementValue(const char* key, std::size_t index, const nlohmann::json& value, T& out) const;
    const nlohmann::json* Find(const char* key);
    void Mark(const char* key);

    const nlohmann::json& Object_;
    std::string Path_;
    std::vector<std::string> Seen_;
};

// A record's fields of a field list, each under its name.
template <class Record, class List>
void FieldsToJson(nlohmann::json& out, const Record& record, const List& fields) {
    ForEachField(fields, [&](const auto& f) { out[f.Name] = JsonValue(record.*f.Pointer); });
}

template <class Record, class List>
void FieldsFromJson(JsonObjectReader& in, Record& record, const List& fields) {
    ForEachField(fields, [&](const auto& f) { in.Read(f.Name, record.*f.Pointer); });
}

template <class Record, class List>
nlohmann::json RecordToJson(const Record& record, const List& fields) {
    nlohmann::json out = nlohmann::json::object();
    FieldsToJson(out, record, fields);
    return out;
}

// A record that keeps nothing beyond its field list says so with FieldsOf(record),
// beside the list; its JSON object is that list and nothing more. Where values need
// a check or completing once every key has been read, the record's JSON header
// declares CompleteFromJson(reader, record) (income_sections_json.h).
template <class Record>
concept AllInFieldList = requires(const Record& record) { FieldsOf(record); };

template <AllInFieldList Record>
nlohmann::json ToJson(const Record& record) {
    return RecordToJson(record, FieldsOf(record));
}

// Reads into the given record: a missing key keeps the field.
template <AllInFieldList Record>
void FromJson(JsonObjectReader& reader, Record& record) {
    FieldsFromJson(reader, record, FieldsOf(record));
    reader.Finish();
    if constexpr (requires { CompleteFromJson(reader, record); }) CompleteFromJson(reader, record);
}

// Items as a list of objects, each by its ToJson.
template <class Range>
nlohmann::json ObjectsToJson(const Range& items) {
    nlohmann::json list = nlohmann::json::array();
    for (const auto& item : items) list.push_back(ToJson(item));
    return list;
}

// Reads each object of the list under key (at most maxCount) into a fresh Item by
// its FromJson, with its own reader at "key[i]", and hands it to add.
template <class Item, class Add>
void ReadObjects(JsonObjectReader& reader, const char* key, std::size_t maxCount, Add add) {
    const std::vector<nlohmann::json> values = reader.Array(key);
    if (values.size() > maxCount) reader.Fail(key, "не более " + std::to_string(maxCount) + " элементов");
    for (std::size_t i = 0; i < values.size(); ++i) {
        JsonObjectReader itemReader(values[i], reader.PathOf(key, i));
        Item item;
        FromJson(itemReader, item);
        add(item);
    }
}

}  // namespace kvz
