#include "storage/document_storage.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "storage/encoding.h"
#include "storage/errors.h"
#include "storage/file_loader.h"

namespace kvz {

namespace {

constexpr const char* kSignature = "QZSG";
constexpr const char* kReservedText = "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";

// Codes of the failures that the format leaves to the implementation: a damaged
// file (bad length field, read past the end) and writes that would not fit.
constexpr uint16_t kCodeBadLength = 220;
constexpr uint16_t kCodePastEnd = 221;
constexpr uint16_t kCodeDamagedStreams = 212;
constexpr uint16_t kCodeTextTooLong = 222;
constexpr uint16_t kCodeWritePastEnd = 223;

[[noreturn]] void ThrowDamaged(uint16_t code) { throw mEBadStorage(msg::kBadFormat, code); }

bool IsDigit(uint8_t c) { return c >= '0' && c <= '9'; }

// Signed decimal integer as the platform converts it; values up to 4294967295 are
// accepted so that the unsigned form the writer produces reads back.
int64_t ParseInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) throw EConvertError("'" + std::string(text) + "' is not a valid integer");
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(static_cast<uint8_t>(text[i])) || value > 4294967295LL)
            throw EConvertError("'" + std::string(text) + "' is not a valid integer");
        value = value * 10 + (text[i] - '0');
    }
    if (value > 4294967295LL || (negative && value > 2147483648LL))
        throw EConvertError("'" + std::string(text) + "' is not a valid integer");
    return negative ? -value : value;
}

// A general floating-point text with the given decimal separator.
bool TryParseFloat(std::string_view text, char separator, double& out) {
    std::string s;
    bool seenDigit = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == separator) c = '.';
        else if (c == '.' || c == ',') return false;
        if (IsDigit(static_cast<uint8_t>(c))) seenDigit = true;
        else if (!(c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) return false;
        s += c;
    }
    if (!seenDigit) return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtod(s.c_str(), &end);
    return end == s.c_str() + s.size() && errno == 0 && std::isfinite(out);
}

std::string ToUtf8OrConvertError(std::string_view bytes) {
    try {
        return Cp1251ToUtf8(bytes);
    } catch (const EEncodingError& e) {
        throw EConvertError(e.what());
    }
}

}  // namespace

void PutField(uint8_t* destination, std::string_view text, uint32_t width, char fill) {
    if (width == 0 || text.empty()) return;
    std::size_t n = text.size() < width ? text.size() : width;
    if (n == width) {
        std::memcpy(destination, text.data(), width);
        return;
    }
    std::memset(destination, static_cast<unsigned char>(fill), width - n);
    std::memcpy(destination + (width - n), text.data(), n);
}

mTDocumentStorage::mTDocumentStorage(mTFileLoader& loader)
    : ReadOnly_(loader.ReadOnly()), Base_(loader.Data()), Size_(loader.Size()) {}

mTDocumentStorage::mTDocumentStorage(uint8_t* base, uint32_t size, bool readOnly)
    : ReadOnly_(readOnly), Base_(base), Size_(size) {}

void mTDocumentStorage::CreateStorage(const std::string& name) {
    if (Base_ == nullptr) throw mEMemoryAllocate(msg::kNoMemory, 50);
    if (ReadOnly_) throw mEWriteStorage(msg::kReadOnly, 51);
    if (Opened_ || Created_) throw mEAlreadyCreated(msg::kAlreadyCreated, 52);
    if (Size_ < kHeaderSize) throw mEWriteStorage(msg::kPastEnd, kCodeWritePastEnd);
    Opened_ = true;
    Created_ = true;
    StorageName_ = name;
    Position_ = 0;
    std::string nameBytes = Utf8ToCp1251(name);
    PutField(Base_ + 0, kSignature, 4, ' ');
    PutField(Base_ + 4, nameBytes, 20, ' ');
    PutField(Base_ + 24, "1", 2, '0');
    PutField(Base_ + 26, "2", 2, '0');
    PutField(Base_ + 28, kReservedText, 32, 'F');
    Position_ = kHeaderSize;
}

void mTDocumentStorage::OpenStorage() {
    if (Opened_ || Created_) throw mEAlreadyCreated(msg::kAlreadyCreated, 69);
    if (Base_ == nullptr || Size_ < 4 || std::memcmp(Base_, kSignature, 4) != 0) {
        ResetStorage();
        throw mEBadStorage(msg::kBadFormat, 68);
    }
    if (Size_ < kHeaderSize) {
        ResetStorage();
        throw mEBadStorage(msg::kBadFormat, 68);
    }
    Opened_ = true;
    std::string_view name(reinterpret_cast<const char*>(Base_ + 4), 20);
    std::size_t first = 0, last = name.size();
    while (first < last && static_cast<uint8_t>(name[first]) <= 0x20) ++first;
    while (last > first && static_cast<uint8_t>(name[last - 1]) <= 0x20) --last;
    StorageName_ = ToUtf8OrConvertError(name.substr(first, last - first));
    VersionMajor_ = static_cast<int16_t>(ParseInteger(std::string_view(reinterpret_cast<const char*>(Base_ + 24), 2)));
    VersionMinor_ = static_cast<int16_t>(ParseInteger(std::string_view(reinterpret_cast<const char*>(Base_ + 26), 2)));
    Reserved_.assign(reinterpret_cast<const char*>(Base_ + 28), 32);
    Position_ = kHeaderSize;
}

void mTDocumentStorage::CreateStream(const std::string& name) {
    if (!Opened_) throw mEObjectAccess(msg::kNotInitialised, 82);
    if (ReadOnly_) throw mEWriteStorage(msg::kReadOnly, 81);
    WriteString(name);
    CurrentStream_ = name;
}

void mTDocumentStorage::IndexStreamsUpTo(std::string_view name) {
    // Walk the items once, remembering the first marker of every name: a stream is
    // a whole item holding its name, never a part of some other text.
    while (WalkState_ == WalkState::Walking) {
        uint32_t at = IndexedUpTo_;
        if (at >= Size_) {
            WalkState_ = WalkState::CleanEnd;
            break;
        }
        bool digits = Size_ - at >= 4;
        for (uint32_t i = 0; digits && i < 4; ++i) digits = IsDigit(Base_[at + i]);
        if (!digits) {
            // Zero bytes after the last item end the data; anything else is damage.
            bool zeros = true;
            for (uint32_t i = at; zeros && i < Size_; ++i) zeros = Base_[i] == 0;
            WalkState_ = zeros ? WalkState::CleanEnd : WalkState::Damaged;
            break;
        }
        uint32_t length = (Base_[at] - '0') * 1000 + (Base_[at + 1] - '0') * 100 +
                          (Base_[at + 2] - '0') * 10 + (Base_[at + 3] - '0');
        if (static_cast<uint64_t>(at) + 4 + length > Size_) {
            WalkState_ = WalkState::Damaged;
            break;
        }
        IndexedUpTo_ = at + 4 + length;
        if (length > 0 && Base_[at + 4] == '@') {
            std::string text(reinterpret_cast<const char*>(Base_ + at + 4), length);
            bool found = text == name;
            StreamIndex_.emplace(std::move(text), IndexedUpTo_);
            if (found) return;
        }
    }
}

void mTDocumentStorage::OpenStream(const std::string& name) {
    if (!Opened_) throw mEObjectAccess(msg::kNotInitialised, 211);
    std::string key = Utf8ToCp1251(name);
    auto it = StreamIndex_.find(key);
    if (it == StreamIndex_.end()) {
        IndexStreamsUpTo(key);
        it = StreamIndex_.find(key);
    }
    if (it == StreamIndex_.end()) {
        if (WalkState_ == WalkState::Damaged) ThrowDamaged(kCodeDamagedStreams);
        throw mEOpenStream(msg::kNoStream, 210);
    }
    Position_ = it->second;
    CurrentStream_ = name;
}

void mTDocumentStorage::ResetStorage() {
    Position_ = 0;
    CurrentStream_.clear();
    Opened_ = false;
    Created_ = false;
}

void mTDocumentStorage::RequireOpenedForRead(uint16_t notOpenedCode) const {
    if (!Opened_) throw mEObjectAccess(msg::kNotInitialised, notOpenedCode);
}

void mTDocumentStorage::RequireWritable(uint16_t readOnlyCode, uint16_t notOpenedCode) const {
    if (ReadOnly_) throw mEWriteStorage(msg::kReadOnly, readOnlyCode);
    if (!Opened_) throw mEObjectAccess(msg::kNotInitialised, notOpenedCode);
}

std::string_view mTDocumentStorage::Take(uint32_t count) {
    if (Position_ > Size_ || count > Size_ - Position_) ThrowDamaged(kCodePastEnd);
    std::string_view bytes(reinterpret_cast<const char*>(Base_ + Position_), count);
    Position_ += count;
    return bytes;
}

std::string_view mTDocumentStorage::ReadRaw(bool zeroAsOne) {
    std::string_view field = Take(4);
    uint32_t length = 0;
    for (char c : field) {
        if (!IsDigit(static_cast<uint8_t>(c))) ThrowDamaged(kCodeBadLength);
        length = length * 10 + static_cast<uint32_t>(c - '0');
    }
    if (length == 0 && zeroAsOne) length = 1;
    return Take(length);
}

bool mTDocumentStorage::AtStreamEnd() const {
    if (Position_ >= Size_) return true;
    bool zeros = true;
    for (uint32_t i = Position_; zeros && i < Size_; ++i) zeros = Base_[i] == 0;
    if (zeros) return true;
    // A marker item: four digits of a length above zero, then '@'.
    if (Size_ - Position_ < 5) return false;
    uint32_t length = 0;
    for (uint32_t i = 0; i < 4; ++i) {
        if (!IsDigit(Base_[Position_ + i])) return false;
        length = length * 10 + static_cast<uint32_t>(Base_[Position_ + i] - '0');
    }
    return length > 0 && Base_[Position_ + 4] == '@';
}

std::string mTDocumentStorage::ReadString() {
    RequireOpenedForRead(93);
    return ToUtf8OrConvertError(ReadRaw(false));
}

int32_t mTDocumentStorage::ReadInteger() {
    RequireOpenedForRead(102);
    return static_cast<int32_t>(static_cast<uint32_t>(ParseInteger(ReadRaw(true))));
}

uint16_t mTDocumentStorage::ReadWord() {
    RequireOpenedForRead(112);
    return static_cast<uint16_t>(static_cast<uint64_t>(ParseInteger(ReadRaw(true))));
}

uint8_t mTDocumentStorage::ReadByte() {
    RequireOpenedForRead(142);
    return static_cast<uint8_t>(static_cast<uint64_t>(ParseInteger(ReadRaw(true))));
}

Money mTDocumentStorage::ReadCurrency() {
    RequireOpenedForRead(122);
    std::string text(ReadRaw(true));
    if (text == "a") return kAbsentAmount;
    Money value;
    if (TryParseMoneyExact(text, value, '.')) return value;
    try {
        return MoneyFromText(text, '.');
    } catch (const EConvertError&) {
        return MoneyFromText(text, ',');
    }
}

DateTime mTDocumentStorage::ReadDateTime() {
    RequireOpenedForRead(132);
    std::string text(ReadRaw(true));
    bool oldDateForm = VersionMajor_ * 65536 + VersionMinor_ < 0x10002;
    for (char separator : {'.', ','}) {
        DateTime value;
        if (oldDateForm ? TryDateFromText(text, value, separator) : TryParseFloat(text, separator, value))
            return value;
    }
    throw EConvertError("'" + text + "' is not a valid date");
}

void mTDocumentStorage::WriteRaw(std::string_view cp1251Text) {
    if (cp1251Text.size() > kMaxValueLength)
        throw mEWriteStorage(std::string(msg::kTextTooLong) + "«" +
                                 Cp1251ToUtf8(cp1251Text.substr(0, 40)) + "…»",
                             kCodeTextTooLong);
    uint32_t length = static_cast<uint32_t>(cp1251Text.size());
    if (Position_ > Size_ || 4 + length > Size_ - Position_) throw mEWriteStorage(msg::kPastEnd, kCodeWritePastEnd);
    char field[8];
    std::snprintf(field, sizeof field, "%04u", length);
    PutField(Base_ + Position_, field, 4, '0');
    PutField(Base_ + Position_ + 4, cp1251Text, length, ' ');
    Position_ += 4 + length;
}

bool mTDocumentStorage::WriteString(const std::string& value) {
    RequireWritable(150, 151);
    WriteRaw(Utf8ToCp1251(value));
    return true;
}

bool mTDocumentStorage::WriteInteger(int32_t value) {
    RequireWritable(160, 161);
    WriteRaw(IntegerText(value));
    return true;
}

bool mTDocumentStorage::WriteWord(uint16_t value) {
    RequireWritable(170, 171);
    WriteRaw(WordText(value));
    return true;
}

bool mTDocumentStorage::WriteByte(uint8_t value) {
    RequireWritable(200, 201);
    WriteRaw(ByteText(value));
    return true;
}

bool mTDocumentStorage::WriteCurrency(Money value) {
    RequireWritable(180, 181);
    WriteRaw(CurrencyText(value));
    return true;
}

bool mTDocumentStorage::WriteDouble(double value) {
    RequireWritable(190, 191);
    WriteRaw(DoubleText(value));
    return true;
}

std::string mTDocumentStorage::IntegerText(int32_t value) { return std::to_string(static_cast<uint32_t>(value)); }
std::string mTDocumentStorage::WordText(uint16_t value) { return std::to_string(value); }
std::string mTDocumentStorage::ByteText(uint8_t value) { return std::to_string(value); }
std::string mTDocumentStorage::CurrencyText(Money value) { return MoneyToText(value, '.'); }

std::string mTDocumentStorage::DoubleText(double value) {
    // General form with 15 significant digits; exponents as "1E-5", "1.5E20".
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    std::size_t e = text.find('E');
    if (e == std::string::npos) return text;
    std::string mantissa = text.substr(0, e);
    std::string exponent = text.substr(e + 1);
    bool negative = !exponent.empty() && exponent[0] == '-';
    if (!exponent.empty() && (exponent[0] == '-' || exponent[0] == '+')) exponent.erase(0, 1);
    while (exponent.size() > 1 && exponent[0] == '0') exponent.erase(0, 1);
    return mantissa + "E" + (negative ? "-" : "") + exponent;
}

uint32_t mTDocumentStorage::ItemSize(std::string_view utf8Text) {
    return 4 + static_cast<uint32_t>(Cp1251Length(utf8Text));
}

uint32_t mTDocumentStorage::StringItemSize(const std::string& value) { return ItemSize(value); }

}  // namespace kvz
