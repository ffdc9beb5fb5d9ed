#include "converter/settings/dimension_check.h"

#include "common/numeric_text.h"
#include "converter/settings/product_title.h"

#include <algorithm>
#include <limits>

namespace quantora {
namespace {

constexpr int kLargest = std::numeric_limits<std::int16_t>::max();
constexpr int kProductBound = 32767;

struct Box {
    const char* label;
    int smallest;
    std::string holds;  // what the table holds that sets the smallest value
};

common::Notice refusal(const std::string& text) {
    return {common::NoticeIcon::Exclamation, std::string(kCaptionTitle), text};
}

std::string range(const Box& box, int largest) {
    return std::string(box.label) + ": please enter a whole number from " + std::to_string(box.smallest) +
           " to " + std::to_string(largest) + ".";
}

int largestUnitCount(const ConversionTable& table) {
    int largest = 0;
    for (int q = 1; q <= table.quantityCount; ++q)
        largest = std::max<int>(largest, table.quantity(q).unitCount);
    return largest;
}

}  // namespace

DimensionCheck checkDimensions(const std::array<std::string, 3>& texts, const ConversionTable& table) {
    const int units = largestUnitCount(table);
    // The two special quantities are always there; a quantity has room for one unit at least.
    const std::array<Box, 3> boxes{{
        {"Categories", table.categoryCount,
         "The table holds " + std::to_string(table.categoryCount) + " categories"},
        {"Physical Quantities", std::max<int>(2, table.quantityCount),
         "The table holds " + std::to_string(table.quantityCount) + " physical quantities"},
        {"Units per Quantity", std::max(1, units),
         "The largest physical quantity of the table holds " + std::to_string(units) + " units"},
    }};

    DimensionCheck check;
    std::array<int, 3> values{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const Box& box = boxes[i];
        const std::optional<long long> value = common::strictIntegerValue(texts[i]);
        std::string problem;
        if (!value) {
            problem = "'" + texts[i] + "' is not a whole number.\n";
        } else if (*value > kLargest) {
            problem = std::to_string(*value) + " is too large.\n";
        } else if (*value < box.smallest) {
            problem = box.holds + "; a smaller limit would stop it from loading.\n";
        }
        if (!problem.empty()) {
            check.refusal = refusal(problem + range(box, kLargest));
            check.box = static_cast<int>(i);
            return check;
        }
        values[i] = static_cast<int>(*value);
    }

    const int quantities = values[1];
    const int unitLimit = values[2];
    if (static_cast<long long>(unitLimit + 1) * quantities > kProductBound) {
        const std::string rule =
            "\n(Units per Quantity + 1) \u00D7 Physical Quantities must not exceed 32767.";
        const Box& quantityBox = boxes[1];
        const Box& unitBox = boxes[2];
        // Fewer quantities where that leaves room for the table; else fewer units.
        const int quantityRoom = kProductBound / (unitLimit + 1);
        const int unitRoom = kProductBound / quantities - 1;
        if (quantityRoom >= quantityBox.smallest) {
            check.refusal = refusal(range(quantityBox, quantityRoom) + rule);
            check.box = 1;
        } else if (unitRoom >= unitBox.smallest) {
            check.refusal = refusal(range(unitBox, unitRoom) + rule);
            check.box = 2;
        } else {
            check.refusal = refusal(range(quantityBox, kProductBound / (unitBox.smallest + 1)) + rule);
            check.box = 1;
        }
        return check;
    }
    check.limits = TableLimits{static_cast<std::int16_t>(values[0]), static_cast<std::int16_t>(quantities),
                               static_cast<std::int16_t>(unitLimit)};
    return check;
}

}  // namespace quantora
