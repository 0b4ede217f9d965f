#pragma once
// The container: a 60-byte header and a flat sequence of items (four decimal digits
// of length, then the value's text). A stream is a marker item holding its name;
// the values that belong to it follow it. Every access is bounds-checked, so a
// damaged file ends in mEBadStorage, never in a read outside the buffer.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "storage/dates.h"
#include "storage/money.h"

namespace kvz {

class mTFileLoader;

// Places Text into a field of Width bytes: a shorter text is right-aligned and the
// rest filled with Fill; a longer one keeps its first Width bytes.
void PutField(uint8_t* destination, std::string_view text, uint32_t width, char fill);

class mTDocumentStorage {
public:
    static constexpr uint32_t kHeaderSize = 60;
    static constexpr uint32_t kMaxValueLength = 9999;

    explicit mTDocumentStorage(mTFileLoader& loader);
    // A storage over a plain buffer (tests and in-memory checks).
    mTDocumentStorage(uint8_t* base, uint32_t size, bool readOnly);

    void CreateStorage(const std::string& name);
    void OpenStorage();
    void CreateStream(const std::string& name);
    void OpenStream(const std::string& name);
    void ResetStorage();

    std::string ReadString();
    int32_t ReadInteger();
    uint16_t ReadWord();
    uint8_t ReadByte();
    bool ReadBoolean() { return ReadByte() != 0; }
    Money ReadCurrency();
    DateTime ReadDateTime();

    // True when the current stream holds no further value: the next item is a
    // stream marker, or the data ends (the buffer's end or the zero bytes after the
    // last item). Fields added to a stream in later versions read only when not.
    bool AtStreamEnd() const;

    bool WriteString(const std::string& value);
    bool WriteInteger(int32_t value);
    bool WriteWord(uint16_t value);
    bool WriteByte(uint8_t value);
    bool WriteBoolean(bool value) { return WriteByte(value ? 1 : 0); }
    bool WriteCurrency(Money value);
    bool WriteDouble(double value);

    uint32_t Position() const { return Position_; }
    void SetPosition(uint32_t position) { Position_ = position; }
    const std::string& StorageName() const { return StorageName_; }
    const std::string& CurrentStream() const { return CurrentStream_; }
    const std::string& Reserved() const { return Reserved_; }
    int16_t VersionMajor() const { return VersionMajor_; }
    int16_t VersionMinor() const { return VersionMinor_; }
    bool Opened() const { return Opened_; }
    bool Created() const { return Created_; }
    bool ReadOnly() const { return ReadOnly_; }
    uint32_t Size() const { return Size_; }

    // The value texts exactly as the writers form them (the file's bytes are these
    // texts in windows-1251). Size computations use them too.
    static std::string IntegerText(int32_t value);
    static std::string WordText(uint16_t value);
    static std::string ByteText(uint8_t value);
    static std::string CurrencyText(Money value);
    static std::string DoubleText(double value);
    // Bytes an item takes in the file: 4 + the windows-1251 length of its text.
    static uint32_t ItemSize(std::string_view utf8Text);
    static uint32_t StringItemSize(const std::string& value);
    static uint32_t IntegerItemSize(int32_t value) { return 4 + IntegerText(value).size(); }
    static uint32_t WordItemSize(uint16_t value) { return 4 + WordText(value).size(); }
    static uint32_t ByteItemSize(uint8_t value) { return 4 + ByteText(value).size(); }
    static uint32_t CurrencyItemSize(Money value) { return 4 + CurrencyText(value).size(); }
    static uint32_t DoubleItemSize(double value) { return 4 + DoubleText(value).size(); }

private:
    void RequireOpenedForRead(uint16_t notOpenedCode) const;
    void RequireWritable(uint16_t readOnlyCode, uint16_t notOpenedCode) const;
    // Reads one item's raw bytes; a zero length is read as one byte when
    // zeroAsOne (numeric reads). Throws mEBadStorage past the end of the buffer.
    std::string_view ReadRaw(bool zeroAsOne);
    void WriteRaw(std::string_view cp1251Text);
    std::string_view Take(uint32_t count);
    void IndexStreamsUpTo(std::string_view name);

    bool ReadOnly_ = true;
    uint8_t* Base_ = nullptr;
    uint32_t Size_ = 0;
    uint32_t Position_ = 0;
    std::string StorageName_;
    std::string CurrentStream_;
    std::string Reserved_;
    int16_t VersionMajor_ = 0;
    int16_t VersionMinor_ = 0;
    bool Opened_ = false;
    bool Created_ = false;

    // Stream markers found so far (windows-1251 name -> offset behind the marker),
    // filled by one walk over the items that resumes where it stopped.
    std::unordered_map<std::string, uint32_t> StreamIndex_;
    uint32_t IndexedUpTo_ = kHeaderSize;
    enum class WalkState { Walking, CleanEnd, Damaged } WalkState_ = WalkState::Walking;
};

}  // namespace kvz
