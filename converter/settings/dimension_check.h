#pragma once
// The three table limits as the dimension dialog takes them. A limit the
// current table does not fit, a text that is no whole number, a value beyond
// 16 bits or limits whose product breaks (Unit + 1) x Quantity <= 32767 would
// make the next start fail to load the table: such values are refused with a
// message that names the allowed range, and nothing is taken.

#include "common/notice.h"
#include "converter/table/conversion_table.h"

#include <array>
#include <optional>
#include <string>

namespace quantora {

struct DimensionCheck {
    std::optional<TableLimits> limits;  // the accepted limits
    std::optional<common::Notice> refusal;
    int box = -1;  // the box to correct: 0 categories, 1 quantities, 2 units per quantity
};

// The boxes' texts: categories, physical quantities, units per quantity.
DimensionCheck checkDimensions(const std::array<std::string, 3>& texts, const ConversionTable& table);

}  // namespace quantora
