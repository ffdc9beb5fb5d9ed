#include "converter/engine/table_report.h"

#include <algorithm>
#include <string>

namespace quantora {
namespace {

// The number right-aligned in a field of `width` characters; never cut.
std::string column(int value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

const Quantity* quantityOrNull(const ConversionTable& table, int q) {
    if (q < 0 || q > table.limits().maxQuantity)
        return nullptr;
    return &table.quantity(q);
}

}  // namespace

std::vector<std::string> conversionTableReport(const ConversionTable& table) {
    std::vector<std::string> lines;
    lines.emplace_back(36, '=');
    lines.emplace_back("|  Quantora 2000 Conversion Table  |");
    lines.emplace_back(std::string(36, '=') + "\r");
    lines.emplace_back("Conversion Table File");
    lines.emplace_back(21, '-');
    lines.emplace_back(table.filePath + "\r");
    lines.emplace_back("Category Properties (Category#, Name)");
    lines.emplace_back(37, '-');
    const int categories = std::min<int>(table.categoryCount, table.limits().maxCategory);
    for (int i = 1; i <= categories; ++i) {
        lines.push_back(column(i, 3) + "  " + table.category(i).name);
    }
    lines.emplace_back(" ");
    lines.emplace_back("Physical Quantity - Node Allocation (Order#, Quantity#, Node#, Name)");
    lines.emplace_back(68, '-');

    const int allocations = std::min<int>(table.allocationCount, table.limits().maxQuantity);
    for (int t = 1; t <= allocations; ++t) {
        const NodeAllocationEntry& entry = table.allocation(t);
        if (const Quantity* quantity = quantityOrNull(table, entry.quantityNo)) {
            lines.push_back(column(t, 3) + column(entry.quantityNo, 4) + column(entry.parentNode, 4) + "  " +
                            quantity->name);
        }
    }
    for (int t = 1; t <= allocations; ++t) {
        const int q = table.allocation(t).quantityNo;
        const Quantity* quantity = quantityOrNull(table, q);
        lines.emplace_back(" ");
        lines.emplace_back("Physical Quantity Properties (Quantity#, Icon#, Name, Unit Count)");
        lines.emplace_back(65, '-');
        if (quantity) {
            lines.push_back(column(q, 3) + column(quantity->icon, 3) + "  " + quantity->name +
                            column(quantity->unitCount, 4));
        }
        lines.emplace_back(77, '-');
        lines.emplace_back("Unit Properties (Icon#, Name, Slope, Intercept, Slope Error, Intercept Error)");
        lines.emplace_back(77, '-');
        if (!quantity)
            continue;
        const int units = std::min<int>(quantity->unitCount, table.unitDimension());
        for (int u = 1; u <= units; ++u) {
            const UnitItem& unit = table.unit(q, u);
            lines.push_back(column(unit.icon, 3) + "  " + unit.name + "  " + unit.rate + "  " + unit.offset +
                            "  " + unit.rateError + "  " + unit.offsetError);
        }
    }
    return lines;
}

}  // namespace quantora
