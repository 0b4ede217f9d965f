#include "storage/encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "storage/errors.h"

namespace kvz {

namespace {

// One cached conversion descriptor per direction; the program is single-threaded
// but tests may run conversions from several threads, so keep them per thread.
// Texts are converted field by field, so the lookup must not allocate.
struct DescriptorCache {
    struct Entry {
        const char* To;
        const char* From;
        iconv_t Cd;
    };
    std::vector<Entry> open;
    ~DescriptorCache() {
        for (Entry& entry : open) iconv_close(entry.Cd);
    }
};

iconv_t Descriptor(const char* to, const char* from) {
    thread_local DescriptorCache descriptors;
    for (const DescriptorCache::Entry& entry : descriptors.open) {
        if (std::strcmp(entry.To, to) == 0 && std::strcmp(entry.From, from) == 0) {
            iconv(entry.Cd, nullptr, nullptr, nullptr, nullptr);  // reset shift state
            return entry.Cd;
        }
    }
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw EEncodingError(std::string("нет преобразования ") + from + " -> " + to);
    descriptors.open.push_back({to, from, cd});  // the names are string literals
    return cd;
}

// Length of the UTF-8 sequence that starts with byte c (1 for a stray byte).
std::size_t Utf8SequenceLength(unsigned char c) {
    if (c >= 0xF0) return 4;
    if (c >= 0xE0) return 3;
    if (c >= 0xC0) return 2;
    return 1;
}

// Converts; on failure returns false and the offset of the offending input.
bool Convert(const char* to, const char* from, std::string_view in, std::string& out,
             std::size_t& badOffset) {
    iconv_t cd = Descriptor(to, from);
    out.clear();
    // windows-1251 takes one byte a character, UTF-8 at most three for these code
    // pages; a longer result grows below.
    out.resize((std::strcmp(to, "UTF-8") == 0 ? in.size() * 3 : in.size()) + 4);
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) {
                std::size_t used = out.size() - outLeft;
                out.resize(out.size() * 2);
                outPtr = out.data() + used;
                outLeft = out.size() - used;
                continue;
            }
            badOffset = in.size() - inLeft;
            return false;
        }
        // glibc converts unrepresentable characters irreversibly only with //TRANSLIT;
        // a non-zero count without it still means something was not converted exactly.
        if (r != 0) {
            badOffset = 0;
            return false;
        }
    }
    out.resize(out.size() - outLeft);
    return true;
}

// Plain ASCII is the common case and reads the same in every code page here.
bool IsAscii(std::string_view text) {
    for (unsigned char c : text)
        if (c >= 0x80) return false;
    return true;
}

std::string ToUtf8(std::string_view text, const char* from, const char* failure) {
    if (IsAscii(text)) return std::string(text);
    std::string out;
    std::size_t bad = 0;
    if (!Convert("UTF-8", from, text, out, bad)) throw EEncodingError(failure);
    return out;
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) {
    // ASCII is the same in both and is the common case.
    if (IsAscii(utf8)) return std::string(utf8);
    std::string out;
    std::size_t bad = 0;
    if (!Convert("CP1251", "UTF-8", utf8, out, bad)) {
        std::size_t len = bad < utf8.size() ? Utf8SequenceLength(static_cast<unsigned char>(utf8[bad])) : 1;
        std::string ch(utf8.substr(bad, len));
        throw EEncodingError("символ «" + ch + "» нельзя записать в кодировке windows-1251");
    }
    return out;
}

bool CanEncodeCp1251(std::string_view utf8) {
    if (IsAscii(utf8)) return true;
    std::string out;
    std::size_t bad = 0;
    return Convert("CP1251", "UTF-8", utf8, out, bad);
}

std::size_t Cp1251Length(std::string_view utf8) {
    return IsAscii(utf8) ? utf8.size() : Utf8ToCp1251(utf8).size();
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
    return ToUtf8(cp1251, "CP1251", "байт, не определенный в кодировке windows-1251");
}

std::string Cp866ToUtf8(std::string_view cp866) {
    return ToUtf8(cp866, "CP866", "байт, не определенный в кодировке 866");
}

std::string UpperCaseCp1251(std::string_view utf8) {
    // Lower-case letters of windows-1251 and their capitals.
    static const std::map<unsigned char, unsigned char> kPairs = {
        {0x83, 0x81}, {0x90, 0x80}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D}, {0x9E, 0x8E},
        {0x9F, 0x8F}, {0xA2, 0xA1}, {0xB3, 0xB2}, {0xB4, 0xA5}, {0xB8, 0xA8}, {0xBA, 0xAA},
        {0xBC, 0xA3}, {0xBE, 0xBD}, {0xBF, 0xAF}};
    std::string bytes = Utf8ToCp1251(utf8);
    for (char& ch : bytes) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 32);
        else if (c >= 0xE0) c = static_cast<unsigned char>(c - 32);
        else if (auto it = kPairs.find(c); it != kPairs.end()) c = it->second;
        ch = static_cast<char>(c);
    }
    return Cp1251ToUtf8(bytes);
}

}  // namespace kvz
