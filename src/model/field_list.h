#pragma once
// A record's fields written down once: each under its name, with a pointer to its
// member. Saving, loading and sizing a record, its JSON and the amount check walk
// the same list, so a field added to a record reaches all of them at once. Lists are
// written in the order of the document file; parts that a file keeps conditionally
// (a block behind a flag, lines in streams of their own) stay with their record.
#include <cstdint>
#include <tuple>
#include <vector>

namespace kvz {

enum FieldFlag : uint8_t {
    // A one-byte member that the file keeps as a 16-bit word.
    kStoredAsWord = 1,
    // An amount the calculation never adds up (kept, shown or converted only), so
    // the check of the amounts' range leaves it out.
    kNotSummed = 2,
};

template <class Record, class Member>
struct FieldOf {
    const char* Name;
    Member Record::*Pointer;
    uint8_t Flags = 0;

    constexpr bool AsWord() const { return (Flags & kStoredAsWord) != 0; }
    constexpr bool Summed() const { return (Flags & kNotSummed) == 0; }
};

// A member that holds several items, each with a field list of its own.
template <class Record, class Container, class ItemFields>
struct ListFieldOf {
    const char* Name;
    Container Record::*Pointer;
    ItemFields Fields;
};

// The number of items a member holds.
template <class Record, class Container>
struct CountOf {
    const char* Name;
    Container Record::*Pointer;
};

template <class Record, class Member>
constexpr FieldOf<Record, Member> Field(const char* name, Member Record::*pointer, uint8_t flags = 0) {
    return {name, pointer, flags};
}

template <class Record, class Container, class ItemFields>
constexpr ListFieldOf<Record, Container, ItemFields> ListField(const char* name, Container Record::*pointer,
                                                          ItemFields fields) {
    return {name, pointer, fields};
}

template <class Record, class Container>
constexpr CountOf<Record, Container> CountField(const char* name, Container Record::*pointer) {
    return {name, pointer};
}

template <class... Entries>
constexpr std::tuple<Entries...> FieldList(Entries... entries) {
    return std::tuple<Entries...>(entries...);
}

template <class List, class Visit>
constexpr void ForEachField(const List& list, Visit&& visit) {
    std::apply([&](const auto&... entry) { (visit(entry), ...); }, list);
}

}  // namespace kvz
