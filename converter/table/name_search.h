#pragma once
// Finding quantities and units by name. A name matches when it contains the
// search text: exactly with "Match Case" on, forgivingly with it off (see
// foldForFind), and then a unit also matches through the alternative names its
// memo lists first ("Also: metre, mtr. ...").
//
// The search walks the allocation list (positions 1..allocationCount) and
// reads each entry's quantity, so removed quantities are never visited.

#include "converter/table/conversion_table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quantora {

// UTF-8 text folded for a forgiving comparison: letter case and accents
// ignored (Ångström ~ angstrom), superscript digits read as digits (m² ~ m2),
// "µ" read as "u", and "·", "-" and blanks alike (one blank for any run).
// Bytes that are not valid UTF-8 pass unchanged.
std::string foldForFind(std::string_view text);

// The alternative names a memo begins with: "Also: metre, mtr. SI base unit"
// gives {"metre", "mtr"}; names end at the first full stop.
std::vector<std::string> alternativeNames(std::string_view memo);

// Whether name contains text (exactly with matchCase, folded without).
bool nameMatches(std::string_view name, std::string_view text, bool matchCase);
// The unit's name, or without matchCase one of its alternative names.
bool unitMatches(const UnitItem& unit, std::string_view text, bool matchCase);

// Where the next Find Next starts: allocation position and unit position,
// both from 1; shared by the quantity and the unit search.
struct FindPosition {
    std::int16_t allocation = 1;
    std::int16_t unit = 1;
    void reset() { *this = {}; }
};

struct FindHit {
    int node = 0;      // tree node of the quantity found
    int quantity = 0;  // its quantity number
    int unit = 0;      // unit position found; 0 for a quantity search
};

// The next unit whose name matches (mFindUnit). None means the end of the
// search (empty text or nothing further): the position is back at the start.
std::optional<FindHit> findNextUnit(const ConversionTable& table, FindPosition& position,
                                    std::string_view text, bool matchCase);
// The next quantity whose name matches (mFindCat); the same end rule.
std::optional<FindHit> findNextQuantity(const ConversionTable& table, FindPosition& position,
                                        std::string_view text, bool matchCase);

}  // namespace quantora
