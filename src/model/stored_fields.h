#pragma once
// Writing, reading and sizing the fields of a field list in the document file. The
// member's type decides the item: texts, 32-bit integers, words, bytes, flags,
// amounts, dates (DateTime), and fixed arrays of these element by element.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/field_list.h"
#include "model/item_stream.h"
#include "model/section_streams.h"
#include "storage/dates.h"
#include "storage/document_storage.h"
#include "storage/money.h"

namespace kvz {

namespace stored {

using S = mTDocumentStorage;

inline void Write(S& s, const std::string& v, bool) { s.WriteString(v); }
inline void Write(S& s, Money v, bool) { s.WriteCurrency(v); }
inline void Write(S& s, int32_t v, bool) { s.WriteInteger(v); }
inline void Write(S& s, uint16_t v, bool) { s.WriteWord(v); }
inline void Write(S& s, uint8_t v, bool asWord) { asWord ? s.WriteWord(v) : s.WriteByte(v); }
inline void Write(S& s, bool v, bool) { s.WriteBoolean(v); }
inline void Write(S& s, DateTime v, bool) { s.WriteDouble(v); }
template <class T, std::size_t N>
void Write(S& s, const std::array<T, N>& values, bool asWord) {
    for (const T& v : values) Write(s, v, asWord);
}

inline void Read(S& s, std::string& v, bool) { v = s.ReadString(); }
inline void Read(S& s, Money& v, bool) { v = s.ReadCurrency(); }
inline void Read(S& s, int32_t& v, bool) { v = s.ReadInteger(); }
inline void Read(S& s, uint16_t& v, bool) { v = s.ReadWord(); }
inline void Read(S& s, uint8_t& v, bool asWord) { v = asWord ? static_cast<uint8_t>(s.ReadWord()) : s.ReadByte(); }
inline void Read(S& s, bool& v, bool) { v = s.ReadBoolean(); }
inline void Read(S& s, DateTime& v, bool) { v = s.ReadDateTime(); }
template <class T, std::size_t N>
void Read(S& s, std::array<T, N>& values, bool asWord) {
    for (T& v : values) Read(s, v, asWord);
}

inline uint32_t Size(const std::string& v, bool) { return S::StringItemSize(v); }
inline uint32_t Size(Money v, bool) { return S::CurrencyItemSize(v); }
inline uint32_t Size(int32_t v, bool) { return S::IntegerItemSize(v); }
inline uint32_t Size(uint16_t v, bool) { return S::WordItemSize(v); }
inline uint32_t Size(uint8_t v, bool asWord) { return asWord ? S::WordItemSize(v) : S::ByteItemSize(v); }
inline uint32_t Size(bool v, bool) { return S::ByteItemSize(v ? 1 : 0); }
inline uint32_t Size(DateTime v, bool) { return S::DoubleItemSize(v); }
template <class T, std::size_t N>
uint32_t Size(const std::array<T, N>& values, bool asWord) {
    uint32_t size = 0;
    for (const T& v : values) size += Size(v, asWord);
    return size;
}

}  // namespace stored

template <class Record, class List>
void SaveFields(mTDocumentStorage& s, const Record& record, const List& fields) {
    ForEachField(fields, [&](const auto& f) { stored::Write(s, record.*f.Pointer, f.AsWord()); });
}

template <class Record, class List>
void LoadFields(mTDocumentStorage& s, Record& record, const List& fields) {
    ForEachField(fields, [&](const auto& f) { stored::Read(s, record.*f.Pointer, f.AsWord()); });
}

template <class Record, class List>
uint32_t FieldsSize(const Record& record, const List& fields) {
    uint32_t size = 0;
    ForEachField(fields, [&](const auto& f) { size += stored::Size(record.*f.Pointer, f.AsWord()); });
    return size;
}

// A record that is one stream of its own: its marker, then its fields. Loading
// starts from a fresh record, so nothing of an earlier state survives.
template <class Record, class List>
void SaveStream(mTDocumentStorage& s, const std::string& stream, const Record& record, const List& fields) {
    s.CreateStream(stream);
    SaveFields(s, record, fields);
}

template <class Record, class List>
void LoadStream(mTDocumentStorage& s, const std::string& stream, Record& record, const List& fields) {
    record = Record();
    s.OpenStream(stream);
    LoadFields(s, record, fields);
}

template <class Record, class List>
uint32_t StreamSize(const std::string& stream, const Record& record, const List& fields) {
    return mTDocumentStorage::ItemSize(stream) + FieldsSize(record, fields);
}

// An item of a section list that is one stream of its own, named after the record's
// kStream and the item's index; a storage error gets the record's kPlaceSave or
// kPlaceLoad.
template <class Record, class List>
void SaveItemStream(mTDocumentStorage& s, uint16_t index, const Record& record, const List& fields) {
    WithErrorPlace(Record::kPlaceSave,
                   [&] { SaveStream(s, SectionStreamName(Record::kStream, index), record, fields); });
}

template <class Record, class List>
void LoadItemStream(mTDocumentStorage& s, uint16_t index, Record& record, const List& fields) {
    WithErrorPlace(Record::kPlaceLoad,
                   [&] { LoadStream(s, SectionStreamName(Record::kStream, index), record, fields); });
}

template <class Record, class List>
uint32_t ItemStreamSize(uint16_t index, const Record& record, const List& fields) {
    return StreamSize(SectionStreamName(Record::kStream, index), record, fields);
}

template <class Record>
void mTItemStream<Record>::Save(mTDocumentStorage& s, uint16_t index) const {
    const Record& record = static_cast<const Record&>(*this);
    SaveItemStream(s, index, record, FieldsOf(record));
}

template <class Record>
void mTItemStream<Record>::Load(mTDocumentStorage& s, uint16_t index) {
    Record& record = static_cast<Record&>(*this);
    LoadItemStream(s, index, record, FieldsOf(record));
}

template <class Record>
uint32_t mTItemStream<Record>::StoredSize(uint16_t index) const {
    const Record& record = static_cast<const Record&>(*this);
    return ItemStreamSize(index, record, FieldsOf(record));
}

// A section behind its Granted flag: its marker, the flag, and the rest (written
// and read by `rest`) only when granted. Loading starts from a fresh section; a
// storage error gets the section's error place.
template <class Section, class Rest>
void SaveGrantedStream(mTDocumentStorage& s, uint16_t place, const Section& section, Rest&& rest) {
    WithErrorPlace(place, [&] {
        s.CreateStream(Section::kStreamName);
        s.WriteBoolean(section.Granted);
        if (section.Granted) rest();
    });
}

template <class Section, class Rest>
void LoadGrantedStream(mTDocumentStorage& s, uint16_t place, Section& section, Rest&& rest) {
    section = Section();
    WithErrorPlace(place, [&] {
        s.OpenStream(Section::kStreamName);
        section.Granted = s.ReadBoolean();
        if (section.Granted) rest();
    });
}

// The marker and the flag; the caller adds the rest when granted.
template <class Section>
uint32_t GrantedStreamHeadSize(const Section& section) {
    return mTDocumentStorage::StringItemSize(Section::kStreamName) +
           mTDocumentStorage::ByteItemSize(section.Granted ? 1 : 0);
}

// Lines of a source, each in a stream of its own named after the source's index
// and the line's number, after their count.
template <class Line, class List>
void SaveLineStreams(mTDocumentStorage& s, std::string_view prefix, uint16_t index, const std::vector<Line>& lines,
                     const List& fields) {
    s.WriteInteger(static_cast<int32_t>(lines.size()));
    for (std::size_t j = 0; j < lines.size(); ++j)
        SaveStream(s, SectionLineStreamName(prefix, index, static_cast<int32_t>(j)), lines[j], fields);
}

// Each line needs a stream of its own, so a count larger than the document fails
// at the first missing stream instead of running on.
template <class Line, class List, class Add>
void LoadLineStreams(mTDocumentStorage& s, std::string_view prefix, uint16_t index, const List& fields, Add add) {
    const int32_t count = s.ReadInteger();
    for (int32_t j = 0; j < count; ++j) {
        Line line;
        LoadStream(s, SectionLineStreamName(prefix, index, j), line, fields);
        add(line);
    }
}

template <class Line, class List>
uint32_t LineStreamsSize(std::string_view prefix, uint16_t index, const std::vector<Line>& lines, const List& fields) {
    uint32_t size = mTDocumentStorage::IntegerItemSize(static_cast<int32_t>(lines.size()));
    for (std::size_t j = 0; j < lines.size(); ++j)
        size += StreamSize(SectionLineStreamName(prefix, index, static_cast<int32_t>(j)), lines[j], fields);
    return size;
}

}  // namespace kvz
