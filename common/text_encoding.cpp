#include "common/text_encoding.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace common {
namespace {

// Code points of bytes 0x80..0x9F. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control character of
// the same number, so every byte goes to a character and back unchanged.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
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

// Decodes one UTF-8 sequence at pos; returns its length, 0 when invalid.
std::size_t decodeUtf8(std::string_view bytes, std::size_t pos, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(bytes[pos]);
    std::size_t length = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        length = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > bytes.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(bytes[pos + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

int windows1252Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (std::size_t k = 0; k < kHighControls.size(); ++k) {
        if (kHighControls[k] == cp)
            return static_cast<int>(0x80 + k);
    }
    return -1;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    char32_t cp = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = decodeUtf8(bytes, pos, cp);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

bool isAscii(std::string_view bytes) {
    // Eight bytes at a time: batch files run to tens of megabytes.
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + i, 8);
        if (word & kHighBits)
            return false;
    }
    for (; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return false;
    }
    return true;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        // Runs of ASCII go across whole.
        std::size_t run = i;
        while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80)
            ++run;
        if (run > i) {
            out.append(bytes.data() + i, run - i);
            i = run;
            if (i == bytes.size())
                break;
        }
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0xA0) {
            appendUtf8(out, kHighControls[b - 0x80]);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

std::string utf8ToWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    char32_t cp = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = decodeUtf8(text, pos, cp);
        if (length == 0) {
            out += text[pos++];
            continue;
        }
        const int byte = windows1252Byte(cp);
        out += byte >= 0 ? static_cast<char>(byte) : '?';
        pos += length;
    }
    return out;
}

bool fitsWindows1252(std::string_view text) {
    char32_t cp = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = decodeUtf8(text, pos, cp);
        if (length == 0 || windows1252Byte(cp) < 0)
            return false;
        pos += length;
    }
    return true;
}

}  // namespace common
