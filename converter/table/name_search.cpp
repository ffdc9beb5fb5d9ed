#include "converter/table/name_search.h"

#include "common/text_rules.h"

#include <algorithm>

namespace quantora {
namespace {

using namespace std::string_view_literals;

// Reads one code point; a byte that does not begin valid UTF-8 is returned
// as itself with length 1 and ok false.
struct Decoded {
    char32_t code = 0;
    std::size_t length = 1;
    bool ok = false;
};

Decoded decode(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {lead, 1, true};
    std::size_t length = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        return {lead, 1, false};
    }
    if (at + length > text.size())
        return {lead, 1, false};
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80)
            return {lead, 1, false};
        code = (code << 6) | (byte(k) & 0x3F);
    }
    return {code, length, true};
}

void encode(char32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Base letters of U+00C0..U+00FF, lower case; '\0' where none ('×', '÷').
constexpr std::string_view kLatin1Base =
    "aaaaaaaceeeeiiiidnooooo\0ouuuuyts"
    "aaaaaaaceeeeiiiidnooooo\0ouuuuyty"sv;
static_assert(kLatin1Base.size() == 0x40);
// Base letters of U+0100..U+017F (Latin Extended-A), in pairs.
constexpr std::string_view kExtendedABase =
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiiiijjkkk"
    "llllllllllnnnnnnnnnoooooooorrrrrrsssssssstttttt"
    "uuuuuuuuuuuuwwyyyzzzzzzs"sv;
static_assert(kExtendedABase.size() == 0x80);

// What one code point becomes: text to append, or a separator.
enum class Fold { Text, Separator };

Fold foldCode(char32_t code, std::string& out) {
    if (code == U' ' || code == U'-' || code == U'\t' || code == 0x00B7 || code == 0x00A0 || code == 0x2212 ||
        code == 0x22C5 || code == 0x2010 || code == 0x2011 || code == 0x207B)
        return Fold::Separator;
    if (code >= U'A' && code <= U'Z') {
        out += static_cast<char>(code - U'A' + U'a');
    } else if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code == 0x00B5 || code == 0x03BC || code == 0x039C) {
        out += 'u';  // micro sign, Greek mu
    } else if (code == 0x00B9) {
        out += '1';
    } else if (code == 0x00B2 || code == 0x00B3) {
        out += static_cast<char>('2' + (code - 0x00B2));
    } else if (code == 0x2070) {
        out += '0';
    } else if (code >= 0x2074 && code <= 0x2079) {
        out += static_cast<char>('4' + (code - 0x2074));
    } else if (code == 0x212B) {
        out += 'a';  // angstrom sign
    } else if (code == 0x00DF) {
        out += "ss";
    } else if (code == 0x00C6 || code == 0x00E6) {
        out += "ae";
    } else if (code == 0x0152 || code == 0x0153) {
        out += "oe";
    } else if (code >= 0x00C0 && code <= 0x00FF && kLatin1Base[code - 0x00C0] != '\0') {
        out += kLatin1Base[code - 0x00C0];
    } else if (code >= 0x0100 && code <= 0x017F && code - 0x0100 < kExtendedABase.size()) {
        out += kExtendedABase[code - 0x0100];
    } else if (code >= 0x0391 && code <= 0x03A9 && code != 0x03A2) {
        encode(code + 0x20, out);  // Greek capitals
    } else if (code >= 0x0410 && code <= 0x042F) {
        encode(code + 0x20, out);  // Cyrillic capitals
    } else {
        encode(code, out);
    }
    return Fold::Text;
}

bool contains(std::string_view name, std::string_view text) {
    return name.find(text) != std::string_view::npos;
}

}  // namespace

std::string foldForFind(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool separatorPending = false;
    for (std::size_t at = 0; at < text.size();) {
        const Decoded d = decode(text, at);
        at += d.length;
        if (!d.ok) {
            if (separatorPending)
                out += ' ';
            separatorPending = false;
            out += static_cast<char>(d.code);
            continue;
        }
        std::string piece;
        if (foldCode(d.code, piece) == Fold::Separator) {
            separatorPending = true;
            continue;
        }
        if (separatorPending)
            out += ' ';
        separatorPending = false;
        out += piece;
    }
    if (separatorPending)
        out += ' ';
    return out;
}

std::vector<std::string> alternativeNames(std::string_view memo) {
    constexpr std::string_view kAlso = "Also:";
    std::vector<std::string> names;
    const std::string_view start = common::trimBlanks(memo);
    if (start.substr(0, kAlso.size()) != kAlso)
        return names;
    std::string_view rest = start.substr(kAlso.size());
    rest = rest.substr(0, rest.find('.'));
    rest = rest.substr(0, rest.find_first_of("\r\n"));
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string_view name = common::trimBlanks(rest.substr(0, comma));
        if (!name.empty())
            names.emplace_back(name);
        if (comma == std::string_view::npos)
            break;
        rest = rest.substr(comma + 1);
    }
    return names;
}

bool nameMatches(std::string_view name, std::string_view text, bool matchCase) {
    if (matchCase)
        return contains(name, text);
    return contains(foldForFind(name), foldForFind(text));
}

bool unitMatches(const UnitItem& unit, std::string_view text, bool matchCase) {
    if (nameMatches(unit.name, text, matchCase))
        return true;
    if (matchCase)
        return false;
    const std::vector<std::string> names = alternativeNames(unit.memo);
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& name) { return nameMatches(name, text, false); });
}

namespace {

// The trimmed text to find; none, and the search starts over, when there is
// nothing to find or the position is past the last entry.
std::optional<std::string_view> searchText(const ConversionTable& table, FindPosition& position,
                                           std::string_view text) {
    const std::string_view wanted = common::trimBlanks(text);
    if (wanted.empty() || position.allocation < 1 || position.allocation > table.allocationCount) {
        position.reset();
        return std::nullopt;
    }
    return wanted;
}

}  // namespace

std::optional<FindHit> findNextUnit(const ConversionTable& table, FindPosition& position,
                                    std::string_view text, bool matchCase) {
    const std::optional<std::string_view> wanted = searchText(table, position, text);
    if (!wanted)
        return std::nullopt;
    for (int m = position.allocation; m <= table.allocationCount; ++m) {
        const int q = table.allocation(m).quantityNo;
        const int count = q >= 1 && q <= table.quantityCount ? table.quantity(q).unitCount : 0;
        for (int j = m == position.allocation ? position.unit : 1; j <= count; ++j) {
            if (!unitMatches(table.unit(q, j), *wanted, matchCase))
                continue;
            position.allocation = static_cast<std::int16_t>(m);
            position.unit = static_cast<std::int16_t>(j + 1);
            if (j == count && m == table.allocationCount)
                position.allocation = static_cast<std::int16_t>(m + 1);
            return FindHit{table.allocationNode(m), q, j};
        }
    }
    position.reset();
    return std::nullopt;
}

std::optional<FindHit> findNextQuantity(const ConversionTable& table, FindPosition& position,
                                        std::string_view text, bool matchCase) {
    const std::optional<std::string_view> wanted = searchText(table, position, text);
    if (!wanted)
        return std::nullopt;
    for (int m = position.allocation; m <= table.allocationCount; ++m) {
        const int q = table.allocation(m).quantityNo;
        if (q < 1 || q > table.quantityCount || !nameMatches(table.quantity(q).name, *wanted, matchCase))
            continue;
        position.allocation = static_cast<std::int16_t>(m + 1);
        position.unit = 1;
        return FindHit{table.allocationNode(m), q, 0};
    }
    position.reset();
    return std::nullopt;
}

}  // namespace quantora
