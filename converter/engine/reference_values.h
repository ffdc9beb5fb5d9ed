#pragma once
// What the quick reference window shows for a quantity: each reference item's
// name with its value, stored in unit 1 of the quantity, converted into the
// chosen convert-from and convert-into units.

#include "common/decimal_separator.h"
#include "converter/engine/result_format.h"
#include "converter/table/conversion_table.h"
#include "converter/table/table_edits.h"

#include <string>
#include <vector>

namespace quantora {

struct ReferenceRow {
    std::string name;
    std::string fromValue;  // column 2
    std::string intoValue;  // column 3; empty until both units are chosen
    friend bool operator==(const ReferenceRow&, const ReferenceRow&) = default;
};

struct ReferenceTable {
    std::string fromHeader;  // column 2's header
    std::string intoHeader;  // column 3's header
    std::vector<ReferenceRow> rows;
    friend bool operator==(const ReferenceTable&, const ReferenceTable&) = default;
};

// Removes the items of quantity q whose name is exactly empty, the later ones
// moving up; true when any went (the first step of pUpdateRefListView).
bool compactReferences(ConversionTable& table, int q);

// The rows for quantity q. Without both units (0 for none) column 2 holds
// the values as stored under the name of unit 1 and column 3 reads "???";
// with both, each non-blank value is converted into either unit and
// formatted as a result (pUpdateRefListView, pUpdateRefValues). A quantity
// outside the table gives no rows.
ReferenceTable referenceTable(const ConversionTable& table, int q, int from, int into,
                              const NotationOptions& notation, common::DecimalSeparator separator);

// Unit 1 of quantity q is no longer formerFirst: each reference value is
// converted from formerFirst into the new unit 1 (15 significant digits), so
// every item keeps the magnitude it names. A value that is no number, or
// whose conversion faults, stays as it is.
void rebaseReferences(ConversionTable& table, int q, const UnitItem& formerFirst);

// moveListItem and deleteListItem, with the reference values rebased when
// the first unit changes.
EditOutcome moveUnit(ConversionTable& table, int q, int dragged, int target);
bool deleteUnit(ConversionTable& table, int q, int p);

}  // namespace quantora
