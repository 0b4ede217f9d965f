#include "storage/encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <unordered_map>
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

// The next character of UTF-8 text at i, moving i past it; false for bytes that do
// not form a character (a stray or missing continuation byte, an overlong form, a
// surrogate, a value beyond Unicode), i left where they begin.
bool NextCodePoint(std::string_view utf8, std::size_t& i, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
        cp = lead;
        ++i;
        return true;
    }
    std::size_t length = 0;
    char32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2, min = 0x80, cp = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, min = 0x800, cp = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, min = 0x10000, cp = lead & 0x07;
    else return false;
    if (utf8.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
        const auto c = static_cast<unsigned char>(utf8[i + k]);
        if ((c & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += length;
    return true;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// windows-1251 exactly as the system's converter defines it, asked once per run:
// converting text byte by byte through iconv cost more than building the file.
struct Cp1251Table {
    char32_t High[128] = {};  // the character of each byte from 0x80; 0 where undefined
    // The way back: Cyrillic by index (0 where none), the few others by lookup.
    static constexpr char32_t kCyrillic = 0x400, kCyrillicEnd = 0x4A0;
    unsigned char CyrillicBytes[kCyrillicEnd - kCyrillic] = {};
    std::unordered_map<char32_t, unsigned char> Bytes;
    unsigned char Upper[256] = {};

    // The byte of a character above ASCII; 0 when windows-1251 has none.
    unsigned char ByteOf(char32_t cp) const {
        if (cp >= kCyrillic && cp < kCyrillicEnd) return CyrillicBytes[cp - kCyrillic];
        const auto it = Bytes.find(cp);
        return it == Bytes.end() ? 0 : it->second;
    }

    Cp1251Table() {
        for (int b = 0x80; b <= 0xFF; ++b) {
            const char byte = static_cast<char>(b);
            std::string utf8;
            std::size_t bad = 0, at = 0;
            char32_t cp = 0;
            if (!Convert("UTF-8", "CP1251", std::string_view(&byte, 1), utf8, bad) || utf8.empty() ||
                !NextCodePoint(utf8, at, cp) || at != utf8.size())
                continue;
            High[b - 0x80] = cp;
            if (cp >= kCyrillic && cp < kCyrillicEnd) CyrillicBytes[cp - kCyrillic] = static_cast<unsigned char>(b);
            else Bytes.emplace(cp, static_cast<unsigned char>(b));
        }
        // Lower-case letters of windows-1251 and their capitals.
        static const std::pair<unsigned char, unsigned char> kPairs[] = {
            {0x83, 0x81}, {0x90, 0x80}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D}, {0x9E, 0x8E},
            {0x9F, 0x8F}, {0xA2, 0xA1}, {0xB3, 0xB2}, {0xB4, 0xA5}, {0xB8, 0xA8}, {0xBA, 0xAA},
            {0xBC, 0xA3}, {0xBE, 0xBD}, {0xBF, 0xAF}};
        for (int c = 0; c < 256; ++c) Upper[c] = static_cast<unsigned char>(c);
        for (int c = 'a'; c <= 'z'; ++c) Upper[c] = static_cast<unsigned char>(c - 32);
        for (int c = 0xE0; c <= 0xFF; ++c) Upper[c] = static_cast<unsigned char>(c - 32);
        for (const auto& [lower, upper] : kPairs) Upper[lower] = upper;
    }
};

const Cp1251Table& Table() {
    static const Cp1251Table table;
    return table;
}

// The windows-1251 bytes of the text; false with the offset of the first character
// that has none (or of bytes that are no character).
bool EncodeCp1251(std::string_view utf8, std::string& out, std::size_t& badOffset) {
    const Cp1251Table& table = Table();
    out.clear();
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        const std::size_t start = i;
        char32_t cp = 0;
        const unsigned char byte = NextCodePoint(utf8, i, cp) ? table.ByteOf(cp) : 0;
        if (byte == 0) {
            badOffset = start;
            return false;
        }
        out += static_cast<char>(byte);
    }
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
    if (!EncodeCp1251(utf8, out, bad)) {
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
    return EncodeCp1251(utf8, out, bad);
}

std::size_t Cp1251Length(std::string_view utf8) {
    return IsAscii(utf8) ? utf8.size() : Utf8ToCp1251(utf8).size();
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
    if (IsAscii(cp1251)) return std::string(cp1251);
    const Cp1251Table& table = Table();
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (char byte : cp1251) {
        const auto c = static_cast<unsigned char>(byte);
        if (c < 0x80) {
            out += byte;
            continue;
        }
        const char32_t cp = table.High[c - 0x80];
        if (cp == 0) throw EEncodingError("байт, не определенный в кодировке windows-1251");
        AppendUtf8(out, cp);
    }
    return out;
}

std::string Cp866ToUtf8(std::string_view cp866) {
    return ToUtf8(cp866, "CP866", "байт, не определенный в кодировке 866");
}

std::string UpperCaseCp1251(std::string_view utf8) {
    const Cp1251Table& table = Table();
    if (IsAscii(utf8)) {
        // Most values are digits and codes: no conversion needed either way.
        std::string text(utf8);
        for (char& ch : text) ch = static_cast<char>(table.Upper[static_cast<unsigned char>(ch)]);
        return text;
    }
    std::string bytes = Utf8ToCp1251(utf8);
    for (char& ch : bytes) ch = static_cast<char>(table.Upper[static_cast<unsigned char>(ch)]);
    return Cp1251ToUtf8(bytes);
}

}  // namespace kvz
