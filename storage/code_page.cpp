#include "storage/code_page.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tavolora::storage {

namespace {
// Bytes 0x80..0x9F; the five bytes the code page leaves undefined keep their C1 code.
constexpr std::array<char32_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t code_of(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHigh[byte - 0x80] : static_cast<char32_t>(byte);
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes the next UTF-8 character at `at`; nothing for a malformed sequence.
std::optional<char32_t> next_character(std::string_view text, std::size_t& at) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (at + length > text.size()) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    at += length;
    return c;
}

std::optional<char> byte_of(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == c) return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}
}  // namespace

std::string from_cp1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char byte : bytes) append_utf8(out, code_of(static_cast<unsigned char>(byte)));
    return out;
}

std::optional<std::string> to_cp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto c = next_character(utf8, at);
        if (!c) return std::nullopt;
        const auto byte = byte_of(*c);
        if (!byte) return std::nullopt;
        out += *byte;
    }
    return out;
}

std::string to_cp1252_lossy(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto c = next_character(utf8, at);
        if (!c) {
            ++at;  // a malformed byte stands for one unknown character
            out += '?';
            continue;
        }
        out += byte_of(*c).value_or('?');
    }
    return out;
}

namespace {
unsigned char lower_byte(unsigned char byte) {
    if (byte >= 'A' && byte <= 'Z') return static_cast<unsigned char>(byte + 32);
    if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return static_cast<unsigned char>(byte + 32);
    switch (byte) {
        case 0x8A:  // Š
        case 0x8C:  // Œ
        case 0x8E:  // Ž
            return static_cast<unsigned char>(byte + 16);
        case 0x9F:  // Ÿ
            return 0xFF;
        default:
            return byte;
    }
}
}  // namespace

bool same_ignoring_case(std::string_view a, std::string_view b) {
    const auto x = to_cp1252(a);
    const auto y = to_cp1252(b);
    // Text the code page cannot hold compares exactly.
    if (!x || !y) return a == b;
    return x->size() == y->size() && std::equal(x->begin(), x->end(), y->begin(), [](char p, char q) {
               return lower_byte(static_cast<unsigned char>(p)) == lower_byte(static_cast<unsigned char>(q));
           });
}

std::string_view first_character_outside_code_page(std::string_view utf8) {
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t start = at;
        const auto c = next_character(utf8, at);
        if (!c) return {};
        if (!byte_of(*c)) return utf8.substr(start, at - start);
    }
    return {};
}

std::string printable(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t start = at;
        const auto c = next_character(utf8, at);
        if (!c) {
            ++at;
            out += '?';
        } else if (*c < 0x20 || (*c >= 0x7F && *c <= 0x9F)) {
            out += '?';
        } else {
            out.append(utf8.substr(start, at - start));
        }
    }
    return out;
}

std::size_t character_count(std::string_view utf8) {
    std::size_t count = 0;
    for (char byte : utf8) {
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) ++count;
    }
    return count;
}

}  // namespace tavolora::storage
