#pragma once
// Reading and writing model fields as JSON, with the key path in every error so a
// user who prepares documents by hand is told exactly which value is wrong.
//
// Shape: money as decimal text with "." and at most four decimals; dates as
// "DD.MM.YYYY"; integers and booleans as JSON numbers and booleans; texts UTF-8
// (and writable in windows-1251). A missing key keeps the field's default.
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "storage/dates.h"
#include "storage/money.h"

namespace kvz {

class EJsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Money and dates as they appear in JSON.
nlohmann::json MoneyJson(Money m);
nlohmann::json DateJson(DateTime d);

// A view of one JSON object at a path ("Thirteen[0].Lines[2]"). Every Read* leaves
// the field alone when the key is missing, and throws EJsonError naming the whole
// key path for a wrong type or value. Finish() refuses keys nobody read.
class JsonObjectReader {
public:
    JsonObjectReader(const nlohmann::json& object, std::string path);

    void Read(const char* key, std::string& field);
    void Read(const char* key, Money& field);
    void ReadDate(const char* key, DateTime& field);
    void Read(const char* key, bool& field);
    void Read(const char* key, int32_t& field);
    void Read(const char* key, uint16_t& field);
    void Read(const char* key, uint8_t& field);
    void Read(const char* key, double& field);
    // A money value or null (null = the absent amount -1).
    void ReadOptionalMoney(const char* key, Money& field, bool& present);

    bool Has(const char* key) const;
    // The array under key (empty when missing); marks the key as read.
    std::vector<nlohmann::json> Array(const char* key);
    // The object under key; marks the key as read. Throws unless it is an object.
    const nlohmann::json& Object(const char* key);
    std::string PathOf(const char* key) const;
    std::string PathOf(const char* key, std::size_t index) const;

    // Throws for the first key that no Read touched.
    void Finish() const;

    [[noreturn]] void Fail(const char* key, const std::string& what) const;

private:
    const nlohmann::json* Find(const char* key);
    void Mark(const char* key);

    const nlohmann::json& Object_;
    std::string Path_;
    std::vector<std::string> Seen_;
};

}  // namespace kvz
